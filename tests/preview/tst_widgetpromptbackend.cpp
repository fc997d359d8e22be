#include "base/prompt.h"
#include "modaldialog.h"
#include "preview/widgetpromptbackend.h"
#include "printing/printerdevice.h"
#include "testenv.h"

#include <QLineEdit>
#include <QPrintDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

// The real dialogs behind the prompt seam.
class TestWidgetPromptBackend : public QObject
{
    Q_OBJECT

private slots:
    void printDialogGivesItsChoices();
    void printDialogShowsTheJobItWasGiven();
};

namespace {

PromptRecord printPrompt(const PrintJobOptions &job)
{
    PromptRecord prompt;
    prompt.kind = PromptKind::Print;
    prompt.caption = QStringLiteral("打印");
    prompt.printerName = PdfPrinterName;
    prompt.job = job;
    prompt.pageCount = 2;
    return prompt;
}

} // namespace

// Copies, a range of pages and a file chosen in the print dialog come back
// with its answer.
void TestWidgetPromptBackend::printDialogGivesItsChoices()
{
    TestAppDir dir;
    WidgetPromptBackend backend;
    const QString file = dir.filePath("chosen.pdf");
    PrintChoice choice;
    inModalDialog<QPrintDialog>([&] { choice = backend.confirmPrint(printPrompt({})); },
        [&](QPrintDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("打印"));
            dialog->findChild<QSpinBox *>("copies")->setValue(3);
            dialog->findChild<QRadioButton *>("printRange")->setChecked(true);
            dialog->findChild<QSpinBox *>("from")->setValue(2);
            dialog->findChild<QSpinBox *>("to")->setValue(2);
            dialog->findChild<QLineEdit *>("filename")->setText(file);
            dialog->accept();
        });
    QVERIFY(choice.confirmed);
    QCOMPARE(choice.printerName, PdfPrinterName);
    QCOMPARE(choice.job, (PrintJobOptions { 3, 2, 2, file }));
}

// Opened again, the dialog shows the choices it gave; cancelled, it keeps them.
void TestWidgetPromptBackend::printDialogShowsTheJobItWasGiven()
{
    TestAppDir dir;
    WidgetPromptBackend backend;
    const PrintJobOptions job { 2, 1, 1, dir.filePath("earlier.pdf") };
    PrintChoice choice;
    inModalDialog<QPrintDialog>([&] { choice = backend.confirmPrint(printPrompt(job)); },
        [&](QPrintDialog *dialog) {
            QCOMPARE(dialog->findChild<QSpinBox *>("copies")->value(), 2);
            QVERIFY(dialog->findChild<QRadioButton *>("printRange")->isChecked());
            QCOMPARE(dialog->findChild<QSpinBox *>("from")->value(), 1);
            QCOMPARE(dialog->findChild<QSpinBox *>("to")->value(), 1);
            QCOMPARE(dialog->findChild<QSpinBox *>("to")->maximum(), 2);
            QCOMPARE(dialog->findChild<QLineEdit *>("filename")->text(), job.outputFile);
            dialog->reject();
        });
    QVERIFY(!choice.confirmed);
    QCOMPARE(choice.job, job);
}

QTEST_MAIN(TestWidgetPromptBackend)
#include "tst_widgetpromptbackend.moc"

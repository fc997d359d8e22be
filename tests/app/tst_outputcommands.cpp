#include "app/mainform.h"
#include "base/processstate.h"
#include "base/prompt.h"
#include "modaldialog.h"
#include "output/outputstate.h"
#include "output/pagefiles.h"
#include "output/pagesettingsstore.h"
#include "pdfpages.h"
#include "preview/pagesetupdialog.h"
#include "preview/preview.h"
#include "printing/currentprinter.h"
#include "printing/printerdevice.h"
#include "promptcheck.h"
#include "runprogram.h"
#include "testframe.h"
#include "windowfixture.h"

#include <QAction>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QtTest>

// The frame's preview, print, page setup and PDF export commands on real
// report windows, printing to the PDF printer.
class TestOutputCommands : public QObject
{
    Q_OBJECT

private slots:
    void previewShowsTheWindowsUnsavedEdits();
    void printCommand_data();
    void printCommand();
    void pageSetupCommand_data();
    void pageSetupCommand();
    void exportCommand_data();
    void exportCommand();
    void exportMatchesHadtoolOfTheSavedReport();
    void signatureSectionsFollowTheActiveWindow();
    void undrawableSettingsAreRefusedOnce_data();
    void undrawableSettingsAreRefusedOnce();
};

namespace {

const QString ProposedName = QStringLiteral("2004-008 广州市越秀区东山路1号.pdf");

// The frame on a fresh program folder with a database of two reports open
// in a report window, and the PDF printer as the current printer.
struct Frame
{
    explicit Frame(const QString &style = "A4", const QSize &size = QSize(210, 297), int orientation = 0)
        : file({ { { "FileNo", "2004-008" }, { "Client", "张三" }, { "Address", "广州市越秀区东山路1号" },
                     { "Surveyor", "李工" }, { "BuildAreaHowff", "120.5" }, { "TrustDate", "2004-03-05" },
                     { "ApprDate", "2004-03-09" } },
            { { "FileNo", "2004-009" }, { "Client", "李四" }, { "Surveyor", "赵工" } } })
    {
        file.reports.first();
        file.storePaper(style, size.width(), size.height(), orientation);
        file.reports.next();
        file.storePaper("A4", 210, 297, 0);
        CurrentPrinter::install(PrinterDevice::pdf());
        TFrm_PageSetup::resetReferenceSize();
        form = showFrameOver(file.dir.path());
        window = form->OpenReportWindow(file.path);
    }

    void run(const char *command) { form->action(QString::fromLatin1(command))->trigger(); }

    // The value of a page file of the program's page folder.
    static QString pageValue(int page, int index)
    {
        const auto values = ReadPageValues(
            PageFileName(ProgramPageFolder(), page), page == 1 ? CoverValueCount : BodyValueCount);
        return values ? values->at(index) : QString();
    }

    ReportsFile file;
    TestFrame form;
    TfrmChildWin *window = nullptr;
};

void chooseLandscape(QWidget *dialog, const char *closeButton)
{
    QTest::mouseClick(dialog->findChild<QRadioButton *>("RB_Landscape"), Qt::LeftButton);
    dialog->findChild<QPushButton *>(closeButton)->click();
}

} // namespace

void TestOutputCommands::previewShowsTheWindowsUnsavedEdits()
{
    Frame f;
    f.window->setControlText("Client", "王五");
    QVERIFY(f.window->Modified());
    f.run("Actn_FilePreview");

    TFrm_Preview *preview = TFrm_Preview::current();
    QVERIFY(preview);
    QVERIFY(preview->isVisible());
    QCOMPARE(preview->parentWidget(), f.form.get());
    QCOMPARE(Frame::pageValue(1, CoverValue::Client), QStringLiteral("王五"));
    QCOMPARE(Frame::pageValue(2, BodyValue::Client), QStringLiteral("王五"));
    QVERIFY(Prompt::shown().isEmpty());
    // Previewing stores nothing.
    QVERIFY(f.window->Modified());
    QCOMPARE(f.file.stored("Client"), QStringList({ "张三", "李四" }));
}

void TestOutputCommands::printCommand_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("orientation");
    QTest::newRow("A4") << "A4" << QSize(210, 297) << 0;
    QTest::newRow("B5 landscape") << "B5" << QSize(257, 182) << 1;
}

// Printing prepares the pages as the preview does, from the report's own
// page settings and the window's texts, and prints both without a dialog
// of its own; the PDF printer asks for its file.
void TestOutputCommands::printCommand()
{
    QFETCH(QString, style);
    QFETCH(QSize, size);
    QFETCH(int, orientation);
    Frame f(style, size, orientation);
    f.window->setControlText("Client", "王五");
    OutputProcess.CurrentPageSettings = TPageSettings();

    const QString pdf = f.file.dir.filePath("printed.pdf");
    Prompt::setNextFileName(pdf);
    f.run("Actn_FilePrint");

    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().kind, PromptKind::SaveFile);
    QCOMPARE(Prompt::shown().first().fileName, ProposedName);
    const QList<PdfPage> pages = readPdfPages(pdf);
    QCOMPARE(pages.size(), 2);
    for (const PdfPage &page : pages)
        QVERIFY(sameSizeMM(page.sizeMM, QSizeF(size)));
    QVERIFY(pages[0].text.contains("王五"));
    QVERIFY(pages[1].text.contains("2004-008"));
    QVERIFY(!TFrm_Preview::current());
}

void TestOutputCommands::pageSetupCommand_data()
{
    QTest::addColumn<bool>("withPreview");
    QTest::addColumn<QString>("close");
    QTest::newRow("确定, no preview") << false << "BBT_OK";
    QTest::newRow("确定, preview open") << true << "BBT_OK";
    QTest::newRow("取消, preview open") << true << "BBT_Cancel";
}

void TestOutputCommands::pageSetupCommand()
{
    QFETCH(bool, withPreview);
    QFETCH(QString, close);
    const bool confirmed = close == "BBT_OK";
    Frame f;
    QSize portrait;
    if (withPreview) {
        f.run("Actn_FilePreview");
        portrait = TFrm_Preview::current()->PagePixels();
        f.window->setControlText("Client", "王五"); // after the preview opened
    }
    f.window->setModified(false);

    inModalDialog([&] { f.run("Actn_FilePageSetup"); },
        [&](QWidget *dialog) {
            QCOMPARE(dialog->parentWidget(), f.form.get());
            chooseLandscape(dialog, qPrintable(close));
        });

    QCOMPARE(f.window->Modified(), confirmed);
    const TPageSettings current = OutputProcess.CurrentPageSettings;
    LoadPageSettingsFromRow(f.window->ReportQuery());
    QCOMPARE(OutputProcess.CurrentPageSettings.PageOrientation, confirmed ? 1 : 0);
    OutputProcess.CurrentPageSettings = current;
    if (withPreview) {
        // 确定 lays the preview out anew for the landscape sheet, with the
        // pages rebuilt from the window as it is now.
        TFrm_Preview *preview = TFrm_Preview::current();
        QCOMPARE(preview->PagePixels(), confirmed ? portrait.transposed() : portrait);
        QCOMPARE(Frame::pageValue(1, CoverValue::Client), confirmed ? "王五" : "张三");
        QVERIFY(preview->updatesEnabled());
    }
}

void TestOutputCommands::exportCommand_data()
{
    QTest::addColumn<QString>("chosen"); // under the program folder; empty: cancelled
    QTest::addColumn<PromptButton>("overwrite"); // the answer about an existing file
    QTest::addColumn<bool>("written");
    QTest::newRow("new file") << "new.pdf" << PromptButton::None << true;
    QTest::newRow("existing file, Yes") << "old.pdf" << PromptButton::Yes << true;
    QTest::newRow("existing file, No") << "old.pdf" << PromptButton::No << false;
    QTest::newRow("cancelled") << "" << PromptButton::None << false;
    QTest::newRow("missing folder") << "missing/new.pdf" << PromptButton::None << false;
}

void TestOutputCommands::exportCommand()
{
    QFETCH(QString, chosen);
    QFETCH(PromptButton, overwrite);
    QFETCH(bool, written);
    Frame f;
    f.file.dir.writeFile("old.pdf", "old");
    const QString path = chosen.isEmpty() ? QString() : f.file.dir.filePath(chosen);
    Prompt::setNextFileName(path);
    if (overwrite != PromptButton::None)
        Prompt::setNextAnswer(overwrite);
    f.run("Actn_FileExportPdf");

    const PromptRecord &dialog = Prompt::shown().first();
    QCOMPARE(dialog.kind, PromptKind::SaveFile);
    QCOMPARE(dialog.caption, QStringLiteral("导出PDF"));
    QCOMPARE(dialog.fileName, ProposedName);
    QCOMPARE(dialog.text,
        QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
    QCOMPARE(dialog.filter, QStringLiteral("PDF 文件 *.pdf|*.pdf"));

    if (written) {
        QCOMPARE(readPdfPages(path).size(), 2);
    } else if (chosen == "old.pdf") {
        QCOMPARE(f.file.dir.readFile("old.pdf"), QByteArray("old"));
    } else if (chosen.startsWith("missing")) {
        QCOMPARE(Prompt::shown().size(), 2);
        const PromptRecord &failure = Prompt::shown().last();
        QCOMPARE(failure.icon, PromptIcon::Error);
        QCOMPARE(failure.caption, AppTitle);
        QVERIFY2(failure.text.startsWith(
                     "导出PDF文件 " + QDir::toNativeSeparators(path) + " 错误!\n不能创建文件 "),
            qPrintable(failure.text));
        QVERIFY(!QFileInfo::exists(f.file.dir.filePath("missing")));
    } else {
        QCOMPARE(Prompt::shown().size(), 1);
    }
    // The next export proposes the folder used last.
    if (!chosen.isEmpty()) {
        Prompt::setNextFileName(QString());
        f.run("Actn_FileExportPdf");
        QCOMPARE(Prompt::shown().last().text, QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    }
}

void TestOutputCommands::exportMatchesHadtoolOfTheSavedReport()
{
    Frame f;
    f.window->setControlText("Client", "王五");
    f.window->setControlText("ApprCircs", "墙体多处开裂。");
    f.run("Actn_FileSave");
    QVERIFY(!f.window->Modified());
    const QString exported = f.file.dir.filePath("exported.pdf");
    Prompt::setNextFileName(exported);
    f.run("Actn_FileExportPdf");
    QCOMPARE(Prompt::shown().size(), 1);

    const QString printed = f.file.dir.filePath("hadtool.pdf");
    const ProcessResult result = runHadtool({ "pdf", f.file.path, "--index", "0", "-o", printed });
    QVERIFY2(result.exitCode == 0, qPrintable(result.err));
    const QList<PdfPage> ours = readPdfPages(exported);
    const QList<PdfPage> theirs = readPdfPages(printed);
    QCOMPARE(ours.size(), 2);
    QCOMPARE(theirs.size(), 2);
    for (int i = 0; i < 2; ++i) {
        QVERIFY(sameSizeMM(ours[i].sizeMM, theirs[i].sizeMM));
        QCOMPARE(lines(ours[i].text), lines(theirs[i].text));
    }
    QVERIFY(ours[1].text.contains("墙体多处开裂"));
    QVERIFY(ours[1].text.contains("120.5"));
}

// The page files keep the report the preview opened on; the signature
// sections of the body are read from the report window active when the
// page is drawn.
void TestOutputCommands::signatureSectionsFollowTheActiveWindow()
{
    Frame f;
    TfrmChildWin *first = f.window;
    TfrmChildWin *second = f.form->OpenReportWindow(f.file.path);
    f.run("Actn_RecordNext");
    QCOMPARE(textOf(second, "labedtFileNo"), QStringLiteral("2004-009"));
    f.form->mdiArea()->setActiveSubWindow(first);
    QCOMPARE(f.form->activeReportWindow(), first);
    f.run("Actn_FilePreview");
    TFrm_Preview *preview = TFrm_Preview::current();
    f.form->mdiArea()->setActiveSubWindow(second);
    QCOMPARE(f.form->activeReportWindow(), second);

    const QString pdf = f.file.dir.filePath("body.pdf");
    Prompt::setNextFileName(pdf);
    preview->findChild<QPushButton *>("bitbtnNext")->click();
    preview->findChild<QPushButton *>("bitbtnPrintCurrent")->click();
    const QList<PdfPage> pages = readPdfPages(pdf);
    QCOMPARE(pages.size(), 1);
    const QString body = pages[0].text;
    QVERIFY2(body.contains("张三") && body.contains("2004-008"), qPrintable(body));
    QVERIFY(body.contains("赵工"));
    QVERIFY(!body.contains("李工"));
}

// A report whose page settings no page can be drawn with is neither
// previewed nor printed: one message names the setting, and no preview
// window, file dialog or printing follows.
void TestOutputCommands::undrawableSettingsAreRefusedOnce_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("column");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("preview, telephone width") << "Actn_FilePreview"
                                              << "PhoneWidth" << qint64(-2147483648LL)
                                              << "页面设置的电话栏宽 -2147483648 毫米超出了可以绘制的范围 "
                                                 "(-10000 到 10000 毫米), 不能按它预览或打印!";
    QTest::newRow("preview, cover offset")
        << "Actn_FilePreview"
        << "CovOffsetBottomSpace" << qint64(2147483647LL)
        << "页面设置的封面文字向下偏移 2147483647 毫米超出了可以绘制的范围 "
           "(-10000 到 10000 毫米), 不能按它预览或打印!";
    QTest::newRow("print, section height") << "Actn_FilePrint"
                                           << "ApprCircsRowCount" << qint64(-2147483648LL)
                                           << "页面设置的检查情况行高 -2147483648 毫米超出了可以绘制的范围 "
                                              "(-10000 到 10000 毫米), 不能按它预览或打印!";
}

void TestOutputCommands::undrawableSettingsAreRefusedOnce()
{
    QFETCH(QString, command);
    QFETCH(QString, column);
    QFETCH(qint64, value);
    QFETCH(QString, message);
    Frame f;
    f.file.connection.execute(
        QStringLiteral("update ProjectTab set %1 = :Value where FileNo = '2004-008'").arg(column),
        { { QStringLiteral("Value"), QString::number(value) } });
    f.window->ReportQuery().refresh();
    const QString pdf = f.file.dir.filePath("printed.pdf");
    Prompt::setNextFileName(pdf);

    f.run(qPrintable(command));

    verifyOnlyMessage(message, PromptIcon::Error);
    QVERIFY(!TFrm_Preview::current());
    QVERIFY(!QFileInfo::exists(pdf));
}

QTEST_MAIN(TestOutputCommands)
#include "tst_outputcommands.moc"

#include "preview/widgetpromptbackend.h"

#include "printing/printerdevice.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <memory>

namespace {

QMessageBox::Icon toMessageBoxIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::Error:
        return QMessageBox::Critical;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonPair
{
    PromptButton prompt;
    QMessageBox::StandardButton box;
    const char *caption;
};

// Chinese captions, as on the Windows message boxes the users know.
const ButtonPair Buttons[] = {
    { PromptButton::Ok, QMessageBox::Ok, "确定" },
    { PromptButton::Yes, QMessageBox::Yes, "是(&Y)" },
    { PromptButton::No, QMessageBox::No, "否(&N)" },
    { PromptButton::Cancel, QMessageBox::Cancel, "取消" },
};

// "description|pattern|description|pattern" as Qt's file dialog wants it:
// "description (pattern);;description (pattern)".
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(
            QStringLiteral("%1 (%2)").arg(parts.at(i), QString(parts.at(i + 1)).replace(u';', u' ')));
    return filters.join(QStringLiteral(";;"));
}

// A carriage return alone breaks the line, as on the Windows message boxes;
// Qt's labels would show it as a blank.
QString withLineBreaks(const QString &text)
{
    static const QRegularExpression loneReturn(QStringLiteral("\\r(?!\\n)"));
    return QString(text).replace(loneReturn, QStringLiteral("\n"));
}

} // namespace

WidgetPromptBackend::WidgetPromptBackend(QWidget *parent)
    : m_parent(parent)
{ }

// A prompt belongs to the window it comes from: an open dialog, or a
// window of the program's own that is active (the print preview, which
// stays on top of the main window); otherwise the main window.
QWidget *WidgetPromptBackend::owner() const
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    return m_parent;
}

PromptButton WidgetPromptBackend::showMessage(const PromptRecord &prompt)
{
    QMessageBox box(toMessageBoxIcon(prompt.icon), prompt.caption, withLineBreaks(prompt.text),
        QMessageBox::NoButton, owner());
    for (const ButtonPair &b : Buttons) {
        if (!prompt.buttons.testFlag(b.prompt))
            continue;
        box.addButton(b.box)->setText(QString::fromUtf8(b.caption));
        if (prompt.defaultButton == b.prompt)
            box.setDefaultButton(b.box);
    }
    const int result = box.exec();
    for (const ButtonPair &b : Buttons)
        if (result == b.box)
            return b.prompt;
    // Closed with Escape or the close box: the cancel-like answer.
    if (prompt.buttons.testFlag(PromptButton::Cancel))
        return PromptButton::Cancel;
    return prompt.buttons.testFlag(PromptButton::No) ? PromptButton::No : PromptButton::Ok;
}

QString WidgetPromptBackend::chooseFile(const PromptRecord &prompt)
{
    QFileDialog dialog(owner(), prompt.caption, prompt.text, qtFilter(prompt.filter));
    const bool saving = prompt.kind == PromptKind::SaveFile;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The commands ask their own questions about an existing file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(prompt.defaultSuffix);
    if (!prompt.fileName.isEmpty())
        dialog.selectFile(prompt.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

// Opens on the named printer (the PDF printer as printing to a file) with
// the job settings; answers with the printer selected and the copies, pages
// and file chosen when the dialog closed.
PrintChoice WidgetPromptBackend::confirmPrint(const PromptRecord &prompt)
{
    const bool toFile = prompt.printerName == PdfPrinterName;
    auto printer = toFile ? std::make_unique<QPrinter>()
                          : std::make_unique<QPrinter>(QPrinterInfo::printerInfo(prompt.printerName));
    if (toFile)
        printer->setOutputFormat(QPrinter::PdfFormat);
    const PrintJobOptions &job = prompt.job;
    printer->setCopyCount(job.copies);
    if (toFile && !job.outputFile.isEmpty())
        printer->setOutputFileName(job.outputFile);
    QPrintDialog dialog(printer.get(), owner());
    dialog.setWindowTitle(prompt.caption);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, std::max(1, prompt.pageCount));
    if (job.fromPage > 0) {
        dialog.setPrintRange(QAbstractPrintDialog::PageRange);
        dialog.setFromTo(job.fromPage, job.toPage);
    } else {
        dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    }
    if (dialog.exec() != QDialog::Accepted)
        return { false, prompt.printerName, job };
    const bool pdf = printer->outputFormat() == QPrinter::PdfFormat;
    PrintJobOptions chosen;
    chosen.copies = printer->copyCount();
    if (printer->printRange() == QPrinter::PageRange) {
        chosen.fromPage = printer->fromPage();
        chosen.toPage = printer->toPage();
    }
    if (pdf)
        chosen.outputFile = printer->outputFileName();
    return { true, pdf ? PdfPrinterName : printer->printerName(), chosen };
}

QString WidgetPromptBackend::askPassword(const PromptRecord &prompt)
{
    bool ok = false;
    const QString password
        = QInputDialog::getText(owner(), prompt.caption, prompt.text, QLineEdit::Password, QString(), &ok);
    return ok ? password : QString();
}

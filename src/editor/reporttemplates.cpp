#include "editor/reporttemplates.h"

#include "base/processstate.h"
#include "editor/childwin.h"
#include "editor/componenttable.h"
#include "editor/editorstate.h"

#include <QDir>

namespace {

constexpr int FirstTemplateColumn = ComponentColumn::Part;
constexpr int LastTemplateColumn = ComponentColumn::Clause;

} // namespace

QString TemplateFolder()
{
    const QString folder = QDir(Process.AppDir).filePath(QStringLiteral("Template"));
    QDir().mkpath(folder);
    return folder;
}

ReportTemplate ReportTemplateOf(const TfrmChildWin &window)
{
    return ReportTemplate::fromTexts(window.controlTexts(), window.componentPage()->rows());
}

void ApplyReportTemplate(TfrmChildWin &window, const ReportTemplate &value)
{
    for (const QString &column : ReportTemplate::columns())
        window.setControlText(column, value.text(column));

    ComponentTablePage *table = window.componentPage();
    const int n = value.rowCount();
    table->setRowCountWithHeader(n);
    for (int r = 1; r <= n - 1; ++r)
        for (int c = FirstTemplateColumn; c <= LastTemplateColumn; ++c)
            table->setCell(c, r, value.cell(c, r));

    // The table has no change event of its own: a template whose texts all
    // equal the report's would otherwise replace the table unnoticed.
    if (!EditorProcess.WindowOpening)
        window.setModified(true);
}

void WriteReportTemplate(const TfrmChildWin &window, const QString &path)
{
    TemplateFolder();
    ReportTemplateFile::write(path, ReportTemplateOf(window));
}

void ReadReportTemplate(TfrmChildWin &window, const QString &path)
{
    // Read and checked whole before the window is touched.
    const ReportTemplate value = ReportTemplateFile::read(path);
    ApplyReportTemplate(window, value);
}

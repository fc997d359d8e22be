#include "app/recordcommands.h"

#include "app/documentcommands.h"
#include "app/framecommands.h"
#include "base/prompt.h"
#include "editor/childwin.h"
#include "editor/componenttable.h"
#include "editor/fieldtext.h"
#include "editor/reporttemplates.h"
#include "grade/housegrade.h"

#include <QPlainTextEdit>

RecordCommands::RecordCommands(Frame frame, QObject *parent)
    : QObject(parent)
    , m_frame(std::move(frame))
{
    bindFrameCommands(this, m_frame.action,
        {
            { "actnRecordCalcu", &RecordCommands::Calculate },
            { "Actn_RecordSaveAsTemplate", &RecordCommands::SaveAsTemplate },
            { "Actn_RecordInstead", &RecordCommands::Instead },
        });
}

void RecordCommands::Calculate()
{
    TfrmChildWin *window = m_frame.activeWindow();
    if (!window)
        return;
    ComponentTablePage *table = window->componentPage();
    // Graded by the standard the report window shows for the report.
    const ReportStandard standard = table->standard();
    const HouseGrade result = GradeHouse(standard.standard, table->rows(), standard.ground);
    // Emptied first: the lines of a second calculation with the same result
    // change the memo too, and so mark the report modified.
    QPlainTextEdit *memo = table->resultMemo();
    FieldText::setText(memo, QString());
    FieldText::setText(memo, result.lines().join(u'\n'));
    Prompt::message(
        PromptIcon::None, result.message(), PromptButton::Ok, PromptButton::None, result.caption());
}

void RecordCommands::SaveAsTemplate()
{
    TfrmChildWin *window = m_frame.activeWindow();
    if (!window)
        return;
    try {
        // The address as stored: what is being typed into the field is not
        // proposed.
        const QString proposed = window->ReportQuery().asString(QStringLiteral("Address"));
        const QString chosen = Prompt::saveFile({ QStringLiteral("将当前鉴定报告保存为模板"),
            TemplateFolder(), proposed, TemplateFilter, QStringLiteral("Btp") });
        if (chosen.isEmpty())
            return;
        WriteReportTemplate(*window, withExtension(chosen, QStringLiteral("Btp")));
    } catch (...) {
        Prompt::error(QStringLiteral("保存模板错误!"));
    }
}

void RecordCommands::Instead()
{
    TfrmChildWin *window = m_frame.activeWindow();
    if (!window)
        return;
    const QString path = Prompt::openFile(
        { QStringLiteral("选择模板"), TemplateFolder(), QString(), TemplateFilter, QStringLiteral("Btp") });
    if (!path.isEmpty())
        ReadReportTemplate(*window, path);
}

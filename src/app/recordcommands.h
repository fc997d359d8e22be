#pragma once

#include "app/framecommands.h"
#include <QObject>
#include <QString>

#include <functional>

class TfrmChildWin;

// The frame's commands on the shown report that are neither moves nor
// edits of the file: the danger-grade calculation (actnRecordCalcu), saving
// the report as a template (Actn_RecordSaveAsTemplate) and filling it from
// one (Actn_RecordInstead). Each acts on the active report window.
class RecordCommands : public QObject
{
    Q_OBJECT

public:
    struct Frame
    {
        // The active report window, or null.
        std::function<TfrmChildWin *()> activeWindow;
        FrameAction action;
    };

    RecordCommands(Frame frame, QObject *parent);

    // Counts the component table, writes the seven result lines into Memo1
    // and shows the grade sentence. An invalid count throws AppError before
    // anything changes.
    void Calculate();
    // Asks for a file name (proposing the stored address) and writes the
    // report as a template there, with the extension ".Btp". Any failure
    // shows "保存模板错误!".
    void SaveAsTemplate();
    // Asks for a template and fills the report from it. Throws AppError.
    void Instead();

    // The filter of the template dialogs.
    static inline const QString TemplateFilter = QStringLiteral("模板文件 *.Btp|*.Btp");

private:
    Frame m_frame;
};

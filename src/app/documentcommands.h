#pragma once

#include "app/framecommands.h"
#include <QObject>
#include <QString>

#include <functional>

class TfrmChildWin;

// The frame's document and record commands: New, Open, Close, Save,
// Save As, Append, Insert (shortcut only), Delete, First, Prior, Next and
// Last. Each acts on the active report window through its routines and
// runs as one user command: a failure is shown once and the command stops
// where it failed.
class DocumentCommands : public QObject
{
    Q_OBJECT

public:
    struct Frame
    {
        // The active report window, or null.
        std::function<TfrmChildWin *()> activeWindow;
        // Opens a database file in a new report window; throws AppError.
        std::function<void(const QString &path)> openWindow;
        FrameAction action;
    };

    DocumentCommands(Frame frame, QObject *parent);

    void New();
    void Open();
    // 打开服务器数据库: the server database the dialog names, in a new
    // report window.
    void OpenServer();
    void Close();
    void Save();
    void SaveAs();
    void Append();
    void Insert();
    void Delete();
    void First();
    void Prior();
    void Next();
    void Last();

    // The filter of the database dialogs.
    static inline const QString DatabaseFilter = QStringLiteral("房屋安全鉴定数据库 *.had|*.had");

private:
    enum class Move { First, Prior, Next, Last };
    void move(Move move);
    QString folder(const QString &name) const;

    Frame m_frame;
    // The save dialog shows the name it showed last unless a command
    // gives it one.
    QString m_saveDialogName;
};

// Copies a file with questions: a missing source, the same file as source
// and target, and an existing target (which is replaced only after Yes) are
// each told or asked in a message box; a copy the system refuses shows
// "复制 " + source + " 错误!". Returns true when the copy was made.
bool CopyFileWithPrompt(const QString &source, const QString &target);

// The chosen file name with its extension (from its last dot) replaced by
// the given one, in the chosen folder: ("x.doc", "had") gives "x.had".
QString withExtension(const QString &chosen, const QString &extension);

inline QString withHadExtension(const QString &chosen)
{
    return withExtension(chosen, QStringLiteral("had"));
}

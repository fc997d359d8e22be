#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

// Gives the frame's command shortcuts precedence over the keys that a
// focused control keeps for itself (a one-line edit takes Ctrl+E as "end of
// line", Ctrl+V and Ctrl+C as its own paste and copy): a key that is the
// shortcut of an enabled command goes to that command, whatever control of
// the frame has the focus. A disabled command leaves its key to the
// control, and windows of their own (dialogs, the preview) keep theirs.
class FrameShortcuts : public QObject
{
    Q_OBJECT

public:
    FrameShortcuts(QWidget *frame, const QList<QAction *> &commands);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isCommandKey(const QKeySequence &keys) const;

    QWidget *m_frame;
    QList<QAction *> m_commands;
};

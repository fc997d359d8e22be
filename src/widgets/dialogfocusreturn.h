#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

// Gives the activation back to the window that was active when a modal
// dialog opened, once the dialog closes. Without a window manager (and under
// some) the closed dialog's focus goes to no window at all: typing still
// reaches the focused field, but Qt no longer counts the frame as active and
// its shortcuts (Ctrl+S) stay dead until the user clicks the frame. Installed
// once on the application; it watches every modal dialog and message box.
class DialogFocusReturn : public QObject
{
    Q_OBJECT

public:
    explicit DialogFocusReturn(QObject *parent = nullptr);
    ~DialogFocusReturn() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dialogShown(QWidget *dialog);
    void dialogHidden(QWidget *dialog);

    // Each open modal dialog and the window that was active when it opened.
    QHash<QObject *, QPointer<QWidget>> m_returnTo;
};

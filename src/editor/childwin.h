#pragma once

#include <QMdiSubWindow>
#include <QPointer>

class QAction;
class TMainForm;

// A report window: the document window of one appraisal database file
// inside the main window. It carries the file, its entry in the Window
// menu, the unsaved-changes flag and the closing protocol (the save
// question, remembering the file closed last).
class TfrmChildWin : public QMdiSubWindow
{
    Q_OBJECT

public:
    TfrmChildWin(const QString &fileName, TMainForm *mainForm);
    ~TfrmChildWin() override;

    // The window caption for a file: its name without folder and extension.
    static QString captionFor(const QString &path);

    const QString &FileName() const { return m_fileName; }
    QAction *WindowMenuItem() const { return m_windowMenuItem; }

    bool Modified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // The save question of a modified window: Yes saves, No discards, and
    // both return true; Cancel sets CloseCancelled and returns false. An
    // unmodified window returns true without asking.
    bool querySave();

    // Called by the main window when this window becomes, or stops being,
    // the active report window.
    void activated();
    void deactivated();

signals:
    // The window has been closed for good (it is deleted soon after).
    void closed(TfrmChildWin *window);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QPointer<TMainForm> m_mainForm;
    QString m_fileName;
    QPointer<QAction> m_windowMenuItem;
    bool m_modified = false;
};

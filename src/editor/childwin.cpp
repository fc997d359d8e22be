#include "editor/childwin.h"

#include "app/appsettings.h"
#include "app/errorreport.h"
#include "app/processstate.h"
#include "app/prompt.h"
#include "app/ui/mainform.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

TfrmChildWin::TfrmChildWin(const QString &fileName, TMainForm *mainForm)
    : m_mainForm(mainForm)
    , m_fileName(fileName)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(new QWidget);
    // The window menu closes with Ctrl+F4 as on Windows; Ctrl+W belongs to
    // the print preview command.
    for (QAction *item : systemMenu()->actions())
        if (item->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
            item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));

    const QString caption = captionFor(fileName);
    m_windowMenuItem = new QAction(caption + QStringLiteral("& "), this);
    m_windowMenuItem->setStatusTip(caption);
    m_windowMenuItem->setToolTip(caption);
    m_windowMenuItem->setCheckable(true);
    mainForm->addWindowMenuEntry(m_windowMenuItem);

    // Automatic saving is configured (the options dialog sets the interval)
    // but does nothing: the timer has no action attached.
    auto *timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("timerAutoSave"));
}

TfrmChildWin::~TfrmChildWin()
{
    delete m_windowMenuItem;
    if (m_mainForm) {
        // First, while this window is still whole: the frame may activate
        // another window as this one goes.
        m_mainForm->forgetReportWindow(this);
        m_mainForm->uncheckPageCommands();
        // A closed window is deleted after the next one became active; the
        // checks belong to that one.
        m_mainForm->UpdateBrowseFindChecks();
        m_mainForm->UpdateViewChecks();
    }
}

QString TfrmChildWin::captionFor(const QString &path)
{
    return QFileInfo(path).completeBaseName();
}

void TfrmChildWin::activated()
{
    if (m_windowMenuItem)
        m_windowMenuItem->setChecked(true);
    Process.WindowOpening = false;
    m_mainForm->UpdateBrowseFindChecks();
    m_mainForm->UpdateViewChecks();
}

void TfrmChildWin::deactivated()
{
    if (m_windowMenuItem)
        m_windowMenuItem->setChecked(false);
    m_mainForm->uncheckPageCommands();
}

bool TfrmChildWin::querySave()
{
    if (!m_modified)
        return true;
    const PromptButton answer
        = Prompt::message(PromptIcon::Question, QStringLiteral("数据已被更改,保存吗?"),
                          PromptButton::Yes | PromptButton::No | PromptButton::Cancel);
    if (answer == PromptButton::Cancel) {
        Process.CloseCancelled = true;
        return false;
    }
    if (answer == PromptButton::Yes)
        m_mainForm->action(QStringLiteral("Actn_FileSave"))->trigger();
    return true;
}

void TfrmChildWin::closeEvent(QCloseEvent *event)
{
    if (!querySave()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    // A settings file that cannot be written must not keep the window open.
    runReported([this] { RememberOpenFile(m_fileName); });
    Process.CloseCancelled = false;
    if (Process.LastOpenedWindow == this)
        Process.LastOpenedWindow = nullptr;
    emit closed(this);
}

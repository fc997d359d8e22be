#pragma once

#include "app/mainform.h"
#include "editor/childwin.h"
#include "reportfile.h"
#include "testframe.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

// The real main window, shown and active, over a fresh program folder that
// holds one appraisal database with one report.
struct ToolsFrame
{
    ToolsFrame()
    {
        form = showFrameOver(file.dir.path());
        activateFrame(form.get());
    }
    // Opens the database in one more report window (the same file may be
    // open in several).
    TfrmChildWin *open() { return form->OpenReportWindow(file.path); }
    QAction *action(const char *name) const { return form->action(QString::fromLatin1(name)); }

    ReportFile file { 1, QStringLiteral("Data/甲.had") };
    TestFrame form;
};

struct DialogRun
{
    bool opened = false; // the command opened a modal dialog of the kind
    bool leftOpen = false; // `inside` left it open
};

// Triggers a command that opens a modal dialog and runs `inside` while the
// dialog is open. The dialog is closed afterwards if `inside` left it open.
template<typename Dialog> DialogRun whileOpen(QAction *command, const std::function<void(Dialog *)> &inside)
{
    DialogRun run;
    QTimer timer; // gone with this call: it never fires after it
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        run.opened = true;
        inside(dialog);
        run.leftOpen = dialog->isVisible();
        if (run.leftOpen)
            dialog->reject();
    });
    timer.start(0);
    command->trigger(); // returns once the dialog closed
    return run;
}

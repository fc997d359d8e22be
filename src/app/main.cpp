#include "app/aboutbox.h"
#include "app/displaycheck.h"
#include "app/mainform.h"
#include "base/errorreport.h"
#include "base/processstate.h"
#include "base/programfolders.h"
#include "base/prompt.h"
#include "base/version.h"
#include "db/datamodule.h"
#include "output/fontsubstitutes.h"
#include "widgets/dialogfocusreturn.h"
#include "widgets/widgetpromptbackend.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Without a display Qt would abort with a plug-in error; say why in one line.
    if (const QString message = DisplayCheck::missingDisplayMessage(); !message.isEmpty()) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        return 1;
    }

    // The date conventions (yyyy-mm-dd, the two-digit year window) are
    // fixed rules in DateConventions, valid for the whole run; the system's
    // regional settings do not change them.
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppTitle);
    QApplication::setApplicationVersion(QLatin1String(AppVersion));
    // The desktop entry's name lets the desktop match the window to its
    // menu entry; the icon is built into the program, so a build-tree run
    // shows it too.
    QApplication::setDesktopFileName(QStringLiteral("house-appraisal"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/house-appraisal.svg")));
    FontSubstitutes::install();
    // Qt's own dialogs (choosing a file, printing) and standard buttons speak
    // Chinese like the rest of the program; without Qt's translation files
    // they stay English.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QApplication::setFont(QFont(QStringLiteral("宋体"), 9));

    WidgetPromptBackend prompts;
    Prompt::setBackend(&prompts);
    DialogFocusReturn focusReturn;

    // Without a program folder (no home folder, no APPRAISAL_HOME) there is
    // nowhere to keep settings and reports: say so and write nothing.
    if (!runReported([] { ProgramFolders::resolveAppDir(); })) {
        Prompt::setBackend(nullptr);
        return 1;
    }

    TMainForm mainForm;
    prompts.setParent(&mainForm);
    TAboutBox aboutBox(&mainForm);
    mainForm.setAboutBox(&aboutBox);
    TFrm_DataModule dataModule;

    // The main window has found AppDir and created its folders; a fresh one
    // receives the sample database before the first showing opens it. The
    // clause library is read from the shared data, unless the user has a
    // copy of their own. A failure is reported and start-up goes on.
    runReported([] {
        const QString shared = ProgramFolders::sharedDataDir(Process.ShareDir);
        ProgramFolders::removeUnchangedLibraryCopy(Process.AppDir, shared);
        ProgramFolders::seed(Process.AppDir, shared);
    });

    mainForm.show();
    const int result = QApplication::exec();
    Prompt::setBackend(nullptr);
    return result;
}

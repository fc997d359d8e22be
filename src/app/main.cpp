#include "app/aboutbox.h"
#include "app/commandline.h"
#include "app/displaycheck.h"
#include "app/mainform.h"
#include "app/singleinstance.h"
#include "base/errorreport.h"
#include "base/processstate.h"
#include "base/programfolders.h"
#include "base/prompt.h"
#include "base/version.h"
#include "db/datamodule.h"
#include "output/fontsubstitutes.h"
#include "preview/widgetpromptbackend.h"
#include "widgets/dialogfocusreturn.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The command line is read before anything else: help and version need
    // no display.
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine line = CommandLine::parse(words, QDir::currentPath());
    switch (line.request) {
    case CommandLine::Request::Help:
        std::fputs(CommandLine::helpText().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Request::Version:
        std::fputs(CommandLine::versionText().toLocal8Bit().constData(), stdout);
        return 0;
    case CommandLine::Request::Invalid:
        std::fprintf(stderr, "house-appraisal: %s\n%s", line.error.toLocal8Bit().constData(),
            CommandLine::helpText().toLocal8Bit().constData());
        return 2;
    case CommandLine::Request::Run:
        break;
    }

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

    // A program already running on this program folder takes the
    // databases (and comes to the front); this start ends there.
    SingleInstance instance(SingleInstance::nameFor(ProgramFolders::resolveAppDir()));
    if (instance.handOver(line.databases)) {
        Prompt::setBackend(nullptr);
        return 0;
    }
    instance.listen();

    TMainForm mainForm;
    mainForm.setStartupDatabases(line.databases);
    QObject::connect(&instance, &SingleInstance::handedOver, &mainForm, &TMainForm::openHandedOver);
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

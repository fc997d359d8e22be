#include "app/displaycheck.h"
#include "app/fontsubstitutes.h"
#include "app/processstate.h"
#include "app/prompt.h"
#include "app/ui/aboutbox.h"
#include "app/ui/mainform.h"
#include "app/ui/widgetpromptbackend.h"
#include "app/version.h"
#include "db/datamodule.h"

#include <QApplication>
#include <QFont>

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
    FontSubstitutes::install();
    QApplication::setFont(QFont(QStringLiteral("宋体"), 9));

    WidgetPromptBackend prompts;
    Prompt::setBackend(&prompts);

    TMainForm mainForm;
    prompts.setParent(&mainForm);
    TAboutBox aboutBox(&mainForm);
    mainForm.setAboutBox(&aboutBox);
    TFrm_DataModule dataModule;

    mainForm.show();
    const int result = QApplication::exec();
    Prompt::setBackend(nullptr);
    return result;
}

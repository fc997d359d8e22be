#pragma once

#include <QString>
#include <QStringList>

class QUrl;

// Hands files and addresses to the desktop: the manual, the product list
// page and a mail link open in the programs associated with them, the
// calculator is started as a program of its own. Tests install a recording
// opener so that nothing real is launched.
class ExternalOpener
{
public:
    virtual ~ExternalOpener() = default;
    // Opens a local file or an address (mailto:) with its associated
    // program. False when the desktop could not open it.
    virtual bool openUrl(const QUrl &url) = 0;
    // Starts a program without waiting for it. False when it did not start.
    virtual bool startProgram(const QString &program) = 0;

    // The opener in use: the desktop's own unless another is installed.
    static ExternalOpener &current();
    // Installs an opener (not owned); null restores the desktop's own.
    static void install(ExternalOpener *opener);
};

// The help and tool commands of the main window. Each reports a missing
// file, or a file or address the desktop cannot open, with its own message
// and changes nothing else.
namespace Launchers {

inline const QString SupportMailAddress = QStringLiteral("support@chenling-appraisal.cn");

// The start page of the manual, installed with the program (the build tree
// has it in the same place).
QString manualPath();
QString productListPath(); // AppDir/ProdList.htm

// The calculator programs looked for on PATH, in order of preference.
QStringList calculatorPrograms();
// Full path of the first calculator found on PATH, or an empty text.
QString findCalculator();

void openHelpManual();
void openProductList();
void openSupportMail();
void startCalculator();

} // namespace Launchers

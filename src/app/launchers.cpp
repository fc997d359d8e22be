#include "app/launchers.h"

#include "base/processstate.h"
#include "base/programfolders.h"
#include "base/prompt.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

class DesktopOpener : public ExternalOpener
{
public:
    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
    bool startProgram(const QString &program) override { return QProcess::startDetached(program, {}); }
};

ExternalOpener *installedOpener = nullptr;

QString programFile(const QString &name)
{
    return QDir(Process.AppDir).filePath(name);
}

// Opens a file of the program; "missing" and "failed" are the two
// messages of the command, the first one around the file's path.
void openProgramFile(const QString &path, const QString &missingBefore, const QString &failed)
{
    if (!QFileInfo(path).isFile()) {
        Prompt::error(missingBefore + QDir::toNativeSeparators(path) + QStringLiteral(" 不存在!"));
        return;
    }
    if (!ExternalOpener::current().openUrl(QUrl::fromLocalFile(path)))
        Prompt::error(failed);
}

} // namespace

ExternalOpener &ExternalOpener::current()
{
    static DesktopOpener desktop;
    return installedOpener ? *installedOpener : desktop;
}

void ExternalOpener::install(ExternalOpener *opener)
{
    installedOpener = opener;
}

QString Launchers::manualPath()
{
    return ProgramFolders::manualStartPage(Process.ShareDir);
}

QString Launchers::productListPath()
{
    return programFile(QStringLiteral("ProdList.htm"));
}

QStringList Launchers::calculatorPrograms()
{
    return { QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("mate-calc"),
        QStringLiteral("galculator"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc") };
}

QString Launchers::findCalculator()
{
    for (const QString &name : calculatorPrograms()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

void Launchers::openHelpManual()
{
    openProgramFile(manualPath(), QStringLiteral("帮助文件 "), QStringLiteral("打开帮助文件错误!"));
}

void Launchers::openProductList()
{
    openProgramFile(productListPath(), QStringLiteral("文件 "), QStringLiteral("打开浏览器错误!"));
}

void Launchers::openSupportMail()
{
    if (!ExternalOpener::current().openUrl(QUrl(QStringLiteral("mailto:") + SupportMailAddress)))
        Prompt::error(QStringLiteral("启动电子邮件系统错误!"));
}

void Launchers::startCalculator()
{
    const QString calculator = findCalculator();
    if (calculator.isEmpty()) {
        Prompt::warning(QStringLiteral("计算器程序文件 ") + calculatorPrograms().join(QStringLiteral("、"))
            + QStringLiteral(" 不存在!"));
        return;
    }
    ExternalOpener::current().startProgram(calculator);
}

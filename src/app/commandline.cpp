#include "app/commandline.h"

#include "base/processstate.h"
#include "base/recentdatabases.h"
#include "base/version.h"

#include <QDir>

CommandLine CommandLine::parse(const QStringList &words, const QString &currentFolder)
{
    CommandLine line;
    bool options = true;
    for (const QString &word : words) {
        if (options && word == u"--") {
            options = false;
        } else if (options && (word == u"-h" || word == u"--help")) {
            return { Request::Help, {}, {} };
        } else if (options && (word == u"-v" || word == u"--version")) {
            return { Request::Version, {}, {} };
        } else if (options && word.startsWith(u'-') && word != u"-") {
            return { Request::Invalid, {}, QStringLiteral("未知的选项 '%1'").arg(word) };
        } else if (word.isEmpty()) {
            return { Request::Invalid, {}, QStringLiteral("文件名为空") };
        } else {
            line.databases.append(RecentDatabases::isServerLocation(word)
                    ? word
                    : QDir::cleanPath(QDir(currentFolder).absoluteFilePath(word)));
        }
    }
    return line;
}

QString CommandLine::helpText()
{
    return QStringLiteral("用法: house-appraisal [选项] [文件.had ...]\n"
                          "%1\n"
                          "\n"
                          "打开给出的房屋安全鉴定数据库, 每个文件一个窗口; 不给文件时\n"
                          "打开最后关闭的数据库。程序已经运行时, 文件交给运行中的程序打开。\n"
                          "\n"
                          "选项:\n"
                          "  -h, --help     显示本帮助后退出\n"
                          "  -v, --version  显示版本后退出\n"
                          "  --             其后的参数都是文件名\n")
        .arg(AppTitle);
}

QString CommandLine::versionText()
{
    return QStringLiteral("house-appraisal %1\n").arg(QLatin1String(AppVersion));
}

// hadtool: the command-line companion of the appraisal program. It works on
// .had files through the same data module and data set as the program.

#include "app/apperror.h"
#include "app/prompt.h"
#include "db/connection.h"
#include "db/datamodule.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "stderrpromptbackend.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

const char Usage[] = "usage: hadtool new FILE.had [--force]   create an empty appraisal database\n"
                     "       hadtool list FILE.had            one line per report: FileNo, Address,\n"
                     "                                        PropertyRightMan, Client, separated by tabs\n"
                     "                                        (tab, CR, LF and \\ in values as \\t \\r \\n \\\\)\n";

void printError(const QString &text)
{
    std::fputs((QStringLiteral("hadtool: ") + text + u'\n').toUtf8().constData(), stderr);
}

// A value on one line of the listing: tabs and line breaks escaped.
QString escaped(QString text)
{
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u'\t', QStringLiteral("\\t"));
    text.replace(u'\r', QStringLiteral("\\r"));
    text.replace(u'\n', QStringLiteral("\\n"));
    return text;
}

int createDatabase(const QString &path, bool force)
{
    const QFileInfo info(path);
    if ((info.exists() || info.isSymLink()) && !force) {
        printError(QStringLiteral("数据库 ") + path + QStringLiteral(" 已存在! (--force 删除并创建)"));
        return 1;
    }
    StderrPromptBackend backend(PromptButton::Yes);
    Prompt::setBackend(&backend);
    TFrm_DataModule module;
    const bool created = module.CreateDatabase(path);
    Prompt::setBackend(nullptr);
    return created ? 0 : 1;
}

int listReports(const QString &path)
{
    Connection connection;
    HadFile::open(connection, path);
    DataSet reports(connection);
    reports.open(HadFile::SelectAllReports);
    QByteArray out;
    for (const QStringList &row : reports.columnTexts(HadFile::ReportListColumns)) {
        QStringList values;
        for (const QString &value : row)
            values.append(escaped(value));
        out += values.join(u'\t').toUtf8();
        out += '\n';
    }
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool force = args.removeAll(QStringLiteral("--force")) > 0;
    const QString command = args.value(0);
    const bool valid = args.size() == 2 && (command == u"new" || (command == u"list" && !force));
    if (!valid) {
        std::fputs(Usage, stderr);
        return 2;
    }
    const QString path = QFileInfo(args.at(1)).absoluteFilePath();
    try {
        return command == u"new" ? createDatabase(path, force) : listReports(path);
    } catch (const AppError &e) {
        printError(e.message());
        return 1;
    }
}

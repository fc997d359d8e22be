#include "storedreport.h"

#include "base/apperror.h"
#include "db/databaselocation.h"
#include "db/hadfile.h"
#include "subcommand.h"

#include <QCoreApplication>
#include <QFileInfo>

ReportChoice ReportChoice::take(Arguments &arguments)
{
    ReportChoice choice;
    choice.index = arguments.number(QStringLiteral("--index"));
    choice.fileNo = arguments.value(QStringLiteral("--file-no"));
    if (choice.index.has_value() == choice.fileNo.has_value())
        throw UsageError { QCoreApplication::translate(
            "hadtool", "请给出 --index N 或 --file-no NO 中的一个") };
    return choice;
}

StoredReport::StoredReport(const QString &path)
    : m_path(path)
{
    HadFile::open(m_connection, path, Connection::Access::ReadOnly);
    m_reports.open(HadFile::SelectAllReports);
}

StoredReport::StoredReport(const QString &path, const ReportChoice &choice)
    : StoredReport(path)
{
    if (choice.index) {
        const int count = m_reports.recordCount();
        if (*choice.index >= count)
            throw AppError(QCoreApplication::translate(
                "hadtool", "文件 %1 中没有第 %2 份鉴定报告(共 %3 份, --index 从 0 起)")
                               .arg(m_connection.displayText())
                               .arg(*choice.index)
                               .arg(count));
        m_reports.moveBy(*choice.index);
        return;
    }
    const QList<QStringList> numbers = m_reports.columnTexts({ QStringLiteral("FileNo") });
    for (int i = 0; i < numbers.size(); ++i) {
        if (numbers.at(i).value(0) == *choice.fileNo) {
            m_reports.moveBy(i);
            return;
        }
    }
    throw AppError(QCoreApplication::translate("hadtool", "文件 %1 中没有编号为 %2 的鉴定报告")
                       .arg(m_connection.displayText(), *choice.fileNo));
}

QString absolutePath(const QString &path)
{
    // An empty word stays empty, for the command to refuse, rather than
    // naming the current folder.
    // A server URL is no path.
    if (path.isEmpty() || DatabaseLocation::looksLikeServer(path))
        return path;
    return QFileInfo(path).absoluteFilePath();
}

#include "grade/componenttablefile.h"

#include "base/apperror.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace ComponentTableFile {

namespace {

constexpr int TableCells = 6; // part, component, structure, total, dangerous, clause

} // namespace

QList<ComponentRow> parse(const QByteArray &bytes, const QString &name)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        throw AppError(QCoreApplication::translate("ComponentTableFile", "%1 不是 UTF-8 文本").arg(name));
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty()) // the end of the last line, not a line of its own
        lines.removeLast();
    QList<ComponentRow> rows;
    rows.reserve(lines.size());
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringList cells = line.split(u'\t');
        if (cells.size() > TableCells)
            throw AppError(
                QCoreApplication::translate("ComponentTableFile", "%1 第 %2 行有 %3 个单元格, 至多 %4 个")
                    .arg(name)
                    .arg(rows.size() + 1)
                    .arg(cells.size())
                    .arg(TableCells));
        ComponentRow row;
        row[ComponentColumn::Number] = QString::number(rows.size() + 1);
        for (int c = 0; c < cells.size(); ++c)
            row[ComponentColumn::Part + c] = cells.at(c);
        rows.append(row);
    }
    return rows;
}

} // namespace ComponentTableFile

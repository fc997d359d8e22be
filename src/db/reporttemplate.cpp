#include "db/reporttemplate.h"

#include "base/apperror.h"
#include "base/filebytes.h"
#include "base/recordfile.h"
#include "db/dataset.h"
#include "db/reportfields.h"

namespace {

constexpr qint32 Version = 3;
// Cell records per row: the table's columns 1 to 6 and one record past them.
constexpr int RecordsPerRow = 7;
constexpr int TableColumns = 6;
constexpr qsizetype IntSize = 4;

} // namespace

const QStringList &ReportTemplate::columns()
{
    static const QStringList list = { "Client", "LinkMan", "LinkPhone", "Address", "PropertyRightMan",
        "BldgPurpose", "BuildYear", "StrucStyle", "BuildAreaHowff", "BuildAreaTrade", "BuildAreaGarage",
        "BuildAreaFactory", "BuildAreaOther", "PlaneShape", "Layers", "PropertyRightAttr",
        "PropertyRightCertificate", "Memory", "ApprPurpose", "ApprCircs", "ShatterReason0", "ApprConclusion",
        "DisposalAdvi", "Surveyor", "ApprUnit", "Appraiser", "Assessor", "AuthorizedMan" };
    return list;
}

QString ReportTemplate::writtenFrom(const QString &column)
{
    const ReportFields::Binding *binding = ReportFields::find(column);
    if (!binding || !columns().contains(column))
        return QString();
    return binding->mirror.isEmpty() ? binding->control : binding->mirror;
}

QStringList ReportTemplate::readInto(const QString &column)
{
    const ReportFields::Binding *binding = ReportFields::find(column);
    if (!binding || !columns().contains(column))
        return {};
    QStringList controls { binding->control };
    if (!binding->mirror.isEmpty())
        controls.append(binding->mirror);
    return controls;
}

QString ReportTemplate::text(const QString &column) const
{
    return texts.value(columns().indexOf(column));
}

void ReportTemplate::setText(const QString &column, const QString &text)
{
    const qsizetype index = columns().indexOf(column);
    if (index >= 0)
        texts[index] = text;
}

QString ReportTemplate::cell(int column, int row) const
{
    if (column < 1 || column > TableColumns || row < 1 || row > lines.size())
        return QString();
    return lines.at(row - 1)[column];
}

ReportTemplate ReportTemplate::fromTexts(const ReportTexts &shown, QList<ComponentRow> lines)
{
    ReportTemplate value;
    for (qsizetype i = 0; i < columns().size(); ++i)
        value.texts[i] = shown.text(columns().at(i));
    value.lines = std::move(lines);
    for (ComponentRow &line : value.lines)
        line[ComponentColumn::Number].clear();
    return value;
}

ReportTemplate ReportTemplate::fromStored(const DataSet &reports, const Connection &connection)
{
    const ReportTexts shown = ReportTexts::fromRow(reports);
    return fromTexts(shown, ComponentRows::load(connection, reports.asString(QStringLiteral("FileNo"))));
}

namespace ReportTemplateFile {

QByteArray encode(const ReportTemplate &value)
{
    RecordFile::Writer out;
    out.putInt32(Version);
    for (qsizetype i = 0; i < ReportTemplate::columns().size(); ++i)
        out.putText(withCrLf(value.texts.value(i)));
    const int n = value.rowCount();
    out.putInt32(n);
    for (int r = 1; r <= n + 1; ++r)
        for (int c = 1; c <= RecordsPerRow; ++c)
            out.putText(withCrLf(value.cell(c, r)));
    return out.bytes();
}

ReportTemplate decode(const QByteArray &bytes)
{
    RecordFile::Reader in(bytes);
    in.readInt32(); // the version: any is read
    ReportTemplate value;
    for (QString &text : value.texts)
        text = in.readText();
    const qint32 n = in.readInt32();
    // Each of the (N + 1) x 7 records takes at least its length.
    if (n < 0 || (qint64(n) + 1) * RecordsPerRow * IntSize > in.remaining())
        throw RecordFile::FormatError();
    value.lines.resize(qMax(0, n - 1));
    for (int r = 1; r <= n + 1; ++r) {
        for (int c = 1; c <= RecordsPerRow; ++c) {
            QString text = in.readText();
            if (c <= TableColumns && r <= n - 1)
                value.lines[r - 1][c] = std::move(text);
        }
    }
    return value;
}

void write(const QString &path, const ReportTemplate &value)
{
    FileBytes::write(path, encode(value));
}

ReportTemplate read(const QString &path)
{
    return decode(FileBytes::read(path));
}

} // namespace ReportTemplateFile

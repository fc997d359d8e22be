#include "db/reporttemplate.h"

#include "app/apperror.h"
#include "app/cp936.h"
#include "db/dataset.h"
#include "db/reportfields.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

namespace {

constexpr quint8 Magic[2] = { 0x55, 0xAA };
constexpr qint32 Version = 3;
// Cell records per row: the table's columns 1 to 6 and one record past them.
constexpr int RecordsPerRow = 7;
constexpr int TableColumns = 6;
constexpr qsizetype IntSize = 4;

[[noreturn]] void formatError()
{
    throw AppError(ReportTemplateFile::FormatError);
}

void putInt(QByteArray &out, qint32 value)
{
    char bytes[IntSize];
    qToLittleEndian(value, bytes);
    out.append(bytes, IntSize);
}

void putText(QByteArray &out, const QString &text)
{
    QString stored = text;
    stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    stored.replace(u'\n', QStringLiteral("\r\n"));
    const QByteArray bytes = Cp936::encode(stored);
    putInt(out, qint32(bytes.size()));
    out.append(bytes);
}

// Reads a template's bytes front to back; every read checks what is left
// first, so nothing is ever read past the end.
class Reader
{
public:
    explicit Reader(const QByteArray &bytes)
        : m_bytes(bytes)
    { }

    qsizetype remaining() const { return m_bytes.size() - m_pos; }

    void expectMagic()
    {
        if (remaining() < 2 || quint8(m_bytes.at(0)) != Magic[0] || quint8(m_bytes.at(1)) != Magic[1])
            formatError();
        m_pos += 2;
    }

    qint32 readInt()
    {
        if (remaining() < IntSize)
            formatError();
        const qint32 value = qFromLittleEndian<qint32>(m_bytes.constData() + m_pos);
        m_pos += IntSize;
        return value;
    }

    QString readText()
    {
        const qint32 length = readInt();
        if (length < 0 || length > remaining())
            formatError();
        const QString text = Cp936::decode(m_bytes.mid(m_pos, length));
        m_pos += length;
        return text;
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
};

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

ReportTemplate ReportTemplate::fromStored(const DataSet &reports, const Connection &connection)
{
    const ReportTexts shown = ReportTexts::fromRow(reports);
    ReportTemplate value;
    for (qsizetype i = 0; i < columns().size(); ++i)
        value.texts[i] = shown.text(columns().at(i));
    value.lines = ComponentRows::load(connection, reports.asString(QStringLiteral("FileNo")));
    for (ComponentRow &line : value.lines)
        line[ComponentColumn::Number].clear();
    return value;
}

namespace ReportTemplateFile {

QByteArray encode(const ReportTemplate &value)
{
    QByteArray out;
    out.append(reinterpret_cast<const char *>(Magic), sizeof Magic);
    putInt(out, Version);
    for (qsizetype i = 0; i < ReportTemplate::columns().size(); ++i)
        putText(out, value.texts.value(i));
    const int n = value.rowCount();
    putInt(out, n);
    for (int r = 1; r <= n + 1; ++r)
        for (int c = 1; c <= RecordsPerRow; ++c)
            putText(out, value.cell(c, r));
    return out;
}

ReportTemplate decode(const QByteArray &bytes)
{
    Reader in(bytes);
    in.expectMagic();
    in.readInt(); // the version: any is read
    ReportTemplate value;
    for (QString &text : value.texts)
        text = in.readText();
    const qint32 n = in.readInt();
    // Each of the (N + 1) x 7 records takes at least its length.
    if (n < 0 || (qint64(n) + 1) * RecordsPerRow * IntSize > in.remaining())
        formatError();
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
    const QByteArray bytes = encode(value);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AppError(QStringLiteral("不能写入模板文件 %1: %2").arg(path, file.errorString()));
}

ReportTemplate read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("不能打开模板文件 %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("不能读取模板文件 %1: %2").arg(path, file.errorString()));
    return decode(bytes);
}

} // namespace ReportTemplateFile

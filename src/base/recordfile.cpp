#include "base/recordfile.h"

#include "base/cp936.h"

#include <QtEndian>

#include <limits>

namespace RecordFile {

namespace {
constexpr qsizetype IntSize = 4;
}

FormatError::FormatError()
    : AppError(text())
{ }

const QString &FormatError::text()
{
    static const QString message = QStringLiteral("文件格式不对...");
    return message;
}

Writer::Writer()
{
    char magic[2];
    qToLittleEndian(Magic, magic);
    m_bytes.append(magic, 2);
}

void Writer::putInt32(qint32 value)
{
    char bytes[IntSize];
    qToLittleEndian(value, bytes);
    m_bytes.append(bytes, IntSize);
}

void Writer::putText(const QString &text)
{
    const QByteArray bytes = Cp936::encode(text);
    if (bytes.size() > std::numeric_limits<qint32>::max())
        throw AppError(QStringLiteral("文本过长, 不能写入文件。"));
    putInt32(qint32(bytes.size()));
    m_bytes.append(bytes);
}

Reader::Reader(QByteArray bytes)
    : m_bytes(std::move(bytes))
{
    if (remaining() < 2 || qFromLittleEndian<quint16>(m_bytes.constData()) != Magic)
        throw FormatError();
    m_pos = 2;
}

qint32 Reader::readInt32()
{
    if (remaining() < IntSize)
        throw FormatError();
    const qint32 value = qFromLittleEndian<qint32>(m_bytes.constData() + m_pos);
    m_pos += IntSize;
    return value;
}

QString Reader::readText()
{
    const qint32 length = readInt32();
    if (length < 0 || length > remaining())
        throw FormatError();
    const QString text = Cp936::decode(m_bytes.mid(m_pos, length));
    m_pos += length;
    return text;
}

} // namespace RecordFile

#pragma once

#include "base/apperror.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The layout that report templates and page files share: the 16-bit magic
// number 0xAA55 (bytes 55 AA), then little-endian signed 32-bit integers and
// text records, each a signed 32-bit byte count followed by that many bytes
// of code page 936 text, without terminator. Texts of any length are written
// and read whole.
namespace RecordFile {

inline constexpr quint16 Magic = 0xAA55;

// Bytes that are not such a file, or a damaged one: "文件格式不对...".
class FormatError : public AppError
{
public:
    FormatError();
    static const QString &text();
};

// Builds a file's bytes, starting with the magic number.
class Writer
{
public:
    Writer();
    void putInt32(qint32 value);
    // Throws AppError for a text of more bytes than a count can hold.
    void putText(const QString &text);
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Reads a file's bytes front to back. Every read checks what is left first,
// so nothing is read past a record or the end; a wrong magic number, a
// negative count or a record running past the end throws FormatError.
class Reader
{
public:
    // Checks the magic number. The reader keeps its own copy of the bytes
    // (shared, not copied), so a temporary array may be given.
    explicit Reader(QByteArray bytes);
    qint32 readInt32();
    QString readText();
    qsizetype remaining() const { return m_bytes.size() - m_pos; }

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
};

} // namespace RecordFile

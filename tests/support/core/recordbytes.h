#pragma once

// The bytes of the program's binary files (templates, page files), built
// without the code under test.

#include <QByteArray>
#include <QtEndian>

// A 32-bit integer as four little-endian bytes.
inline QByteArray int32(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

// One length-prefixed record: little-endian length, then the bytes.
inline QByteArray record(const QByteArray &bytes)
{
    return int32(qint32(bytes.size())) + bytes;
}

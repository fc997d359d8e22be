#pragma once

#include <QByteArray>
#include <QString>

// Code page 936 (GBK), the encoding of config.ini, report templates and page
// files. Bytes that are not valid GBK decode to U+FFFD; characters that GBK
// cannot express encode as '?'.
namespace Cp936 {
QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);
}

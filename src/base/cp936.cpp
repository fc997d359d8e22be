#include "base/cp936.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char *EncodingName = "GBK";
}

QString Cp936::decode(const QByteArray &bytes)
{
    QStringDecoder decoder(EncodingName);
    return decoder.decode(bytes);
}

QByteArray Cp936::encode(const QString &text)
{
    QStringEncoder encoder(EncodingName);
    return encoder.encode(text);
}

#include "output.h"

#include "base/apperror.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace Output {

namespace {
bool failed = false;
int failure = 0;
} // namespace

void write(const QByteArray &bytes)
{
    if (bytes.isEmpty() || failed)
        return;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size())) {
        failed = true;
        failure = errno;
    }
}

void write(const QString &text)
{
    write(text.toUtf8());
}

void finish()
{
    if (!failed && (std::fflush(stdout) != 0 || std::ferror(stdout))) {
        failed = true;
        failure = errno;
    }
    if (failed)
        throw AppError(QStringLiteral("写标准输出错误: ") + QString::fromLocal8Bit(std::strerror(failure)));
}

void error(const QString &text)
{
    std::fputs((QStringLiteral("hadtool: ") + text + u'\n').toUtf8().constData(), stderr);
}

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'\t':
            out += QStringLiteral("\\t");
            break;
        case u'\r':
            out += QStringLiteral("\\r");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        default:
            if (c.category() == QChar::Other_Control)
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out;
}

} // namespace Output

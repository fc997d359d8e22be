#include "output.h"

#include "base/apperror.h"

#include <QCoreApplication>
#include <QFileDevice>

#include <unistd.h>

namespace Output {

namespace {

struct Current
{
    QIODevice *out = nullptr;
    QIODevice *err = nullptr;
    // Why output was lost; empty while none was.
    QString failure;
};

Current current;

void fail()
{
    if (current.failure.isEmpty())
        current.failure = current.out->errorString();
}

} // namespace

Streams::Streams(QIODevice &out, QIODevice &err)
{
    current = { &out, &err, QString() };
}

Streams::~Streams()
{
    current = {};
}

void write(const QByteArray &bytes)
{
    if (bytes.isEmpty() || !current.failure.isEmpty())
        return;
    if (current.out->write(bytes) != bytes.size())
        fail();
}

void write(const QString &text)
{
    write(text.toUtf8());
}

void finish()
{
    if (auto *file = qobject_cast<QFileDevice *>(current.out);
        file && current.failure.isEmpty() && !file->flush())
        fail();
    if (!current.failure.isEmpty())
        throw AppError(QCoreApplication::translate("hadtool", "写标准输出错误: %1").arg(current.failure));
}

void error(const QString &text)
{
    toError(QStringLiteral("hadtool: ") + text + u'\n');
}

void toError(const QString &text)
{
    current.err->write(text.toUtf8());
}

void progress(int done, int total)
{
    const auto *file = qobject_cast<QFileDevice *>(current.err);
    if (file && ::isatty(file->handle()))
        toError(QStringLiteral("%1/%2\n").arg(done).arg(total));
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

#include "output/pdfupdate.h"

#include "base/apperror.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cstdio>
#include <vector>

namespace {

AppError failure(const QString &path, const QString &reason)
{
    return AppError(
        QStringLiteral("不能写入文件 ") + QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason);
}

// Where the file's last cross-reference section starts.
qint64 lastCrossReference(QFile &file)
{
    constexpr qint64 Tail = 1024;
    const qint64 size = file.size();
    if (!file.seek(std::max<qint64>(0, size - Tail)))
        return -1;
    const QString tail = QString::fromLatin1(file.read(Tail));
    static const QRegularExpression startxref(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*$"));
    const QRegularExpressionMatch m = startxref.match(tail);
    if (!m.hasMatch())
        return -1;
    const qint64 offset = m.captured(1).toLongLong();
    if (offset <= 0 || offset >= size || !file.seek(offset) || file.read(4) != "xref")
        return -1;
    return offset;
}

} // namespace

void PdfUpdate::setObject(int number, int generation, const std::string &value)
{
    m_objects[number] = { generation, value };
}

void PdfUpdate::setStream(int number, int generation, const std::string &data)
{
    setObject(number, generation,
        "<< /Length " + std::to_string(data.size()) + " >>\nstream\n" + data + "\nendstream");
}

void PdfUpdate::appendTo(const QString &path, const std::string &trailerEntries, int lastSize) const
{
    const int size = m_objects.empty() ? lastSize : std::max(lastSize, m_objects.rbegin()->first + 1);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        throw failure(path, file.errorString());
    const qint64 previous = lastCrossReference(file);
    if (previous < 0)
        throw failure(path, QStringLiteral("不是以交叉引用表结束的PDF文件"));
    qint64 at = file.size();
    if (!file.seek(at))
        throw failure(path, file.errorString());
    std::string out = "\n";
    std::vector<std::pair<int, qint64>> offsets;
    for (const auto &[number, object] : m_objects) {
        offsets.emplace_back(number, at + qint64(out.size()));
        out += std::to_string(number) + ' ' + std::to_string(object.first) + " obj\n" + object.second
            + "\nendobj\n";
    }
    const qint64 crossReference = at + qint64(out.size());
    out += "xref\n";
    for (size_t i = 0; i < offsets.size();) {
        size_t end = i + 1;
        while (end < offsets.size() && offsets[end].first == offsets[end - 1].first + 1)
            ++end;
        out += std::to_string(offsets[i].first) + ' ' + std::to_string(end - i) + '\n';
        for (; i < end; ++i) {
            char entry[21];
            std::snprintf(entry, sizeof entry, "%010lld %05d n \n", static_cast<long long>(offsets[i].second),
                m_objects.at(offsets[i].first).first);
            out += entry;
        }
    }
    out += "trailer\n<< " + trailerEntries + " /Size " + std::to_string(size) + " /Prev "
        + std::to_string(previous) + " >>\nstartxref\n" + std::to_string(crossReference) + "\n%%EOF\n";
    if (file.write(out.data(), qint64(out.size())) != qint64(out.size()) || !file.flush())
        throw failure(path, file.errorString());
}

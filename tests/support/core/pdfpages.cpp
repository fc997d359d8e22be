#include "pdfpages.h"

#include "runprogram.h"

#include <QRegularExpression>

#include <climits>
#include <cmath>

namespace {

constexpr double PointsPerMM = 72 / 25.4;

// Standard output of a run that succeeded, or an empty text.
QString run(const QString &program, const QStringList &arguments)
{
    const ProcessResult result = runProgram(program, arguments);
    return result.exitCode == 0 ? result.out : QString();
}

QString unescaped(QString text)
{
    return text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
}

// Whether the next piece of a word starts where the word ends, on its line.
bool touches(const PdfWord &word, const PdfWord &next)
{
    constexpr double Gap = 0.05; // mm
    return std::abs(next.left - word.right) < Gap && next.top < word.bottom && word.top < next.bottom;
}

void join(PdfWord &word, const PdfWord &next)
{
    word.text += next.text;
    word.right = next.right;
    word.top = std::min(word.top, next.top);
    word.bottom = std::max(word.bottom, next.bottom);
}

} // namespace

QList<PdfPage> readPdfPages(const QString &path)
{
    // With a page range pdfinfo gives the size of every page in it.
    const QString info = run(QStringLiteral("pdfinfo"),
        { QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QString::number(INT_MAX), path });
    static const QRegularExpression pages(
        QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch count = pages.match(info);
    if (!count.hasMatch())
        return {};
    const int n = count.captured(1).toInt();
    static const QRegularExpression size(QStringLiteral("^Page\\s+(\\d+) size:\\s+([0-9.]+) x ([0-9.]+) pts"),
        QRegularExpression::MultilineOption);
    QList<PdfPage> result(n);
    for (auto it = size.globalMatch(info); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const int page = m.captured(1).toInt();
        if (page >= 1 && page <= n)
            result[page - 1].sizeMM
                = QSizeF(m.captured(2).toDouble() / PointsPerMM, m.captured(3).toDouble() / PointsPerMM);
    }
    // pdftotext ends every page with a form feed.
    const QStringList texts
        = run(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), path, QStringLiteral("-") })
              .split(u'\f');
    for (int i = 0; i < n && i < texts.size(); ++i)
        result[i].text = texts.at(i);
    return result;
}

QList<PdfWordsPage> pdfWords(const QString &path)
{
    const QString text = runProgram("pdftotext", { "-bbox", path, "-" }).out;
    QList<PdfWordsPage> pages;
    static const QRegularExpression page("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">");
    static const QRegularExpression word(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>");
    for (const QString &line : text.split(u'\n')) {
        if (const QRegularExpressionMatch m = page.match(line); m.hasMatch()) {
            pages.append(
                { m.captured(1).toDouble() / PointsPerMM, m.captured(2).toDouble() / PointsPerMM, {} });
        } else if (const QRegularExpressionMatch w = word.match(line); w.hasMatch() && !pages.isEmpty()) {
            const PdfWord piece { unescaped(w.captured(5)), w.captured(1).toDouble() / PointsPerMM,
                w.captured(2).toDouble() / PointsPerMM, w.captured(3).toDouble() / PointsPerMM,
                w.captured(4).toDouble() / PointsPerMM };
            QList<PdfWord> &words = pages.last().words;
            if (!words.isEmpty() && touches(words.last(), piece))
                join(words.last(), piece);
            else
                words.append(piece);
        }
    }
    return pages;
}

QString pdfInfo(const QString &path, const QString &field)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s+(.*)$").arg(QRegularExpression::escape(field)),
        QRegularExpression::MultilineOption);
    return line.match(run(QStringLiteral("pdfinfo"), { path })).captured(1);
}

QStringList lines(const QString &text)
{
    QStringList result;
    for (const QString &line : text.split(u'\n'))
        if (!line.trimmed().isEmpty())
            result.append(line.simplified());
    return result;
}

bool sameSizeMM(const QSizeF &a, const QSizeF &b)
{
    return std::abs(a.width() - b.width()) < 0.5 && std::abs(a.height() - b.height()) < 0.5;
}

#include "pdfpages.h"

#include "runprogram.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace {

constexpr double PointsPerMM = 72 / 25.4;

// Standard output of a run that succeeded, or an empty text.
QString run(const QString &program, const QStringList &arguments)
{
    const ProcessResult result = runProgram(program, arguments);
    return result.exitCode == 0 ? result.out : QString();
}

} // namespace

QList<PdfPage> readPdfPages(const QString &path)
{
    static const QRegularExpression pages(
        QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch count = pages.match(run(QStringLiteral("pdfinfo"), { path }));
    if (!count.hasMatch())
        return {};
    const int n = count.captured(1).toInt();
    static const QRegularExpression size(QStringLiteral("^Page\\s+(\\d+) size:\\s+([0-9.]+) x ([0-9.]+) pts"),
        QRegularExpression::MultilineOption);
    QList<PdfPage> result(n);
    const QString info = run(QStringLiteral("pdfinfo"),
        { QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QString::number(n), path });
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
        result[i].text = texts.at(i).normalized(QString::NormalizationForm_KC);
    return result;
}

bool sameSizeMM(const QSizeF &a, const QSizeF &b)
{
    return std::abs(a.width() - b.width()) < 0.5 && std::abs(a.height() - b.height()) < 0.5;
}

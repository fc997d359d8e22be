#include "output/reporttitle.h"

#include <QStringList>

namespace {

// The title of a report with neither number nor address.
const QString UntitledReport = QStringLiteral("鉴定报告");

// Longest report name proposed for a file, in characters: well within the
// file systems' limit of 255 bytes for a name in UTF-8.
constexpr int MaxProposedNameLength = 80;

// The report's number and address, or an empty text for neither.
QString numberAndAddress(const ReportTexts &texts)
{
    QStringList parts;
    for (const char *column : { "FileNo", "Address" }) {
        const QString part = texts.text(QLatin1String(column)).simplified();
        if (!part.isEmpty())
            parts.append(part);
    }
    return parts.join(u' ');
}

} // namespace

QString ReportTitle(const ReportTexts &texts)
{
    const QString title = numberAndAddress(texts);
    return title.isEmpty() ? UntitledReport : title;
}

QString ProposedPdfName(const ReportTexts &texts)
{
    QString name = numberAndAddress(texts).left(MaxProposedNameLength).trimmed();
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = u'_';
    }
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = UntitledReport;
    return name + QStringLiteral(".pdf");
}

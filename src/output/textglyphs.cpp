#include "output/textglyphs.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <QTextLine>

#include <algorithm>

namespace {

// One glyph of the runs: where it is drawn and which run holds it.
struct GlyphPlace
{
    qsizetype run;
    qsizetype index;
    qreal x;
};

// The text's characters, a surrogate pair counting as one.
QStringList codePoints(const QString &text)
{
    QStringList points;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        points.append(text.mid(i, length));
        i += length - 1;
    }
    return points;
}

} // namespace

TextGlyphs::TextGlyphs(const QString &text, const QFont &font, QPaintDevice *device)
    : m_text(text)
    , m_layout(std::make_unique<QTextLayout>(text, font, device))
{
    m_layout->setCacheEnabled(true);
    m_layout->beginLayout();
    QTextLine line = m_layout->createLine();
    m_layout->endLayout();
    if (!line.isValid())
        return;
    m_runs = m_layout->glyphRuns();
    m_baselineShift = QFontMetrics(font, device).ascent() - line.ascent();
}

TextGlyphs::~TextGlyphs() = default;

void TextGlyphs::draw(QPainter &painter, const QPointF &topLeft) const
{
    const QPointF origin = topLeft + QPointF(0, m_baselineShift);
    for (const QGlyphRun &run : m_runs)
        painter.drawGlyphRun(origin, run);
}

QList<QStringList> TextGlyphs::characters() const
{
    QList<QStringList> texts;
    for (const QGlyphRun &run : m_runs)
        texts.append(QStringList(run.glyphIndexes().size()));
    if (!charactersOneByOne(texts))
        charactersByCluster(texts);
    return texts;
}

// The usual case: one glyph for each character, left to right, each the
// glyph that its face gives the character.
bool TextGlyphs::charactersOneByOne(QList<QStringList> &texts) const
{
    QList<GlyphPlace> places;
    for (qsizetype r = 0; r < m_runs.size(); ++r) {
        const QList<QPointF> positions = m_runs.at(r).positions();
        for (qsizetype i = 0; i < positions.size(); ++i)
            places.append({ r, i, positions.at(i).x() });
    }
    const QStringList points = codePoints(m_text);
    if (places.size() != points.size())
        return false;
    std::stable_sort(
        places.begin(), places.end(), [](const GlyphPlace &a, const GlyphPlace &b) { return a.x < b.x; });
    for (qsizetype k = 0; k < places.size(); ++k) {
        const GlyphPlace &place = places.at(k);
        const QGlyphRun &run = m_runs.at(place.run);
        const QList<quint32> own = run.rawFont().glyphIndexesForString(points.at(k));
        if (own.size() != 1 || own.first() != run.glyphIndexes().at(place.index))
            return false;
        texts[place.run][place.index] = points.at(k);
    }
    return true;
}

// Otherwise each character's own glyphs, found by laying it out alone
// within the line, name the characters of the glyphs drawn at their places.
void TextGlyphs::charactersByCluster(QList<QStringList> &texts) const
{
    qsizetype from = 0;
    for (const QString &point : codePoints(m_text)) {
        for (const QGlyphRun &part : m_layout->glyphRuns(int(from), int(point.size()))) {
            for (qsizetype i = 0; i < part.glyphIndexes().size(); ++i) {
                for (qsizetype r = 0; r < m_runs.size(); ++r) {
                    const QGlyphRun &run = m_runs.at(r);
                    if (run.rawFont() != part.rawFont())
                        continue;
                    for (qsizetype j = 0; j < run.glyphIndexes().size(); ++j) {
                        if (run.glyphIndexes().at(j) == part.glyphIndexes().at(i)
                            && run.positions().at(j) == part.positions().at(i))
                            texts[r][j] += point;
                    }
                }
            }
        }
        from += point.size();
    }
}

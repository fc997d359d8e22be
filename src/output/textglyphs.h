#pragma once

#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QTextLayout>

#include <memory>

class QFont;
class QPaintDevice;
class QPainter;

// A text laid out on one line as report pages draw it: character by
// character in the glyphs of the font's faces (no ligatures, contextual
// forms or kerning, as the original program placed its texts), each
// character in the first of the font's faces that has it.
class TextGlyphs
{
public:
    // The font is expected to ask for no shaping (QFont::PreferNoShaping).
    TextGlyphs(const QString &text, const QFont &font, QPaintDevice *device);
    ~TextGlyphs();

    // The glyph runs in the order they are drawn, one per face, with
    // positions for a text whose line starts at (0, 0).
    const QList<QGlyphRun> &runs() const { return m_runs; }

    // Draws the runs with the text's top-left corner at the point: the
    // baseline lies the font's own ascent below it, whatever faces fill in.
    void draw(QPainter &painter, const QPointF &topLeft) const;

    // For each run, the text each of its glyphs stands for, in the order of
    // runs(): one character, several for a glyph that draws a cluster, none
    // for a glyph drawn for no character.
    QList<QStringList> characters() const;

private:
    bool charactersOneByOne(QList<QStringList> &texts) const;
    void charactersByCluster(QList<QStringList> &texts) const;

    QString m_text;
    std::unique_ptr<QTextLayout> m_layout;
    QList<QGlyphRun> m_runs;
    qreal m_baselineShift = 0;
};

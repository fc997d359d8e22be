#pragma once

#include <QHash>
#include <QList>
#include <QRawFont>
#include <QString>
#include <QStringList>

#include <optional>

class TextGlyphs;

// What a PDF print job draws as text, glyph by glyph, so that the file's
// text can be made to read back as drawn (PdfTextRepair).
//
// The PDF writer numbers the glyphs of each face in the order it first
// meets them (glyph 0, the missing-character glyph, is number 0) and maps
// each number back to a character by looking the glyph up in the face's
// character map. Where a face draws several characters with one glyph, that
// gives the lowest of them: a Kangxi radical for 一, a division slash for
// ／. The log keeps, for each number, the text the glyph was first drawn for,
// and each later drawing of the glyph for another text.
class PdfTextLog
{
public:
    // The glyphs of one face in the writer's numbering.
    struct Face
    {
        QString postScriptName;
        QRawFont font;
        // The page (from 0) it was first drawn on.
        int firstPage = 0;
        // Glyph of number n + 1, and the text it was first drawn for.
        QList<quint32> glyphs;
        QStringList texts;
        QHash<quint32, qsizetype> numbers;
        // The face's glyphs drawn so far on the present page.
        int drawnOnPage = 0;
    };

    // A glyph drawn for another text than its number stands for: its page
    // (from 0), its face, the how-manieth glyph of that face on the page it
    // is (from 0), and the text it was drawn for.
    struct Deviation
    {
        int page;
        QString postScriptName;
        int glyph;
        QString text;
    };

    // Glyphs drawn from now on lie on the next page.
    void startPage();
    // Records a text as it is drawn.
    void add(const TextGlyphs &text);

    // The faces drawn with, by PostScript name.
    const QHash<QString, Face> &faces() const { return m_faces; }
    const QList<Deviation> &deviations() const { return m_deviations; }

private:
    Face &faceOf(const QRawFont &font);
    void addGlyph(Face &face, quint32 glyph, const QString &text);

    QHash<QString, Face> m_faces;
    // Family and style name to PostScript name.
    QHash<QString, QString> m_names;
    QList<Deviation> m_deviations;
    int m_page = -1;
};

// The PostScript name (name record 6) of a face; nothing when it has none.
std::optional<QString> PostScriptName(const QRawFont &font);

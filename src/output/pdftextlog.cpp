#include "output/pdftextlog.h"

#include "output/textglyphs.h"

#include <QtEndian>

void PdfTextLog::startPage()
{
    ++m_page;
    for (Face &face : m_faces)
        face.drawnOnPage = 0;
}

void PdfTextLog::add(const TextGlyphs &text)
{
    const QList<QStringList> characters = text.characters();
    for (qsizetype r = 0; r < text.runs().size(); ++r) {
        const QGlyphRun &run = text.runs().at(r);
        Face &face = faceOf(run.rawFont());
        const QList<quint32> glyphs = run.glyphIndexes();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            addGlyph(face, glyphs.at(i), characters.at(r).at(i));
    }
}

PdfTextLog::Face &PdfTextLog::faceOf(const QRawFont &font)
{
    const QString key = font.familyName() + u'\n' + font.styleName();
    auto name = m_names.find(key);
    if (name == m_names.end())
        name = m_names.insert(key, PostScriptName(font).value_or(font.familyName()));
    auto face = m_faces.find(*name);
    if (face == m_faces.end()) {
        face = m_faces.insert(*name, Face());
        face->postScriptName = *name;
        face->font = font;
        face->firstPage = m_page;
    }
    return *face;
}

void PdfTextLog::addGlyph(Face &face, quint32 glyph, const QString &text)
{
    const int drawn = face.drawnOnPage++;
    QString numbered; // glyph 0 stands for no text
    if (glyph != 0) {
        auto number = face.numbers.constFind(glyph);
        if (number == face.numbers.cend()) {
            number = face.numbers.insert(glyph, face.glyphs.size());
            face.glyphs.append(glyph);
            face.texts.append(text);
        }
        numbered = face.texts.at(*number);
    }
    if (text != numbered)
        m_deviations.append({ m_page, face.postScriptName, drawn, text });
}

std::optional<QString> PostScriptName(const QRawFont &font)
{
    // The naming table: format, count, offset of the strings, then records
    // of platform, encoding, language, name, length and offset, 16 bits each.
    const QByteArray table = font.fontTable("name");
    const auto word = [&table](qsizetype at) -> std::optional<quint16> {
        if (at < 0 || at + 2 > table.size())
            return std::nullopt;
        return qFromBigEndian<quint16>(table.constData() + at);
    };
    const std::optional<quint16> count = word(2);
    const std::optional<quint16> strings = word(4);
    if (!count || !strings)
        return std::nullopt;
    for (int i = 0; i < *count; ++i) {
        const qsizetype record = 6 + 12 * qsizetype(i);
        const std::optional<quint16> platform = word(record);
        const std::optional<quint16> nameId = word(record + 6);
        const std::optional<quint16> length = word(record + 8);
        const std::optional<quint16> offset = word(record + 10);
        if (!platform || !nameId || !length || !offset || *nameId != 6)
            continue;
        const qsizetype at = *strings + *offset;
        if (at + *length > table.size())
            continue;
        const QByteArray bytes = table.mid(at, *length);
        if (*platform == 3 || *platform == 0) { // UTF-16, big-endian
            QString name;
            for (qsizetype c = 0; c + 1 < bytes.size(); c += 2)
                name.append(QChar(qFromBigEndian<quint16>(bytes.constData() + c)));
            return name;
        }
        if (*platform == 1)
            return QString::fromLatin1(bytes);
    }
    return std::nullopt;
}

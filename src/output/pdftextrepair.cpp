#include "output/pdftextrepair.h"

#include "base/apperror.h"
#include "output/pdftextlog.h"
#include "output/pdfupdate.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

namespace {

// A text as hexadecimal UTF-16, big-endian.
std::string utf16Hex(const QString &text)
{
    std::string hex;
    for (const QChar c : text)
        hex += QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper().toStdString();
    return hex;
}

// A font's base font name less a subset tag ("ABCDEF+"): the PostScript
// name of the face it was written from.
QString faceName(QPDFObjectHandle font)
{
    static const QRegularExpression subsetTag(QStringLiteral("^[A-Z]{6}\\+"));
    return QString::fromStdString(font.getKey("/BaseFont").getName()).mid(1).remove(subsetTag);
}

// Page n (from 0) of the page tree, reached through the counts of its
// nodes, so that no other page is read.
QPDFObjectHandle pageAt(QPDFObjectHandle node, int n)
{
    while (node.getKey("/Type").isNameAndEquals("/Pages")) {
        QPDFObjectHandle kids = node.getKey("/Kids");
        QPDFObjectHandle next;
        for (int i = 0; kids.isArray() && i < kids.getArrayNItems() && !next.isInitialized(); ++i) {
            QPDFObjectHandle kid = kids.getArrayItem(i);
            const int count
                = kid.getKey("/Type").isNameAndEquals("/Pages") ? kid.getKey("/Count").getIntValueAsInt() : 1;
            if (n < count)
                next = kid;
            else
                n -= count;
        }
        if (!next.isInitialized())
            break;
        node = next;
    }
    if (!node.getKey("/Type").isNameAndEquals("/Page") || n != 0)
        throw AppError(QStringLiteral("PDF文件的页数与绘制时不符。"));
    return node;
}

// The page's fonts by resource name.
std::map<std::string, QPDFObjectHandle> pageFonts(QPDFObjectHandle page)
{
    QPDFObjectHandle resources = page.getKey("/Resources");
    QPDFObjectHandle fonts = resources.isDictionary() ? resources.getKey("/Font") : QPDFObjectHandle();
    return fonts.isDictionary() ? fonts.getDictAsMap() : std::map<std::string, QPDFObjectHandle>();
}

// The numbers and texts of a ToUnicode map as the writer wrote it: ranges
// of numbers to consecutive characters or to a list of texts, and single
// numbers to a text.
QHash<int, QString> writtenTexts(const std::string &cmap)
{
    const QString text = QString::fromLatin1(cmap.data(), qsizetype(cmap.size()));
    const auto textOf = [](const QString &hex) {
        QString t;
        for (qsizetype i = 0; i + 4 <= hex.size(); i += 4)
            t.append(QChar(hex.mid(i, 4).toUShort(nullptr, 16)));
        return t;
    };
    QHash<int, QString> texts;
    static const QRegularExpression block(
        QStringLiteral("begin(bfchar|bfrange)(.*?)end\\1"), QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression single(QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]*)>"));
    static const QRegularExpression range(
        QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>\\s*(?:<([0-9A-Fa-f]*)>|\\[([^\\]]*)\\])"));
    static const QRegularExpression item(QStringLiteral("<([0-9A-Fa-f]*)>"));
    for (auto blocks = block.globalMatch(text); blocks.hasNext();) {
        const QRegularExpressionMatch b = blocks.next();
        if (b.captured(1) == u"bfchar") {
            for (auto entries = single.globalMatch(b.captured(2)); entries.hasNext();) {
                const QRegularExpressionMatch e = entries.next();
                texts.insert(e.captured(1).toInt(nullptr, 16), textOf(e.captured(2)));
            }
            continue;
        }
        for (auto entries = range.globalMatch(b.captured(2)); entries.hasNext();) {
            const QRegularExpressionMatch e = entries.next();
            const int first = e.captured(1).toInt(nullptr, 16);
            const int last = e.captured(2).toInt(nullptr, 16);
            if (e.hasCaptured(4)) {
                int number = first;
                for (auto items = item.globalMatch(e.captured(4)); items.hasNext() && number <= last;
                     ++number)
                    texts.insert(number, textOf(items.next().captured(1)));
                continue;
            }
            const QString start = textOf(e.captured(3));
            for (int number = first; number <= last && !start.isEmpty(); ++number) {
                QString t = start;
                t.back() = QChar(t.back().unicode() + (number - first));
                texts.insert(number, t);
            }
        }
    }
    return texts;
}

// Checks that the writer numbered the face's glyphs as the log did: every
// number it mapped names the log's glyph for it.
void checkNumbering(const PdfTextLog::Face &face, const std::string &written)
{
    const QHash<int, QString> texts = writtenTexts(written);
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        if (it.key() == 0 || it->isEmpty())
            continue;
        const QList<quint32> glyphs = face.font.glyphIndexesForString(*it);
        if (it.key() > face.glyphs.size() || glyphs.size() != 1
            || glyphs.first() != face.glyphs.at(it.key() - 1))
            throw AppError(
                QStringLiteral("PDF文件中字体 %1 的字形编号与绘制时不符。").arg(face.postScriptName));
    }
}

// The face's ToUnicode map: each number to the text its glyph was first
// drawn for.
std::string toUnicodeMap(const PdfTextLog::Face &face)
{
    std::string entries;
    int count = 0;
    const auto flush = [&](std::string &out) {
        if (count > 0)
            out += std::to_string(count) + " beginbfchar\n" + entries + "endbfchar\n";
        entries.clear();
        count = 0;
    };
    std::string map = "/CIDInit /ProcSet findresource begin\n"
                      "12 dict begin\n"
                      "begincmap\n"
                      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                      "/CMapName /Adobe-Identity-UCS def\n"
                      "/CMapType 2 def\n"
                      "1 begincodespacerange\n"
                      "<0000> <FFFF>\n"
                      "endcodespacerange\n";
    for (qsizetype n = 0; n < face.texts.size(); ++n) {
        if (face.texts.at(n).isEmpty())
            continue;
        entries.append(1, '<').append(utf16Hex(QString(QChar(char16_t(n + 1))))).append("> <");
        entries.append(utf16Hex(face.texts.at(n))).append(">\n");
        if (++count == 100) // the most one block may hold
            flush(map);
    }
    flush(map);
    map += "endcmap\n"
           "CMapName currentdict /CMap defineresource pop\n"
           "end\n"
           "end\n";
    return map;
}

// Wraps the glyphs of one page that were drawn for another text than their
// number stands for in marked content carrying that text. The writer shows
// each glyph with its own "<number> Tj"; glyphs inside marked content it
// wrote itself (the second pass of an emboldened face) are not counted.
class ActualTextFilter : public QPDFObjectHandle::TokenFilter
{
public:
    // fonts: the page's font resource names and their faces' PostScript
    // names; texts: by face and glyph count on the page, the text to carry.
    ActualTextFilter(QHash<QString, QString> fonts, QHash<QPair<QString, int>, QString> texts)
        : m_fonts(std::move(fonts))
        , m_texts(std::move(texts))
    { }

    void handleToken(const QPDFTokenizer::Token &token) override
    {
        using T = QPDFTokenizer;
        if (!m_held.empty() && token.getType() == T::tt_space) {
            m_held.push_back(token);
            return;
        }
        if (token.getType() == T::tt_word && token.getValue() == "Tj" && !m_held.empty() && m_marked == 0) {
            showGlyph(token);
            return;
        }
        release();
        switch (token.getType()) {
        case T::tt_string:
            m_held.push_back(token);
            return;
        case T::tt_name:
            m_lastName = QString::fromStdString(token.getValue());
            break;
        case T::tt_word:
            if (token.getValue() == "Tf")
                m_face = m_fonts.value(m_lastName);
            else if (token.getValue() == "BDC" || token.getValue() == "BMC")
                ++m_marked;
            else if (token.getValue() == "EMC" && m_marked > 0)
                --m_marked;
            break;
        default:
            break;
        }
        writeToken(token);
    }

    void handleEOF() override { release(); }

    // The texts that found no glyph to carry them.
    int missed() const { return int(m_texts.size()) - m_carried; }

private:
    void showGlyph(const QPDFTokenizer::Token &show)
    {
        const auto text = m_texts.constFind({ m_face, m_shown[m_face]++ });
        if (text == m_texts.cend()) {
            release();
            writeToken(show);
            return;
        }
        ++m_carried;
        write("/Span<</ActualText<FEFF" + utf16Hex(*text) + ">>>BDC ");
        release();
        writeToken(show);
        write(" EMC");
    }

    void release()
    {
        for (const QPDFTokenizer::Token &held : m_held)
            writeToken(held);
        m_held.clear();
    }

    QHash<QString, QString> m_fonts;
    QHash<QPair<QString, int>, QString> m_texts;
    std::vector<QPDFTokenizer::Token> m_held;
    QString m_lastName;
    QString m_face;
    QHash<QString, int> m_shown;
    int m_marked = 0;
    int m_carried = 0;
};

// Gives the glyphs of one page that were drawn for another text than their
// number stands for that text: a new content stream for the page.
void carryTexts(
    QPDF &pdf, QPDFObjectHandle page, const QHash<QPair<QString, int>, QString> &texts, PdfUpdate &update)
{
    QHash<QString, QString> fonts;
    for (auto &[name, font] : pageFonts(page))
        fonts.insert(QString::fromStdString(name), faceName(font));
    ActualTextFilter filter(fonts, texts);
    Pl_Buffer buffer("content");
    QPDFPageObjectHelper(page).filterContents(&filter, &buffer);
    if (filter.missed() != 0)
        throw AppError(QStringLiteral("PDF文件中的字形与绘制时不符。"));
    std::unique_ptr<Buffer> content(buffer.getBuffer());
    QPDFObjectHandle stream = pdf.makeIndirectObject(QPDFObjectHandle::newStream(&pdf));
    update.setStream(stream.getObjectID(), stream.getGeneration(),
        std::string(reinterpret_cast<const char *>(content->getBuffer()), content->getSize()));
    page.replaceKey("/Contents", stream);
    update.setObject(page.getObjectID(), page.getGeneration(), page.unparseResolved());
}

// Gives each face a ToUnicode map from the log, found through the page it
// was first drawn on.
void rebuildMaps(QPDFObjectHandle pages, const PdfTextLog &log, PdfUpdate &update)
{
    for (const PdfTextLog::Face &face : log.faces()) {
        QPDFObjectHandle toUnicode;
        for (auto &[name, font] : pageFonts(pageAt(pages, face.firstPage))) {
            if (faceName(font) == face.postScriptName)
                toUnicode = font.getKey("/ToUnicode");
        }
        if (!toUnicode.isStream())
            throw AppError(QStringLiteral("PDF文件中没有字体 %1 的文字对照表。").arg(face.postScriptName));
        const std::shared_ptr<Buffer> written = toUnicode.getStreamData();
        checkNumbering(
            face, std::string(reinterpret_cast<const char *>(written->getBuffer()), written->getSize()));
        update.setStream(toUnicode.getObjectID(), toUnicode.getGeneration(), toUnicodeMap(face));
    }
}

} // namespace

void PdfTextRepair::apply(const QString &path, const PdfTextLog &log)
{
    try {
        const QByteArray name = QFile::encodeName(path);
        QPDF pdf;
        pdf.processFile(name.constData());
        QPDFObjectHandle trailer = pdf.getTrailer();
        QPDFObjectHandle pages = trailer.getKey("/Root").getKey("/Pages");
        PdfUpdate update;
        rebuildMaps(pages, log, update);
        QHash<int, QHash<QPair<QString, int>, QString>> byPage;
        for (const PdfTextLog::Deviation &d : log.deviations())
            byPage[d.page].insert({ d.postScriptName, d.glyph }, d.text);
        for (auto it = byPage.cbegin(); it != byPage.cend(); ++it)
            carryTexts(pdf, pageAt(pages, it.key()), *it, update);
        if (update.isEmpty())
            return;
        std::string entries;
        for (const auto &[key, value] : trailer.getDictAsMap()) {
            if (key != "/Size" && key != "/Prev")
                entries += key + ' ' + QPDFObjectHandle(value).unparse() + ' ';
        }
        update.appendTo(path, entries, trailer.getKey("/Size").getIntValueAsInt());
    } catch (const AppError &) {
        throw;
    } catch (const std::exception &e) {
        throw AppError(QStringLiteral("不能整理PDF文件 ") + QDir::toNativeSeparators(path)
            + QStringLiteral(" 中的文字: ") + QString::fromLocal8Bit(e.what()));
    }
}

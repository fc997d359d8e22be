#include "output/pagefiles.h"

#include "app/apperror.h"
#include "app/cp936.h"
#include "app/processstate.h"
#include "app/prompt.h"
#include "output/bodypage.h"
#include "output/coverpage.h"
#include "output/reportdrawing.h"
#include "output/units.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <limits>

namespace {

const QString WrongFormat = QStringLiteral("文件格式不对...");

// A page file that cannot be taken as one.
struct PageFormatError
{
};

void appendInt32(QByteArray &bytes, qint32 value)
{
    char buffer[4];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 4);
}

QByteArray pageFileBytes(TPageKind kind, const QStringList &values)
{
    QByteArray bytes;
    char magic[2];
    qToLittleEndian(PageFileMagic, magic);
    bytes.append(magic, 2);
    appendInt32(bytes, static_cast<qint32>(kind));
    if (kind == TPageKind::Cover)
        appendInt32(bytes, CoverRowHeight);
    for (const QString &value : values) {
        const QByteArray text = Cp936::encode(value);
        if (text.size() > std::numeric_limits<qint32>::max())
            throw AppError(QStringLiteral("页面数据过长。"));
        appendInt32(bytes, static_cast<qint32>(text.size()));
        bytes.append(text);
    }
    return bytes;
}

void writePageFile(const QString &folder, int page, TPageKind kind, const QStringList &values, int count)
{
    if (values.size() != count)
        throw AppError(
            QStringLiteral("第 %1 页应有 %2 项数据，而不是 %3 项。").arg(page).arg(count).arg(values.size()));
    if (!QDir().mkpath(folder))
        throw AppError(
            QStringLiteral("不能创建文件夹 ") + QDir::toNativeSeparators(folder) + QStringLiteral(" !"));
    const QString path = PageFileName(folder, page);
    QSaveFile file(path);
    const QByteArray bytes = pageFileBytes(kind, values);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AppError(QStringLiteral("不能写入文件 ") + QDir::toNativeSeparators(path) + QStringLiteral(": ")
            + file.errorString());
}

// Reads a page file's fields, never past a value or the file's end.
class PageFileReader
{
public:
    explicit PageFileReader(const QByteArray &bytes)
        : m_bytes(bytes)
    { }

    void readMagic()
    {
        if (m_bytes.size() < 2 || qFromLittleEndian<quint16>(m_bytes.constData()) != PageFileMagic)
            throw PageFormatError();
        m_pos = 2;
    }

    qint32 readInt32()
    {
        if (m_bytes.size() - m_pos < 4)
            throw PageFormatError();
        const qint32 value = qFromLittleEndian<qint32>(m_bytes.constData() + m_pos);
        m_pos += 4;
        return value;
    }

    QString readText()
    {
        const qint32 length = readInt32();
        if (length < 0 || length > m_bytes.size() - m_pos)
            throw PageFormatError();
        const QString text = Cp936::decode(m_bytes.mid(m_pos, length));
        m_pos += length;
        return text;
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
};

struct PageContent
{
    qint32 kind = 0;
    QStringList values;
};

// Kind and the given number of values (-1: as many as the kind has; none
// for a kind that is neither cover nor body).
PageContent parsePageFile(const QByteArray &bytes, int count)
{
    PageFileReader reader(bytes);
    reader.readMagic();
    PageContent page;
    page.kind = reader.readInt32();
    if (page.kind == static_cast<qint32>(TPageKind::Cover))
        reader.readInt32(); // the row height, fixed by the layout
    if (count < 0) {
        count = page.kind == static_cast<qint32>(TPageKind::Cover) ? CoverValueCount
            : page.kind == static_cast<qint32>(TPageKind::Body)    ? BodyValueCount
                                                                   : 0;
    }
    for (int i = 0; i < count; ++i)
        page.values.append(reader.readText());
    return page;
}

QByteArray readWholeFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("不能打开文件 ") + QDir::toNativeSeparators(fileName)
            + QStringLiteral(": ") + file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("不能读取文件 ") + QDir::toNativeSeparators(fileName)
            + QStringLiteral(": ") + file.errorString());
    return bytes;
}

} // namespace

PageGeometry CurrentPageGeometry()
{
    const TPrinterPageGeometry &printer = Process.PrinterPageGeometry;
    return { double(printer.PageWidth), double(printer.PageHeight), double(printer.LeftMargin),
        double(printer.TopMargin), double(printer.RightMargin),
        double(Process.CurrentPageSettings.FooterMargin) };
}

QString ProgramPageFolder()
{
    return QDir(Process.AppDir).filePath(QStringLiteral("Temp"));
}

QString PageFileName(const QString &folder, int page)
{
    return QDir(folder).filePath(QString::number(page) + QStringLiteral(".tmp"));
}

void WriteCoverPageFile(const QString &folder, int page, const CoverValues &values)
{
    writePageFile(folder, page, TPageKind::Cover, values, CoverValueCount);
}

void WriteBodyPageFile(const QString &folder, int page, const BodyValues &values)
{
    writePageFile(folder, page, TPageKind::Body, values, BodyValueCount);
}

void BuildReportPages(const QString &folder, const ReportPageValues &values)
{
    Process.PageCount = 1;
    WriteCoverPageFile(folder, 1, values.cover);
    Process.PageCount = 2;
    WriteBodyPageFile(folder, 2, values.body);
}

std::optional<QStringList> ReadPageValues(const QString &fileName, int count)
{
    const QByteArray bytes = readWholeFile(fileName);
    try {
        return parsePageFile(bytes, count).values;
    } catch (const PageFormatError &) {
        Prompt::error(WrongFormat);
        return std::nullopt;
    }
}

void DrawPageFile(ReportCanvas &canvas, bool IsPreview, const PageGeometry &geometry, int DpiX, int DpiY,
    const QString &fileName, const QSize &previewPagePixels)
{
    const QByteArray bytes = readWholeFile(fileName);
    PageContent page;
    try {
        page = parsePageFile(bytes, -1);
    } catch (const PageFormatError &) {
        Prompt::error(WrongFormat);
        return;
    }
    try {
        const CanvasRect sheet = IsPreview
            ? CanvasRect { 0, 0, previewPagePixels.width(), previewPagePixels.height() }
            : CanvasRect { 0, 0, NearestUnit(geometry.PageWidth * InchesPerMM * DpiX) + 5,
                  NearestUnit(geometry.PageHeight * InchesPerMM * DpiY) + 5 };
        canvas.fillRect(sheet);

        const double W = geometry.PageWidth * InchesPerMM;
        const double H = geometry.PageHeight * InchesPerMM;
        const double L = geometry.LeftMargin * InchesPerMM;
        const double T = geometry.TopMargin * InchesPerMM;
        const double R = geometry.RightMargin * InchesPerMM;
        const double F = geometry.FooterMargin * InchesPerMM;
        switch (static_cast<TPageKind>(page.kind)) {
        case TPageKind::Cover:
            DrawCoverPage(canvas, IsPreview, DpiX, DpiY, W, L, T, R, page.values);
            break;
        case TPageKind::Body:
            DrawBodyHeader(canvas, IsPreview, DpiX, DpiY, W, L, T, R, page.values);
            DrawBodyPage(
                canvas, IsPreview, DpiX, DpiY, L, (geometry.TopMargin + 1) * InchesPerMM, page.values);
            break;
        default:
            return;
        }
        if (Process.Settings.IsPrintSoftMess)
            DrawPageMark(canvas, IsPreview, DpiX, DpiY, W, H, R, F);
    } catch (...) {
        Prompt::error(QStringLiteral("预览或打印错误!"));
    }
}

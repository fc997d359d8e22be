#include "output/pdfpagejob.h"

#include "base/apperror.h"
#include "base/processstate.h"
#include "base/version.h"
#include "output/pagefiles.h"
#include "output/paintercanvas.h"
#include "output/pdftextrepair.h"

#include <QDir>

PdfPageJob::PdfPageJob(const QString &path, const QString &title)
    : m_path(path)
    , m_writer(path)
{
    m_writer.setResolution(PdfResolution);
    m_writer.setTitle(title);
    m_writer.setCreator(AppTitle + u' ' + QLatin1String(AppVersion));
}

PdfPageJob::~PdfPageJob()
{
    if (m_painter.isActive())
        m_painter.end();
}

void PdfPageJob::printPage(const QString &pageFile, const QPageLayout &sheet)
{
    const auto failed
        = [this] { return AppError(QStringLiteral("不能写入文件 ") + QDir::toNativeSeparators(m_path)); };
    // A new paper takes effect on the next sheet.
    if (!m_writer.setPageLayout(sheet))
        throw failed();
    if (m_pages == 0) {
        if (!m_painter.begin(&m_writer))
            throw failed();
    } else if (!m_writer.newPage()) {
        throw failed();
    }
    ++m_pages;
    m_textLog.startPage();
    const QSize dpi(PdfResolution, PdfResolution);
    PainterCanvas canvas(m_painter, dpi, &m_textLog);
    DrawPageFile(canvas, false, CurrentPageGeometry(), dpi.width(), dpi.height(), pageFile);
}

void PdfPageJob::finish()
{
    if (m_painter.isActive() && !m_painter.end())
        throw AppError(QStringLiteral("不能写入文件 ") + QDir::toNativeSeparators(m_path));
    PdfTextRepair::requireComplete(m_path);
    PdfTextRepair::apply(m_path, m_textLog);
}

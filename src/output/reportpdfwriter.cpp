#include "output/reportpdfwriter.h"

#include "base/apperror.h"
#include "output/outputstate.h"

ReportPdfWriter::ReportPdfWriter(const QString &path, const QString &title)
    : m_file(path)
    , m_pages([this] { m_sheet.setUpCurrentPaper(); })
    , m_job(m_file.temporaryName(), title)
{ }

void ReportPdfWriter::addReport(DataSet &reports, const ReportTexts &texts, const QString &areaTotal)
{
    m_pages.prepare(reports, texts, areaTotal);
    for (int page = 1; page <= OutputProcess.PageCount; ++page)
        m_job.printPage(m_pages.pageFile(page), m_sheet.layout());
}

void ReportPdfWriter::finish()
{
    if (m_job.pagesPrinted() == 0)
        throw AppError(QStringLiteral("没有可写入PDF文件的页面。"));
    m_job.finish();
    m_file.commit();
}

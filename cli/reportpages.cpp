#include "reportpages.h"

#include "app/apperror.h"
#include "app/processstate.h"
#include "db/dataset.h"
#include "db/reportfields.h"
#include "output/currentprinter.h"
#include "output/pagefiles.h"
#include "output/pagevalues.h"
#include "output/reportprinting.h"

StderrMessages::StderrMessages()
{
    Prompt::setBackend(&m_prompts);
}

StderrMessages::~StderrMessages()
{
    Prompt::setBackend(nullptr);
}

ReportPageSession::ReportPageSession(std::unique_ptr<PrinterDevice> printer)
{
    if (!m_folder.isValid())
        throw AppError(QStringLiteral("不能创建临时文件夹: ") + m_folder.errorString());
    CurrentPrinter::install(std::move(printer));
    Process.ActiveSignatures = [this] { return std::optional<SignatureValues>(m_signatures); };
}

ReportPageSession::~ReportPageSession()
{
    Process.ActiveSignatures = nullptr;
    CurrentPrinter::reset();
}

void ReportPageSession::prepare(DataSet &reports)
{
    const ReportTexts texts = ReportTexts::fromRow(reports);
    m_signatures = MakeSignatureValues(texts);
    PrepareReportPages(reports, MakeReportPageValues(texts, BuildingAreaTotal(texts)), m_folder.path());
}

int ReportPageSession::pageCount() const
{
    return Process.PageCount;
}

QString ReportPageSession::pageFile(int page) const
{
    return PageFileName(m_folder.path(), page);
}

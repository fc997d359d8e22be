#include "reportpages.h"

#include "app/apperror.h"
#include "app/processstate.h"
#include "db/dataset.h"
#include "db/reportfields.h"
#include "output/currentprinter.h"
#include "output/pagefiles.h"
#include "output/pagesettingsstore.h"
#include "output/pagevalues.h"
#include "output/printerpage.h"

#include <QDir>

ReportPageSession::ReportPageSession(std::unique_ptr<PrinterDevice> printer)
{
    if (!m_folder.isValid())
        throw AppError(QStringLiteral("不能创建临时文件夹: ") + m_folder.errorString());
    CurrentPrinter::install(std::move(printer));
    Prompt::setBackend(&m_prompts);
    Process.ActiveSignatures = [this] { return std::optional<SignatureValues>(m_signatures); };
}

ReportPageSession::~ReportPageSession()
{
    Process.ActiveSignatures = nullptr;
    Prompt::setBackend(nullptr);
    CurrentPrinter::reset();
}

void ReportPageSession::prepare(DataSet &reports)
{
    LoadPageSettingsFromRow(reports);
    const TPageSettings &settings = Process.CurrentPageSettings;
    SetupPrinterPage(settings.PageStyle, settings.PageWidth, settings.PageHeight, settings.PageOrientation);
    const ReportTexts texts = ReportTexts::fromRow(reports);
    m_signatures = MakeSignatureValues(texts);
    BuildReportPages(m_folder.path(), MakeReportPageValues(texts, BuildingAreaTotal(texts)));
}

int ReportPageSession::pageCount() const
{
    return Process.PageCount;
}

QString ReportPageSession::pageFile(int page) const
{
    return PageFileName(m_folder.path(), page);
}

PrinterDevice &ReportPageSession::printer()
{
    return CurrentPrinter::device();
}

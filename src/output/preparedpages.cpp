#include "output/preparedpages.h"

#include "base/apperror.h"
#include "output/outputstate.h"
#include "output/pagefiles.h"
#include "output/pagesettingsstore.h"
#include "output/pagevalues.h"

void LoadDrawablePageSettings(DataSet &reports)
{
    LoadPageSettingsFromRow(reports);
    RequireDrawablePageSettings(OutputProcess.CurrentPageSettings);
}

PreparedPages::PreparedPages(PaperSetUp setUpPaper)
    : m_setUpPaper(std::move(setUpPaper))
{
    if (!m_folder.isValid())
        throw AppError(QStringLiteral("不能创建临时文件夹: ") + m_folder.errorString());
    m_previousSettings = OutputProcess.CurrentPageSettings;
    m_previousGeometry = OutputProcess.PrinterPageGeometry;
    m_previousPageCount = OutputProcess.PageCount;
    m_previousSignatures = OutputProcess.ActiveSignatures;
    OutputProcess.ActiveSignatures = [this] { return std::optional<SignatureValues>(m_signatures); };
}

PreparedPages::~PreparedPages()
{
    OutputProcess.CurrentPageSettings = m_previousSettings;
    OutputProcess.PrinterPageGeometry = m_previousGeometry;
    OutputProcess.PageCount = m_previousPageCount;
    OutputProcess.ActiveSignatures = m_previousSignatures;
}

void PreparedPages::prepare(DataSet &reports, const ReportTexts &texts, const QString &areaTotal)
{
    m_signatures = MakeSignatureValues(texts);
    LoadDrawablePageSettings(reports);
    m_setUpPaper();
    BuildReportPages(m_folder.path(), MakeReportPageValues(texts, areaTotal));
}

QString PreparedPages::pageFile(int page) const
{
    return PageFileName(m_folder.path(), page);
}

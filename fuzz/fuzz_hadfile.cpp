// An appraisal database opened read-only and listed, and every report row
// read as the output paths read it: its texts, the values of its pages and
// its component rows.

#include "base/apperror.h"
#include "db/componentrows.h"
#include "db/connection.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "db/reportfields.h"
#include "fuzzsupport.h"
#include "output/pagevalues.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::start();
    const QString path = FuzzSupport::scratchFile(QStringLiteral("fuzz.had"), FuzzSupport::bytes(data, size));
    try {
        Connection connection;
        HadFile::open(connection, path, Connection::Access::ReadOnly);
        DataSet reports(connection);
        reports.open(HadFile::SelectAllReports);
        (void)reports.columnTexts(HadFile::ReportListColumns);
        for (reports.first(); !reports.eof(); reports.next()) {
            const ReportTexts texts = ReportTexts::fromRow(reports, QDate(2005, 3, 7));
            (void)MakeReportPageValues(texts, SumBuildingArea(texts));
            (void)ComponentRows::load(connection, reports.asString(QStringLiteral("FileNo")));
        }
    } catch (const AppError &) { }
    FuzzSupport::forgetPrompts();
    return 0;
}

#pragma once

#include "db/reportfields.h"
#include "output/pagesettings.h"
#include "output/signaturevalues.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>

class DataSet;

// Loads the page settings of the reports' current row into
// CurrentPageSettings. Settings that no page can be drawn with
// (RequireDrawablePageSettings) throw AppError, before any paper or layout
// sees them.
void LoadDrawablePageSettings(DataSet &reports);

// Report pages prepared one report after the other, as the preview and
// printing prepare them, into a private temporary folder, so the program's
// own page files stay untouched. While it lives, the signature sections come
// from the report prepared last; afterwards the previous page settings,
// printer page geometry, page count and signature source are back as they
// were.
class PreparedPages
{
public:
    // Gives the sheet the pages are drawn on the paper of CurrentPageSettings;
    // shows its own failure.
    using PaperSetUp = std::function<void()>;

    // Throws AppError when the temporary folder cannot be created.
    explicit PreparedPages(PaperSetUp setUpPaper);
    PreparedPages(const PreparedPages &) = delete;
    PreparedPages &operator=(const PreparedPages &) = delete;
    ~PreparedPages();

    // Prepares the reports' current report with the given texts: its page
    // settings (LoadDrawablePageSettings), its paper, and its page files;
    // afterwards the files of pages 1 to OutputProcess.PageCount hold its
    // pages. Throws AppError.
    void prepare(DataSet &reports, const ReportTexts &texts, const QString &areaTotal);
    QString pageFile(int page) const;

private:
    PaperSetUp m_setUpPaper;
    QTemporaryDir m_folder;
    SignatureValues m_signatures;

    TPageSettings m_previousSettings;
    TPrinterPageGeometry m_previousGeometry;
    int m_previousPageCount = 0;
    SignatureSource m_previousSignatures;
};

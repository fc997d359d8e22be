// Writes the seed corpora of the fuzz targets from the sample database the
// build makes: its file, the template and the page files of each report,
// and each report's component rows as a table file.
// Usage: appraisal-fuzz-seeds SAMPLE.had FOLDER

#include "base/apperror.h"
#include "base/filebytes.h"
#include "db/componentrows.h"
#include "db/connection.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "db/reportfields.h"
#include "db/reporttemplate.h"
#include "fuzzsupport.h"
#include "output/pagefiles.h"
#include "output/pagevalues.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

QString tableText(const QList<ComponentRow> &rows)
{
    QString text;
    for (const ComponentRow &row : rows) {
        QStringList cells;
        for (int c = ComponentColumn::Part; c < int(row.size()); ++c)
            cells << row[c];
        text += cells.join(u'\t') + QStringLiteral("\r\n");
    }
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SAMPLE.had FOLDER\n", argv[0]);
        return 2;
    }
    FuzzSupport::start();
    const QString sample = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    try {
        for (const char *corpus : { "template", "pagefile", "componenttable", "hadfile" })
            out.mkpath(QString::fromLatin1(corpus));
        FileBytes::write(out.filePath(QStringLiteral("hadfile/sample.had")), FileBytes::read(sample));
        Connection connection;
        HadFile::open(connection, sample, Connection::Access::ReadOnly);
        DataSet reports(connection);
        reports.open(HadFile::SelectAllReports);
        int index = 0;
        for (reports.first(); !reports.eof(); reports.next(), ++index) {
            const QString name = QString::number(index);
            FileBytes::write(out.filePath(QStringLiteral("template/%1.Btp").arg(name)),
                ReportTemplateFile::encode(ReportTemplate::fromStored(reports, connection)));
            const ReportTexts texts = ReportTexts::fromRow(reports);
            const QString pages = out.filePath(QStringLiteral("pages-%1").arg(name));
            QDir().mkpath(pages);
            BuildReportPages(pages, MakeReportPageValues(texts, SumBuildingArea(texts)));
            for (int page = 1; QFile::exists(PageFileName(pages, page)); ++page)
                QFile::rename(PageFileName(pages, page),
                    out.filePath(QStringLiteral("pagefile/%1-%2.tmp").arg(name).arg(page)));
            QDir(pages).removeRecursively();
            const QList<ComponentRow> rows
                = ComponentRows::load(connection, reports.asString(QStringLiteral("FileNo")));
            FileBytes::write(
                out.filePath(QStringLiteral("componenttable/%1.tsv").arg(name)), tableText(rows).toUtf8());
        }
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", error.message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

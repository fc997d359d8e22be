// appraisal-output-bench: how fast report pages are drawn, measured through
// the same page files, layouts and printer the program and hadtool use.
//
//   appraisal-output-bench [REPORTS]      (default 1000)
//
// 1. The body page of a report with long texts, drawn again and again on
//    the PDF printer at 600 dots per inch, each on a sheet of its own; then
//    the end of the job, which gives the file its text as drawn.
// 2. The same page drawn as the preview draws it, onto a picture at 96 dpi.
// 3. hadtool pdf --all on a database of REPORTS reports (and of a tenth as
//    many), with hadtool's peak resident memory, to show it does not grow
//    with the number of reports.
// The reports are copies of the sample database's reports, which must have
// been built (Data/ beside this program).

#include "base/apperror.h"
#include "base/processstate.h"
#include "base/programfolders.h"
#include "db/connection.h"
#include "db/datamodule.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "db/reportfields.h"
#include "output/fontsubstitutes.h"
#include "output/outputstate.h"
#include "output/pagefiles.h"
#include "output/pagesettingsstore.h"
#include "output/pagevalues.h"
#include "printing/currentprinter.h"
#include "printing/pageprinting.h"
#include "printing/printerdevice.h"
#include "printing/printerpage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

// The sample database as the build (or the package) ships it.
QString samplePath()
{
    return QDir(ProgramFolders::sharedDataDir()).filePath(QStringLiteral("2004年房屋安全鉴定报告.had"));
}

// The texts of the sample's first report, with each memo four times as long.
ReportPageValues longReport()
{
    Connection connection;
    HadFile::open(connection, samplePath(), Connection::Access::ReadOnly);
    DataSet reports(connection);
    reports.open(HadFile::SelectAllReports);
    ReportTexts texts = ReportTexts::fromRow(reports);
    for (const char *memo : { "ApprCircs", "ShatterReason0", "ApprConclusion", "DisposalAdvi" }) {
        const QString text = texts.text(QLatin1String(memo));
        texts.setText(
            QLatin1String(memo), QStringList { text, text, text, text }.join(QStringLiteral("\r\n")));
    }
    OutputProcess.ActiveSignatures
        = [texts] { return std::optional<SignatureValues>(MakeSignatureValues(texts)); };
    return MakeReportPageValues(texts, SumBuildingArea(texts));
}

double cpuSeconds(const rusage &usage)
{
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Processor time of this process so far, in milliseconds.
double ownCpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return cpuSeconds(usage) * 1000;
}

void benchPages(const QString &folder, int pages)
{
    CurrentPrinter::install(PrinterDevice::pdf(QDir(folder).filePath(QStringLiteral("pages.pdf"))));
    OutputProcess.CurrentPageSettings = TPageSettings();
    SetupPrinterPage(QStringLiteral("A4"), 210, 297, 0);
    BuildReportPages(folder, longReport());
    const QString body = PageFileName(folder, 2);

    PagePrintJob job(CurrentPrinter::device(), QStringLiteral("appraisal-output-bench"));
    QElapsedTimer timer;
    timer.start();
    job.printPage(body);
    const double first = timer.nsecsElapsed() / 1e6;
    timer.restart();
    double cpu = ownCpuMs();
    for (int i = 1; i < pages; ++i)
        job.printPage(body);
    const double printer = timer.nsecsElapsed() / 1e6 / (pages - 1);
    const double printerCpu = (ownCpuMs() - cpu) / (pages - 1);
    timer.restart();
    cpu = ownCpuMs();
    job.finish();
    const double finish = timer.nsecsElapsed() / 1e6 / pages;
    const double finishCpu = (ownCpuMs() - cpu) / pages;

    timer.restart();
    cpu = ownCpuMs();
    for (int i = 0; i < pages; ++i)
        RenderPreviewPage(body, 96, 96);
    const double preview = timer.nsecsElapsed() / 1e6 / pages;
    const double previewCpu = (ownCpuMs() - cpu) / pages;
    CurrentPrinter::reset();

    std::printf(
        "body page on the PDF printer, 600 dpi: first %.1f ms, then %.2f ms a page, processor %.2f ms "
        "(%d pages; target 30 ms)\n",
        first, printer, printerCpu, pages - 1);
    std::printf(
        "end of the job (PDF text map rewritten): %.2f ms a page, processor %.2f ms\n", finish, finishCpu);
    std::printf("body page as the preview draws it, 96 dpi picture: %.2f ms a page, processor %.2f ms\n",
        preview, previewCpu);
}

// A database of count reports, copied in turn from the sample's reports.
QString makeDatabase(const QString &folder, int count)
{
    const QString path = QDir(folder).filePath(QStringLiteral("reports-%1.had").arg(count));
    HadFile::createDatabaseFile(path);
    TFrm_DataModule module;
    Connection source;
    HadFile::open(source, samplePath(), Connection::Access::ReadOnly);
    DataSet samples(source);
    samples.open(HadFile::SelectAllReports);
    Connection target;
    HadFile::open(target, path);
    DataSet reports(target);
    reports.open(HadFile::SelectAllReports);
    for (int n = 0; n < count; ++n) {
        if (n % samples.recordCount() == 0)
            samples.first();
        else
            samples.next();
        module.AppendReport(reports, StorePageDefaultsToRow);
        for (const QString &field : samples.fieldNames()) {
            if (field.compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0)
                continue;
            if (samples.isNull(field))
                reports.setNull(field);
            else
                reports.setString(field, samples.asString(field));
        }
        reports.setString(
            QStringLiteral("FileNo"), QStringLiteral("%1-%2").arg(samples.asString("FileNo")).arg(n));
        reports.post();
    }
    return path;
}

struct Run
{
    double seconds;
    double cpuSeconds;
    long peakKb;
    int status;
};

// Runs hadtool and waits for it, with its own peak resident memory.
Run runHadtool(const QStringList &arguments)
{
    QList<QByteArray> words { QFile::encodeName(
        QDir(QCoreApplication::applicationDirPath()).filePath("hadtool")) };
    for (const QString &argument : arguments)
        words.append(QFile::encodeName(argument));
    QList<char *> argv;
    for (QByteArray &word : words)
        argv.append(word.data());
    argv.append(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0); // the progress lines
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv.first(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw AppError(QStringLiteral("cannot run hadtool"));
    int status = 0;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    return { timer.nsecsElapsed() / 1e9, cpuSeconds(usage), usage.ru_maxrss,
        WIFEXITED(status) ? WEXITSTATUS(status) : -1 };
}

void benchHadtool(const QString &folder, int count)
{
    for (int reports : { std::max(1, count / 10), count }) {
        const QString database = makeDatabase(folder, reports);
        const QString pdf = QDir(folder).filePath(QStringLiteral("all-%1.pdf").arg(reports));
        const Run run = runHadtool(
            { QStringLiteral("pdf"), database, QStringLiteral("--all"), QStringLiteral("-o"), pdf });
        if (run.status != 0)
            throw AppError(QStringLiteral("hadtool pdf --all ended with status %1").arg(run.status));
        std::printf(
            "hadtool pdf --all, %5d reports: %6.2f s, processor %.2f s (%.1f ms a report), peak memory "
            "%.1f MiB, PDF %.1f MiB\n",
            reports, run.seconds, run.cpuSeconds, run.seconds * 1000 / reports, run.peakKb / 1024.0,
            QFileInfo(pdf).size() / (1024.0 * 1024.0));
    }
    std::printf("(target: 1000 reports within 30 s, memory not growing with the reports)\n");
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    FontSubstitutes::install();
    const QStringList args = QCoreApplication::arguments();
    bool ok = true;
    const int count = args.size() > 1 ? args.at(1).toInt(&ok) : 1000;
    if (args.size() > 2 || !ok || count < 1) {
        std::fprintf(stderr, "usage: %s [REPORTS]   (a positive number, default 1000)\n", argv[0]);
        return 2;
    }
    try {
        if (!QFileInfo::exists(samplePath()))
            throw AppError(QStringLiteral("the sample database is missing: ") + samplePath());
        QTemporaryDir folder;
        if (!folder.isValid())
            throw AppError(QStringLiteral("cannot create a temporary folder"));
        // A program folder without config.ini: new reports get the initial page settings.
        Process.AppDir = QDir::cleanPath(folder.path());
        benchPages(folder.path(), 200);
        benchHadtool(folder.path(), count);
        return 0;
    } catch (const AppError &error) {
        std::fprintf(stderr, "appraisal-output-bench: %s\n", qPrintable(error.message()));
        return 1;
    }
}

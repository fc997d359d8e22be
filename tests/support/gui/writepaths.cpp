#include "writepaths.h"

#include "app/mainform.h"
#include "base/apperror.h"
#include "base/appsettings.h"
#include "base/cp936.h"
#include "base/filebytes.h"
#include "base/processstate.h"
#include "base/prompt.h"
#include "db/connection.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "db/reporttemplate.h"
#include "editor/componenttable.h"
#include "testframe.h"
#include "windowfixture.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <csignal>

namespace {

const QString Database = QStringLiteral("Data/崩溃.had");
const QString SaveAsTarget = QStringLiteral("Backup/副本.had");
const QString TemplateFile = QStringLiteral("Template/模板.Btp");
const QString ConfigIni = QStringLiteral("config.ini");

// The calls at which the database engine's changes can be cut: its writes
// and the removal of its journal, which ends a transaction.
const QStringList EngineCalls = { "pwrite64", "unlink", "unlinkat" };
// The calls of a file written whole and renamed into place.
const QStringList FileCalls
    = { "write", "pwrite64", "rename", "renameat", "renameat2", "linkat", "unlink", "unlinkat" };

struct StoredReport
{
    QString fileNo;
    QString linkMan;
    QList<ComponentRow> rows;
};

QList<ComponentRow> rowsOf(const QString &part, int count)
{
    QList<ComponentRow> rows;
    for (int n = 1; n <= count; ++n)
        rows << componentRow(n, part, count == 1 ? QStringLiteral("墙段") : QStringLiteral("墙段 %1").arg(n));
    return rows;
}

void stopIf(bool failed, const QString &what)
{
    if (failed)
        qFatal("write path: %s", qPrintable(what));
}

// A new database holding the given reports and their component rows.
void createDatabase(const QString &path, const QList<StoredReport> &stored)
{
    stopIf(!QDir().mkpath(QFileInfo(path).absolutePath()), "cannot make the folder of " + path);
    HadFile::createDatabaseFile(path);
    Connection connection;
    HadFile::open(connection, path);
    DataSet reports(connection);
    reports.open(HadFile::SelectAllReports);
    connection.transaction([&] {
        for (const StoredReport &report : stored) {
            reports.append();
            reports.setString(QStringLiteral("FileNo"), report.fileNo);
            reports.setString(QStringLiteral("LinkMan"), report.linkMan);
            reports.post();
            ComponentRows::save(connection, report.fileNo, report.rows);
        }
    });
}

// The database of the report window paths: report 1 with the given number
// of component rows, which the paths edit, and report 2, which they leave.
void prepareReports(const QString &folder, int rowCount)
{
    const QString path = QDir(folder).filePath(Database);
    createDatabase(path,
        { { "1", "旧联系人", rowsOf("承重结构", rowCount) },
            { "2", "乙", { componentRow(1, "地基基础", "地基") } } });
    // A report window's first open may change the file; the runs start after it.
    openReportWindow(path);
}

// The edit every report window path makes on report 1 before its command:
// the number (when the command is to move the rows along), the contact
// person and every component row.
void editReport(TfrmChildWin *window, const QString &number, int rowCount)
{
    window->setControlText("FileNo", number);
    window->setControlText("LinkMan", "新联系人");
    window->componentPage()->showRows(rowsOf("围护结构", rowCount));
}

// Runs a command of the real main window on a report window open on the
// folder's database; edit prepares the window and the prompts.
void runCommand(const QString &folder, const QString &command,
    const std::function<void(TfrmChildWin *)> &edit, const std::function<void()> &ready)
{
    TestFrame form = showFrameOver(Process.AppDir);
    TfrmChildWin *window = form->OpenReportWindow(QDir(folder).filePath(Database));
    stopIf(!window, "the report window did not open");
    edit(window);
    ready();
    form->action(command)->trigger();
    for (const PromptRecord &shown : Prompt::shown())
        stopIf(shown.icon == PromptIcon::Error || shown.icon == PromptIcon::Warning, shown.text);
}

WritePath reportWindowPath(const QString &name, const QString &command, const QString &number, int rowCount)
{
    return { name, Database, EngineCalls,
        [rowCount](const QString &folder) { prepareReports(folder, rowCount); },
        [=](const QString &folder, const std::function<void()> &ready) {
            runCommand(
                folder, command, [&](TfrmChildWin *window) { editReport(window, number, rowCount); }, ready);
        } };
}

// A state without the lines of the report appended last, which has no
// number, and its rows.
QStringList withoutAppendedReport(const QString &state)
{
    QStringList lines = state.split(u'\n');
    lines.removeIf([](const QString &line) { return line == u"report /" || line.startsWith(u"rows :"); });
    return { lines.join(u'\n') };
}

ReportTemplate oldTemplate()
{
    ReportTemplate value;
    value.setText(QStringLiteral("LinkMan"), QStringLiteral("旧模板"));
    value.lines = rowsOf("地基基础", 3);
    return value;
}

QByteArray oldConfigIni()
{
    return Cp936::encode(QStringLiteral("; 用户的注释: 这台机器的设置\r\n"
                                        "[Commond]\r\n"
                                        "AutoSaveTime=5\r\n"
                                        "AutoOpenItem=1\r\n"
                                        "OpenFileName=D:\\数据\\报告.had\r\n"
                                        "\r\n"
                                        "; 打印\r\n"
                                        "[Misc]\r\n"
                                        "IsPrintSoftMess=1\r\n"
                                        "UserKey=留着\r\n"));
}

void writeInto(const QString &folder, const QString &relative, const QByteArray &bytes)
{
    const QString path = QDir(folder).filePath(relative);
    stopIf(!QDir().mkpath(QFileInfo(path).absolutePath()), "cannot make the folder of " + path);
    FileBytes::write(path, bytes);
}

QList<WritePath> makeWritePaths()
{
    WritePath append = reportWindowPath("append", "Actn_RecordAppend", "1", 1);
    // The edited report is saved before the new one is added.
    append.between = withoutAppendedReport;
    return {
        reportWindowPath("save", "Actn_FileSave", "1", 1),
        reportWindowPath("save 200 rows", "Actn_FileSave", "1", 200),
        append,
        // Next stores the fields only; the rows go along with the new number.
        reportWindowPath("next after a number change", "Actn_RecordNext", "5", 1),
        reportWindowPath("delete", "Actn_RecordDelete", "1", 1),
        { "save as", SaveAsTarget, EngineCalls + QStringList { "rename", "renameat", "renameat2" },
            [](const QString &folder) {
                prepareReports(folder, 1);
                createDatabase(
                    QDir(folder).filePath(SaveAsTarget), { { "9", "旧副本", rowsOf("承重结构", 2) } });
            },
            [](const QString &folder, const std::function<void()> &ready) {
                runCommand(
                    folder, "Actn_FileSaveAs",
                    [&](TfrmChildWin *) {
                        Prompt::setNextFileName(QDir(folder).filePath(SaveAsTarget));
                        Prompt::setNextAnswer(PromptButton::Yes); // replace the old copy
                    },
                    ready);
            } },
        { "template save", TemplateFile, FileCalls,
            [](const QString &folder) {
                prepareReports(folder, 1);
                writeInto(folder, TemplateFile, ReportTemplateFile::encode(oldTemplate()));
            },
            [](const QString &folder, const std::function<void()> &ready) {
                runCommand(
                    folder, "Actn_RecordSaveAsTemplate",
                    [&](TfrmChildWin *window) {
                        editReport(window, "1", 30);
                        Prompt::setNextFileName(QDir(folder).filePath(TemplateFile));
                    },
                    ready);
            } },
        { "config.ini", ConfigIni, FileCalls,
            [](const QString &folder) { writeInto(folder, ConfigIni, oldConfigIni()); },
            [](const QString &folder, const std::function<void()> &ready) {
                Process.AppDir = folder;
                ready();
                writeAppSettings({ 17, false, false, AppraisalStandard::Jgj125_99 });
            } },
    };
}

QString databaseState(const QString &path)
{
    try {
        // Opened for writing, so that the engine undoes an unfinished change
        // first, as the program's next open does.
        Connection connection;
        HadFile::open(connection, path);
        const QStringList problems = connection.integrityProblems();
        if (!problems.isEmpty())
            return QStringLiteral("damaged: ") + problems.join(u'\n');
        QStringList lines;
        QStringList numbers;
        QSqlQuery reports
            = connection.run(QStringLiteral("select FileNo, LinkMan from ProjectTab order by ID"));
        while (reports.next()) {
            numbers << reports.value(0).toString();
            lines << QStringLiteral("report ") + numbers.last() + u'/' + reports.value(1).toString();
        }
        reports.finish();
        QSqlQuery rowNumbers = connection.run(QStringLiteral("select distinct FileNo from CalcuData"));
        while (rowNumbers.next())
            numbers << rowNumbers.value(0).toString();
        rowNumbers.finish();
        numbers.sort();
        numbers.removeDuplicates();
        for (const QString &number : numbers)
            lines << QStringLiteral("rows ") + number + QStringLiteral(": ")
                    + componentLines(connection, number).join(u';');
        return lines.join(u'\n');
    } catch (const AppError &error) {
        return QStringLiteral("damaged: ") + error.message();
    }
}

} // namespace

const QList<WritePath> &writePaths()
{
    static const QList<WritePath> paths = makeWritePaths();
    return paths;
}

const WritePath &writePath(const QString &name)
{
    for (const WritePath &path : writePaths()) {
        if (path.name == name)
            return path;
    }
    qFatal("no write path named %s", qPrintable(name));
}

QString fileState(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("missing");
    if (info.suffix() == u"had")
        return databaseState(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("damaged: ") + file.errorString();
    return QStringLiteral("bytes %1 %2")
        .arg(info.size())
        .arg(QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex()));
}

bool isDamaged(const QString &state)
{
    return state == u"missing" || state.startsWith(u"damaged: ");
}

namespace {

QString writePathProgram()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("appraisal-write-path"));
}

void copyFolder(const QString &folder, const QString &target)
{
    QDir(target).removeRecursively();
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString copy = QDir(target).filePath(QDir(folder).relativeFilePath(source));
        stopIf(!QDir().mkpath(QFileInfo(copy).absolutePath()) || !QFile::copy(source, copy),
            "cannot copy " + source);
    }
}

} // namespace

WritePathRuns::WritePathRuns(const WritePath &path)
    : m_path(path)
{
    QProcess prepare;
    prepare.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    prepare.start(writePathProgram(), { "prepare", path.name, m_pristine.path() });
    stopIf(!prepare.waitForFinished(120000) || prepare.exitStatus() != QProcess::NormalExit
            || prepare.exitCode() != 0,
        path.name + " not prepared");
    restore();
    oldState = current();
    restore();
    QProcess clean;
    start(clean);
    waitForReady(clean);
    QElapsedTimer timer;
    timer.start();
    stopIf(!clean.waitForFinished(120000) || clean.exitCode() != 0, path.name + " failed without a kill");
    m_cleanMs = timer.elapsed();
    newState = current();
    m_allowed = QStringList { oldState } + path.between(newState) + QStringList { newState };
}

void WritePathRuns::restore() const
{
    copyFolder(m_pristine.path(), m_work.path());
}

QString WritePathRuns::current() const
{
    return fileState(QDir(m_work.path()).filePath(m_path.file));
}

void WritePathRuns::start(QProcess &child, const QString &tracer, const QStringList &tracing) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0:abort_on_error=1"));
    child.setProcessEnvironment(environment);
    const QStringList run = { "run", m_path.name, m_work.path() };
    child.setProgram(tracer.isEmpty() ? writePathProgram() : tracer);
    child.setArguments(tracer.isEmpty() ? run : tracing + QStringList { writePathProgram() } + run);
    child.start();
}

void WritePathRuns::waitForReady(QProcess &child)
{
    while (!child.canReadLine() && child.waitForReadyRead(60000)) { }
}

WritePathRuns::Kill WritePathRuns::runKilledAtRandom() const
{
    restore();
    QProcess child;
    start(child);
    waitForReady(child);
    const quint32 delayUs = QRandomGenerator::global()->bounded(quint32(m_cleanMs * 1000 + 1));
    QThread::usleep(delayUs);
    if (child.state() == QProcess::Running)
        ::kill(pid_t(child.processId()), SIGKILL);
    child.waitForFinished(120000);
    return { child.exitStatus() == QProcess::CrashExit, delayUs };
}

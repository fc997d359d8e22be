#include "base/apperror.h"
#include "db/connection.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "hadtoolhere.h"
#include "otheruser.h"
#include "runprogram.h"
#include "testenv.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

// hadtool new and list, and what they do to the files they are given: run
// in this process through hadtool's command line, and as the built program
// where the exit status, the standard streams or another process's hold on
// a file are what is tested.
class TestHadtool : public QObject
{
    Q_OBJECT

private slots:
    void newThenListPrintsEveryReportInOrder();
    void newRefusesAnExistingFileUnlessForced();
    void listForScripts_data();
    void listForScripts();
    void optionsEndAtDoubleDash();
    void everyCommandTakesShortHelp();
    void textsFollowTheLocale_data();
    void textsFollowTheLocale();
    void pngToStandardOutputWithoutRuntimeFolderNote();
    void failures_data();
    void failures();
    void readingLeavesEveryFileAsItWas_data();
    void readingLeavesEveryFileAsItWas();
    void listReadsFilesTheUserMayOnlyRead_data();
    void listReadsFilesTheUserMayOnlyRead();
    void lostOutputIsAFailure();
    void newRefusesBadPathsBeforeTouchingAnything_data();
    void newRefusesBadPathsBeforeTouchingAnything();
    void failedNewLeavesNoFileUnderItsName_data();
    void failedNewLeavesNoFileUnderItsName();
    void forcedNewRefusesAFileInUse_data();
    void forcedNewRefusesAFileInUse();
};

namespace {

// SHA-256 of a database file and of the journal files beside it; "-" for
// one that is not there.
QStringList fingerprint(const QString &path)
{
    QStringList sums;
    for (const char *suffix : { "", "-wal", "-journal" }) {
        QFile file(path + suffix);
        sums << (file.open(QIODevice::ReadOnly) ? QString::fromLatin1(
                     QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex())
                                                : QStringLiteral("-"));
    }
    return sums;
}

QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

void insertReports(Connection &connection, int from, int to)
{
    for (int i = from; i <= to; ++i)
        connection.execute("insert into ProjectTab (FileNo) values (:No)", { { "No", QString::number(i) } });
}

// A .had file with the reports "1" to "count", at rest.
void makeReports(const QString &path, int count)
{
    HadFile::createDatabaseFile(path);
    Connection connection;
    HadFile::open(connection, path);
    insertReports(connection, 1, count);
}

// What a crash at this moment would leave: the file and its journal files
// as they are now, copied to another name.
void copyAsLeftBehind(const QString &from, const QString &to)
{
    for (const char *suffix : { "", "-wal", "-shm", "-journal" })
        if (QFileInfo::exists(from + suffix))
            QVERIFY(QFile::copy(from + suffix, to + suffix));
}

// Files that are damaged or unusual in the ways a .had file can be, all at
// path. Scratch files go beside it.
void makeDamagedFile(const QString &kind, const QString &path)
{
    const QString scratch = path + ".scratch";
    const auto writeBytes = [&](const QByteArray &bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const auto scratchBytes = [&] {
        QFile file(scratch);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QString projectTab = HadFile::createProjectTabSql();
    if (kind == "text file") {
        writeBytes(QByteArray("这不是数据库, 只是一段文字。\n").repeated(100));
    } else if (kind == "empty file") {
        writeBytes(QByteArray());
    } else if (kind == "header only") {
        makeReports(scratch, 1);
        writeBytes(scratchBytes().left(100));
    } else if (kind == "truncated") {
        HadFile::createDatabaseFile(scratch);
        Connection connection;
        HadFile::open(connection, scratch);
        connection.transaction([&] {
            for (int i = 0; i < 200; ++i)
                connection.execute("insert into ProjectTab (FileNo, ApprCircs) values (:No, :Text)",
                    { { "No", QString::number(i) }, { "Text", QString(500, u'房') } });
        });
        connection.close();
        writeBytes(scratchBytes().left(3 * 4096));
    } else if (kind == "other tables, rollback journal"
        || kind == "ProjectTab lacks a column, rollback journal"
        || kind == "CalcuData missing, write-ahead log") {
        Connection connection;
        connection.create(path);
        if (kind.endsWith("rollback journal"))
            connection.run("PRAGMA journal_mode=DELETE");
        else
            connection.run("PRAGMA journal_mode=WAL");
        if (kind.startsWith("other")) {
            connection.execute("create table Other (x int)");
            return;
        }
        if (kind.startsWith("ProjectTab lacks")) {
            projectTab.replace(",version varchar(20))", ")");
            connection.execute(HadFile::createCalcuDataSql());
        }
        connection.execute(projectTab);
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == "unfinished change, rollback journal") {
        Connection connection;
        connection.create(scratch);
        connection.run("PRAGMA journal_mode=DELETE");
        HadFile::createTables(connection);
        insertReports(connection, 1, 2);
        // A change too large for the page cache is half in the file, and
        // the journal holds what it replaced.
        connection.run("PRAGMA cache_size=2");
        connection.transaction([&] {
            for (int i = 0; i < 100; ++i)
                connection.execute("insert into ProjectTab (FileNo, ApprCircs) values ('x', :Text)",
                    { { "Text", QString(1000, u'损') } });
            copyAsLeftBehind(scratch, path);
        });
        QVERIFY(QFileInfo(path + "-journal").size() > 0);
    } else if (kind == "log left beside it" || kind == "log without its index") {
        // As an older version left it, in write-ahead log mode.
        makeReports(scratch, 2);
        Connection connection;
        HadFile::open(connection, scratch);
        connection.run("PRAGMA journal_mode=WAL");
        connection.run("PRAGMA wal_autocheckpoint=0");
        insertReports(connection, 3, 3);
        copyAsLeftBehind(scratch, path);
        if (kind == "log without its index")
            QVERIFY(QFile::remove(path + "-shm"));
        QVERIFY(QFileInfo(path + "-wal").size() > 0);
    } else if (kind == "at rest") {
        makeReports(path, 2);
    } else {
        QVERIFY2(kind == "missing", qPrintable(kind));
    }
    QFile::remove(scratch);
}

void addReport(DataSet &reports, const QStringList &values)
{
    reports.append();
    for (int i = 0; i < values.size(); ++i)
        reports.setString(HadFile::ReportListColumns.at(i), values.at(i));
    reports.post();
}

} // namespace

void TestHadtool::newThenListPrintsEveryReportInOrder()
{
    TestAppDir dir;
    const QString path = dir.filePath("报告 2004.had");
    const ProcessResult created = runHadtoolHere({ "new", path });
    QCOMPARE(created.exitCode, 0);
    QCOMPARE(created.err, QString());
    const ProcessResult empty = runHadtoolHere({ "list", path });
    QCOMPARE(empty.exitCode, 0);
    QCOMPARE(empty.out, QString());
    {
        Connection connection;
        HadFile::open(connection, path);
        DataSet reports(connection);
        reports.open(HadFile::SelectAllReports);
        addReport(reports, { "2004-001", "解放路1号", "王五", "张三" });
        addReport(reports, { "2004-002", "多行\r\n地址\t有\\符号", "", "李四" });
        addReport(reports, {});
        const char16_t controls[] = u"零\u0000一\u0001删\u007f下\u0085行\u001b[0m";
        addReport(reports, { QString::fromUtf16(controls, std::size(controls) - 1) });
    }
    const ProcessResult listed = runHadtoolHere({ "list", path });
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.out,
        "2004-001\t解放路1号\t王五\t张三\n"
        "2004-002\t多行\\r\\n地址\\t有\\\\符号\t\t李四\n"
        "\t\t\t\n"
        "零\\x00一\\x01删\\x7f下\\x85行\\x1b[0m\t\t\t\n");
}

// A value with control characters, a character outside the basic plane
// and an escape sequence.
QString controlText()
{
    const char16_t controls[] = u"零\u0000一\u0001删\u007f下\u0085行\u001b[0m🏠";
    return QString::fromUtf16(controls, std::size(controls) - 1);
}

// The reports of a list with every kind of text a field can hold.
QString listedDatabase(const TestAppDir &dir)
{
    const QString path = dir.filePath("列表.had");
    HadFile::createDatabaseFile(path);
    Connection connection;
    HadFile::open(connection, path);
    DataSet reports(connection);
    reports.open(HadFile::SelectAllReports);
    addReport(reports, { "2004-001", "解放路1号, \"东\"楼", "王五", "张三" });
    addReport(reports, { "2004-002", "多行\r\n地址\t有\\符号", "", "李四" });
    addReport(reports, { controlText(), "=1+1" });
    return path;
}

void TestHadtool::listForScripts_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("json") << "--json";
    QTest::newRow("csv") << "--csv";
}

// JSON and CSV carry every stored text exactly, control characters and
// all; a script reads them back with an ordinary parser.
void TestHadtool::listForScripts()
{
    QFETCH(QString, format);
    TestAppDir dir;
    const QString path = listedDatabase(dir);
    const ProcessResult listed = runHadtoolHere({ "list", format, path });
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.err, QString());
    const QString control = controlText();
    if (format == "--json") {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(listed.out.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonArray reports = document.array();
        QCOMPARE(reports.size(), 3);
        const auto report = [&](int i) { return reports.at(i).toObject().toVariantMap(); };
        QCOMPARE(report(0),
            (QVariantMap { { "FileNo", "2004-001" }, { "Address", "解放路1号, \"东\"楼" },
                { "PropertyRightMan", "王五" }, { "Client", "张三" } }));
        QCOMPARE(report(1).value("Address").toString(), "多行\r\n地址\t有\\符号");
        QCOMPARE(report(2).value("FileNo").toString(), control);
        QCOMPARE(report(2).value("Address").toString(), "=1+1");
    } else {
        QCOMPARE(listed.out,
            "FileNo,Address,PropertyRightMan,Client\r\n"
            "2004-001,\"解放路1号, \"\"东\"\"楼\",王五,张三\r\n"
            "2004-002,\"多行\r\n地址\t有\\符号\",,李四\r\n"
                + control + ",=1+1,,\r\n");
    }
    QCOMPARE(runHadtoolHere({ "list", "--json", "--csv", path }).exitCode, 2);
}

// After "--" a file name that begins with "-" (or reads as an option) is a
// file name.
void TestHadtool::optionsEndAtDoubleDash()
{
    TestAppDir dir;
    makeReports(dir.filePath("-h.had"), 1);
    const ProcessResult refused = runHadtoolHere({ "list", "-h.had" }, { .workingFolder = dir.path() });
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains("未知选项 '-h.had'"), qPrintable(refused.err));
    const ProcessResult listed = runHadtoolHere({ "list", "--", "-h.had" }, { .workingFolder = dir.path() });
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.out, "1\t\t\t\n");
    const ProcessResult notHelp = runHadtoolHere({ "list", "--", "--help" }, { .workingFolder = dir.path() });
    QCOMPARE(notHelp.exitCode, 1);
    QVERIFY2(notHelp.err.contains("--help 不存在!"), qPrintable(notHelp.err));
}

void TestHadtool::everyCommandTakesShortHelp()
{
    for (const char *command : { "new", "list", "pdf", "png", "grade", "template" }) {
        const ProcessResult help = runHadtoolHere({ command, "-h" });
        QCOMPARE(help.exitCode, 0);
        QVERIFY2(help.out.startsWith(QStringLiteral("用法: hadtool %1 ").arg(command)), qPrintable(help.out));
        QCOMPARE(help.err, QString());
    }
}

void TestHadtool::textsFollowTheLocale_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<bool>("chinese");
    QTest::newRow("LC_ALL Chinese") << QStringList { "LC_ALL=zh_CN.UTF-8" } << true;
    QTest::newRow("LC_ALL English") << QStringList { "LC_ALL=en_US.UTF-8" } << false;
    QTest::newRow("LC_ALL C") << QStringList { "LC_ALL=C.UTF-8" } << false;
    QTest::newRow("LC_ALL before LANG") << QStringList { "LC_ALL=C", "LANG=zh_CN.UTF-8" } << false;
    QTest::newRow("LC_MESSAGES Chinese")
        << QStringList { "LC_ALL=", "LC_MESSAGES=zh_TW.UTF-8", "LANG=en_US.UTF-8" } << true;
    QTest::newRow("LC_MESSAGES before LANG")
        << QStringList { "LC_ALL=", "LC_MESSAGES=en_GB.UTF-8", "LANG=zh_CN.UTF-8" } << false;
    QTest::newRow("LANG Chinese") << QStringList { "LC_ALL=", "LC_MESSAGES=", "LANG=zh_CN.GB18030" } << true;
    QTest::newRow("no locale") << QStringList { "LC_ALL=", "LC_MESSAGES=", "LANG=" } << false;
}

// The built program speaks Chinese under a Chinese locale and English under
// any other: its help, its own errors and the database errors it passes on.
void TestHadtool::textsFollowTheLocale()
{
    QFETCH(QStringList, environment);
    QFETCH(bool, chinese);
    TestAppDir dir;
    const QString missing = dir.filePath("missing.had");
    const RunOptions options { .environment = environment };

    const ProcessResult help = runHadtool({ "list", "--help" }, options);
    QCOMPARE(help.exitCode, 0);
    const QString helpStart = chinese
        ? "用法: hadtool list [--json | --csv] FILE.had\n\n列出鉴定数据库中的鉴定报告。\n"
        : "usage: hadtool list [--json | --csv] FILE.had\n\n"
          "list the reports of an appraisal database.\n";
    QVERIFY2(help.out.startsWith(helpStart), qPrintable(help.out));
    QVERIFY2(help.out.endsWith(chinese
                     ? "\n退出状态: 成功为 0, 失败为 1, 命令行有误为 2。\n"
                     : "\nExit status: 0 on success, 1 on failure, 2 on a wrong command line.\n"),
        qPrintable(help.out));

    const ProcessResult wrongOption = runHadtool({ "list", "--fast", missing }, options);
    QCOMPARE(wrongOption.exitCode, 2);
    QVERIFY2(wrongOption.err.startsWith(chinese ? "hadtool: 未知选项 '--fast'\n用法: hadtool list "
                                                : "hadtool: unknown option '--fast'\nusage: hadtool list "),
        qPrintable(wrongOption.err));

    const ProcessResult notThere = runHadtool({ "list", missing }, options);
    QCOMPARE(notThere.exitCode, 1);
    QCOMPARE(notThere.err,
        QString(
            chinese ? "hadtool: 数据库文件 %1 不存在!\n" : "hadtool: the database file %1 does not exist!\n")
            .arg(missing));
}

// -o - writes the picture itself to standard output; standard error stays
// empty even without a runtime folder.
void TestHadtool::pngToStandardOutputWithoutRuntimeFolderNote()
{
    TestAppDir dir;
    const QString path = copyOfBuilt(dir, "2004年房屋安全鉴定报告.had");
    QProcess hadtool;
    hadtool.setProgram(hadtoolPath());
    hadtool.setArguments({ "png", path, "--index", "0", "--page", "1", "--dpi", "20", "-o", "-" });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_RUNTIME_DIR");
    hadtool.setProcessEnvironment(environment);
    hadtool.start();
    QVERIFY(hadtool.waitForFinished(60000));
    QCOMPARE(hadtool.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(hadtool.readAllStandardError()), QString());
    QImage image;
    QVERIFY(image.loadFromData(hadtool.readAllStandardOutput(), "PNG"));
    QVERIFY(image.width() > 100);
    QVERIFY(!QFileInfo::exists(dir.filePath("-")));
}

void TestHadtool::newRefusesAnExistingFileUnlessForced()
{
    TestAppDir dir;
    dir.writeFile("old.had", "old");
    const QString path = dir.filePath("old.had");
    const ProcessResult refused = runHadtoolHere({ "new", path });
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains("数据库 " + path + " 已存在!"), qPrintable(refused.err));
    QCOMPARE(dir.readFile("old.had"), QByteArray("old"));

    const ProcessResult forced = runHadtoolHere({ "new", "--force", path });
    QCOMPARE(forced.exitCode, 0);
    Connection connection;
    HadFile::open(connection, path);
    DataSet reports(connection);
    reports.open(HadFile::SelectAllReports);
    QVERIFY(reports.isEmpty());
}

void TestHadtool::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("no arguments") << QStringList() << 2 << "用法: hadtool";
    QTest::newRow("unknown command") << QStringList { "drop", "x.had" } << 2 << "用法: hadtool";
    QTest::newRow("missing file name") << QStringList { "list" } << 2 << "用法: hadtool";
    QTest::newRow("force on list") << QStringList { "list", "x.had", "--force" } << 2 << "用法: hadtool";
    QTest::newRow("missing file") << QStringList { "list", "missing.had" } << 1 << " 不存在!";
    QTest::newRow("not a database") << QStringList { "list", "text.had" } << 1 << " 不是本系统的数据库!";
    QTest::newRow("missing folder") << QStringList { "new", "no/such/folder.had" } << 1 << "不能创建数据库 ";
}

void TestHadtool::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    TestAppDir dir;
    dir.writeFile("text.had", "just text");
    if (arguments.size() > 1)
        arguments[1] = dir.filePath(arguments[1]);
    // The program's exit status is the command line's.
    for (const auto run : { runHadtoolHere, runHadtool }) {
        const ProcessResult result = run(arguments, {});
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.out, QString());
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QCOMPARE(dir.readFile("text.had"), QByteArray("just text"));
    }
}

// Every damaged or unusual file goes through hadtool list (reading only) and
// through the open of a report window (reading and writing): the message,
// the exit status, and every byte of the file and its journals as they were.
void TestHadtool::readingLeavesEveryFileAsItWas_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("listError"); // %1 is the path
    QTest::addColumn<QString>("openError"); // of the report window's open; empty: it opens

    const QString notOurs = "文件 %1 不是本系统的数据库!";
    const QString malformed = "不能打开数据库 %1\ndatabase disk image is malformed";
    const QString reports = "1\t\t\t\n2\t\t\t\n";
    QTest::newRow("text file") << "text file" << 1 << "" << notOurs << notOurs;
    QTest::newRow("empty file") << "empty file" << 1 << "" << notOurs << notOurs;
    QTest::newRow("header only") << "header only" << 1 << "" << malformed << malformed;
    QTest::newRow("truncated") << "truncated" << 1 << "" << malformed << malformed;
    QTest::newRow("other tables") << "other tables, rollback journal" << 1 << "" << notOurs << notOurs;
    QTest::newRow("ProjectTab lacks a column")
        << "ProjectTab lacks a column, rollback journal" << 1 << "" << notOurs << notOurs;
    QTest::newRow("CalcuData missing")
        << "CalcuData missing, write-ahead log" << 1 << "" << notOurs << notOurs;
    QTest::newRow("folder") << "folder" << 1 << "" << notOurs << notOurs;
    QTest::newRow("missing") << "missing" << 1 << ""
                             << "数据库文件 %1 不存在!"
                             << "数据库文件 %1 不存在!";
    QTest::newRow("unfinished change")
        << "unfinished change, rollback journal" << 1 << ""
        << "数据库文件 %1 有一次未完成的修改(日志文件 %1-journal), 只读打开时不能恢复!"
        << "";
    QTest::newRow("log left beside it") << "log left beside it" << 0 << reports + "3\t\t\t\n"
                                        << ""
                                        << "";
    QTest::newRow("log without its index") << "log without its index" << 0 << reports + "3\t\t\t\n"
                                           << ""
                                           << "";
    QTest::newRow("at rest") << "at rest" << 0 << reports << ""
                             << "";
}

void TestHadtool::readingLeavesEveryFileAsItWas()
{
    QFETCH(QString, kind);
    QFETCH(QString, listError);
    QFETCH(QString, openError);
    TestAppDir dir;
    const QString folder = dir.filePath("Data");
    QVERIFY(QDir().mkpath(folder));
    const QString path = QDir(folder).filePath("报告.had");
    makeDamagedFile(kind, path);
    const QStringList sums = fingerprint(path);
    const QStringList entries = folderEntries(folder);

    const ProcessResult listed = runHadtoolHere({ "list", path });
    QTEST(listed.exitCode, "exitCode");
    QTEST(listed.out, "listed");
    QCOMPARE(listed.err, listError.isEmpty() ? QString() : "hadtool: " + listError.arg(path) + "\n");
    QCOMPARE(fingerprint(path), sums);
    QStringList after = folderEntries(folder);
    // SQLite builds the index of a log it reads; the log itself stays.
    if (kind == "log without its index")
        after.removeOne("报告.had-shm");
    QCOMPARE(after, entries);

    Connection connection;
    try {
        HadFile::open(connection, path);
        QVERIFY2(openError.isEmpty(), "opened");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), openError.arg(path));
        QVERIFY(!connection.isOpen());
        QCOMPARE(fingerprint(path), sums);
        QCOMPARE(folderEntries(folder), after);
    }
}

// As a user who may read the file but not change it or its folder.
void TestHadtool::listReadsFilesTheUserMayOnlyRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("folderWritable");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("listError"); // %1 is the path

    const QString reports = "1\t\t\t\n2\t\t\t\n";
    QTest::newRow("read-only file") << "at rest" << true << 0 << reports << "";
    QTest::newRow("read-only folder") << "at rest" << false << 0 << reports << "";
    QTest::newRow("log beside a file in a read-only folder")
        << "log left beside it" << false << 0 << reports + "3\t\t\t\n"
        << "";
    QTest::newRow("log without its index in a read-only folder")
        << "log without its index" << false << 1 << ""
        << "数据库文件 %1 的预写日志 %1-wal 中有尚未写入数据库的修改, 它所在的文件夹是只读的, 不能读取!";
    QTest::newRow("unfinished change in a read-only folder")
        << "unfinished change, rollback journal" << false << 1 << ""
        << "数据库文件 %1 有一次未完成的修改(日志文件 %1-journal), 只读打开时不能恢复!";
}

void TestHadtool::listReadsFilesTheUserMayOnlyRead()
{
    QFETCH(QString, kind);
    QFETCH(bool, folderWritable);
    QFETCH(QString, listError);
    if (!OtherUser::unavailable().isEmpty())
        QSKIP(qPrintable(OtherUser::unavailable()));
    TestAppDir dir;
    OtherUser::openFolder(dir.path());
    const QString folder = dir.filePath("Data");
    QVERIFY(QDir().mkpath(folder));
    const QString path = QDir(folder).filePath("报告.had");
    makeDamagedFile(kind, path);
    const QFileDevice::Permissions readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const QFileDevice::Permissions all = readable | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    const QFileDevice::Permissions passable = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    for (const QString &name : folderEntries(folder))
        QFile::setPermissions(QDir(folder).filePath(name), folderWritable ? readable : all);
    QFile::setPermissions(folder, (folderWritable ? all : readable) | passable);
    const QStringList sums = fingerprint(path);
    const QStringList entries = folderEntries(folder);

    QProcess process;
    OtherUser::prepare(process, hadtoolPath(), { "list", path });
    process.setProcessEnvironment(chineseEnvironment());
    const ProcessResult listed = runProcess(process);
    QFile::setPermissions(folder, all | passable);
    QTEST(listed.exitCode, "exitCode");
    QTEST(listed.out, "listed");
    QCOMPARE(listed.err, listError.isEmpty() ? QString() : "hadtool: " + listError.arg(path) + "\n");
    QCOMPARE(fingerprint(path), sums);
    QCOMPARE(folderEntries(folder), entries);
}

void TestHadtool::lostOutputIsAFailure()
{
    if (!QFileInfo::exists("/dev/full"))
        QSKIP("no /dev/full here");
    TestAppDir dir;
    const QString path = dir.filePath("报告.had");
    makeReports(path, 3);
    QProcess process;
    process.setProgram(hadtoolPath());
    process.setArguments({ "list", path });
    process.setProcessEnvironment(chineseEnvironment());
    process.setStandardOutputFile("/dev/full");
    const ProcessResult result = runProcess(process);
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.startsWith("hadtool: 写标准输出错误: "), qPrintable(result.err));
}

void TestHadtool::newRefusesBadPathsBeforeTouchingAnything_data()
{
    QTest::addColumn<QString>("argument"); // relative to the working folder
    QTest::addColumn<QString>("error"); // %1 is the absolute path
    QTest::newRow("empty path") << ""
                                << "没有给出数据库文件名!";
    QTest::newRow("folder") << "Data"
                            << "数据库 %1 是文件夹, 不能作为数据库文件!";
    QTest::newRow("folder, with a slash") << "Data/"
                                          << "数据库 %1 是文件夹, 不能作为数据库文件!";
    QTest::newRow("missing folder") << "No/x.had"
                                    << "不能创建数据库 %1\n文件夹 %2/No 不存在!";
    QTest::newRow("log name is a folder") << "blocked.had"
                                          << "不能创建数据库 %1\n%1-wal 不是文件, 不能作为它的日志文件!";
}

void TestHadtool::newRefusesBadPathsBeforeTouchingAnything()
{
    QFETCH(QString, argument);
    QFETCH(QString, error);
    TestAppDir dir;
    // Journal names without a database: "new" of an empty name took them for its own.
    for (const char *name : { "-wal", "-shm", "-journal" })
        dir.writeFile(name, "not mine");
    QVERIFY(QDir().mkpath(dir.filePath("Data")));
    QVERIFY(QDir().mkpath(dir.filePath("blocked.had-wal")));
    const QStringList entries = folderEntries(dir.path());
    for (const bool force : { false, true }) {
        const ProcessResult result = runHadtoolHere(
            force ? QStringList { "new", "--force", argument } : QStringList { "new", argument },
            { .workingFolder = dir.path() });
        QCOMPARE(result.exitCode, 1);
        const QString path = QDir(dir.path()).absoluteFilePath(argument);
        QCOMPARE(
            result.err, "hadtool: " + QString(error).replace("%2", dir.path()).replace("%1", path) + "\n");
        QCOMPARE(folderEntries(dir.path()), entries);
        QCOMPARE(folderEntries(dir.filePath("Data")), QStringList());
        QCOMPARE(dir.readFile("-wal"), QByteArray("not mine"));
    }
}

void TestHadtool::failedNewLeavesNoFileUnderItsName_data()
{
    QTest::addColumn<bool>("killed");
    QTest::newRow("disk full half-way") << false;
    QTest::newRow("killed half-way") << true;
}

// A file size limit stops the creation after its first page: the write
// fails (disk full), or the signal of the limit kills the program.
void TestHadtool::failedNewLeavesNoFileUnderItsName()
{
    QFETCH(bool, killed);
    TestAppDir dir;
    const QString path = dir.filePath("新.had");
    QProcess process;
    process.setProgram(hadtoolPath());
    process.setArguments({ "new", path });
    process.setProcessEnvironment(chineseEnvironment());
    process.setChildProcessModifier([killed] {
        const rlimit limit { 8192, 8192 };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, killed ? SIG_DFL : SIG_IGN);
    });
    process.start();
    QVERIFY(process.waitForFinished(60000));
    QVERIFY(!QFileInfo::exists(path));
    if (killed) {
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    } else {
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.startsWith("hadtool: 不能创建数据库 " + path + "\n") && err.count('\n') == 2,
            qPrintable(err));
        QCOMPARE(folderEntries(dir.path()), QStringList());
    }
    // The name is free for the next attempt.
    QCOMPARE(runHadtool({ "new", path }).exitCode, 0);
    const ProcessResult listed = runHadtool({ "list", path });
    QCOMPARE(listed.exitCode, 0);
    QCOMPARE(listed.err, QString());
}

void TestHadtool::forcedNewRefusesAFileInUse_data()
{
    QTest::addColumn<QString>("journalMode");
    QTest::addColumn<QString>("hold");
    QTest::newRow("open, write-ahead log") << "WAL"
                                           << "";
    QTest::newRow("reading, write-ahead log") << "WAL"
                                              << "BEGIN";
    QTest::newRow("writing, write-ahead log") << "WAL"
                                              << "BEGIN IMMEDIATE";
    QTest::newRow("open, rollback journal") << "DELETE"
                                            << "";
    QTest::newRow("reading, rollback journal") << "DELETE"
                                               << "BEGIN";
    QTest::newRow("writing, rollback journal") << "DELETE"
                                               << "BEGIN IMMEDIATE";
}

// Another program (here a second connection) has the file open: "new
// --force" leaves it alone until that program lets go.
void TestHadtool::forcedNewRefusesAFileInUse()
{
    QFETCH(QString, journalMode);
    QFETCH(QString, hold);
    TestAppDir dir;
    const QString path = dir.filePath("报告.had");
    makeReports(path, 2);
    // This process must not open the file by other means while the second
    // connection holds it: closing any descriptor of the file would drop
    // the locks of that connection.
    const auto reportCount = [](Connection &connection) {
        QSqlQuery count = connection.run("select count(*) from ProjectTab");
        return count.next() ? count.value(0).toInt() : -1;
    };
    {
        Connection other;
        HadFile::open(other, path);
        other.run("PRAGMA journal_mode=" + journalMode);
        if (!hold.isEmpty())
            other.execute(hold);
        QCOMPARE(reportCount(other), 2);

        const ProcessResult refused = runHadtool({ "new", "--force", path });
        QCOMPARE(refused.exitCode, 1);
        QVERIFY2(refused.err.contains("不能删除数据库 " + path + "\n"), qPrintable(refused.err));
        QCOMPARE(reportCount(other), 2);
        if (!hold.isEmpty())
            other.execute("COMMIT");
    }
    {
        Connection again;
        HadFile::open(again, path);
        QCOMPARE(reportCount(again), 2);
    }
    const ProcessResult replaced = runHadtool({ "new", "--force", path });
    QCOMPARE(replaced.exitCode, 0);
    QCOMPARE(runHadtool({ "list", path }).out, QString());
    QCOMPARE(folderEntries(dir.path()), QStringList { "报告.had" });
}

QTEST_GUILESS_MAIN(TestHadtool)
#include "tst_hadtool.moc"

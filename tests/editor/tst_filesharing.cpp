#include "base/apperror.h"
#include "db/hadfile.h"
#include "editor/datamoduleaccess.h"
#include "editor/searchsheet.h"
#include "runprogram.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QStandardPaths>
#include <QtTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// A report window on a file that other code of this process (a file
// dialog guessing the file's type, an icon provider) and other programs
// open and close while the window works on it.
class TestFileSharing : public QObject
{
    Q_OBJECT

private slots:
    void windowHoldsNoLockBetweenCommands_data();
    void windowHoldsNoLockBetweenCommands();
    void savesReachAnotherProgramWhileTheFileIsOpenedAndClosed();
    void fileInUseWithAWriteAheadLogIsRefused();
};

namespace {

const QList<Columns> Reports = {
    { { "FileNo", "2024-001" }, { "Client", "甲" }, { "Address", "广州路1号" } },
    { { "FileNo", "2024-002" }, { "Client", "乙" }, { "Address", "南宁路2号" } },
};

// The POSIX locks this process holds on a file, as /proc/locks lists them.
QStringList posixLocksOn(const QString &path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return { QStringLiteral("cannot stat ") + path };
    const QString file = QString::asprintf("%02x:%02x:%llu", major(info.st_dev), minor(info.st_dev),
        static_cast<unsigned long long>(info.st_ino));
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly | QIODevice::Text))
        return { QStringLiteral("cannot read /proc/locks") };
    QStringList held;
    const QString pid = QString::number(::getpid());
    for (const QByteArray &line : locks.readAll().split('\n')) {
        const QStringList fields = QString::fromLatin1(line).simplified().split(u' ');
        if (fields.size() >= 6 && fields.at(1) == u"POSIX" && fields.at(4) == pid && fields.at(5) == file)
            held << QString::fromLatin1(line);
    }
    return held;
}

// What a file dialog does to guess a file's type: open it, read its first
// bytes, close it.
void peekAt(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(16).size(), 16);
}

// The journal mode the file's header gives: 1 rollback journal, 2 WAL.
int headerJournalMode(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(20);
    return header.size() == 20 && header.at(18) == header.at(19) ? header.at(18) : -1;
}

void useWriteAheadLog(ReportsFile &file)
{
    QSqlQuery mode = file.connection.run("PRAGMA journal_mode=WAL");
    QVERIFY(mode.next());
    QCOMPARE(mode.value(0).toString(), "wal");
}

QString sqlite3()
{
    return QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
}

// Another program working on the file: the sqlite3 shell, which waits for
// the file's locks as a second copy of this program would.
QString otherProgram(const QString &path, const QString &sql)
{
    const ProcessResult result = runProgram(sqlite3(), { "-bail", "-cmd", ".timeout 10000", path, sql });
    if (result.exitCode != 0)
        return QStringLiteral("<sqlite3 failed: %1%2>").arg(result.err, result.out);
    return result.out.trimmed();
}

} // namespace

void TestFileSharing::windowHoldsNoLockBetweenCommands_data()
{
    QTest::addColumn<bool>("writeAheadLog"); // the file as an older copy of the program left it
    QTest::newRow("rollback journal") << false;
    QTest::newRow("write-ahead log") << true;
}

// Between two commands the window holds no lock on its file, so that
// nothing that opens and closes the file in this process can drop one
// that matters. A file in write-ahead log mode is turned into one with a
// rollback journal when the window opens it.
void TestFileSharing::windowHoldsNoLockBetweenCommands()
{
    QFETCH(bool, writeAheadLog);
    ReportsFile file(Reports);
    if (writeAheadLog)
        useWriteAheadLog(file);
    file.reports.close();
    file.connection.close();

    auto w = openReportWindow(file.path);
    QCOMPARE(posixLocksOn(file.path), QStringList());
    QCOMPARE(headerJournalMode(file.path), 1);
    QVERIFY(!QFileInfo::exists(file.path + "-wal"));
    QVERIFY(!QFileInfo::exists(file.path + "-shm"));
    QCOMPARE(listed(w.get()), QStringList({ "2024-001", "2024-002" }));

    w->setControlText("Client", "丙");
    w->saveReport();
    QCOMPARE(posixLocksOn(file.path), QStringList());

    w->setControlText("LinkMan", "丁");
    w->StoreReport(w->ReportQuery());
    QVERIFY(dataModule().MoveNext(w->ReportQuery()));
    w->showReport(w->ReportQuery());
    QCOMPARE(textOf(w.get(), "labedtFileNo"), "2024-002");
    QCOMPARE(posixLocksOn(file.path), QStringList());

    w->GoToReport(0);
    QCOMPARE(posixLocksOn(file.path), QStringList());

    w->searchSheet()->findChild<QButtonGroup *>()->button(1)->setChecked(true);
    w->searchSheet()->findChild<QComboBox *>("ComboBoxEx1")->setEditText("南宁");
    w->search();
    QCOMPARE(listed(w.get()), QStringList { "2024-002" });
    QCOMPARE(posixLocksOn(file.path), QStringList());

    HadFile::open(file.connection, file.path);
    QCOMPARE(file.stored("Client"), QStringList({ "丙", "乙" }));
    QCOMPARE(file.stored("LinkMan"), QStringList({ "丁", "" }));
}

// The window saves while code of this process opens and closes the file
// and another program reads and writes it: every save reaches the file
// that the other program sees, and the file stays whole.
void TestFileSharing::savesReachAnotherProgramWhileTheFileIsOpenedAndClosed()
{
    if (sqlite3().isEmpty())
        QSKIP("the sqlite3 shell is missing (scripts/install-deps.sh installs it)");
    ReportsFile file(Reports);
    file.reports.close();
    file.connection.close();
    auto w = openReportWindow(file.path);
    const QString firstClient = "select Client from ProjectTab order by ID limit 1";

    for (int round = 1; round <= 3; ++round) {
        peekAt(file.path);
        const QString client = QStringLiteral("委托人%1").arg(round);
        w->setControlText("Client", client);
        w->saveReport();
        QCOMPARE(otherProgram(file.path, firstClient), client);
        QCOMPARE(otherProgram(file.path,
                     QStringLiteral("insert into CalcuData (FileNo, PartNumber) values ('外部', '%1');"
                                    "select count(*) from CalcuData where FileNo = '外部'")
                         .arg(round)),
            QString::number(round));
        peekAt(file.path);
    }
    w->setControlText("Client", "最后");
    w->saveReport();
    w.reset();

    QCOMPARE(otherProgram(file.path, "PRAGMA integrity_check"), "ok");
    QCOMPARE(otherProgram(file.path, firstClient), "最后");
    QCOMPARE(otherProgram(file.path, "select group_concat(PartNumber) from CalcuData where FileNo = '外部'"),
        "1,2,3");
}

// A program that keeps the file open in write-ahead log mode (an older
// copy of this one) would lose the protection of the rollback journal:
// the window refuses the file until that program lets go, and changes
// nothing.
void TestFileSharing::fileInUseWithAWriteAheadLogIsRefused()
{
    ReportsFile file(Reports);
    useWriteAheadLog(file);
    file.reports.open();
    QCOMPARE(file.reports.recordCount(), 2); // the reading holds the log open
    try {
        openReportWindow(file.path);
        QFAIL("opened");
    } catch (const AppError &e) {
        QCOMPARE(e.message(),
            "数据库文件 " + file.path + " 正被其他程序以预写日志方式打开, 不能打开! 请先关闭那个程序。");
    }
    QCOMPARE(headerJournalMode(file.path), 2);
    QCOMPARE(file.stored("FileNo"), QStringList({ "2024-001", "2024-002" }));

    file.reports.close();
    file.connection.close();
    auto w = openReportWindow(file.path);
    QCOMPARE(headerJournalMode(file.path), 1);
    QCOMPARE(listed(w.get()), QStringList({ "2024-001", "2024-002" }));
}

QTEST_MAIN(TestFileSharing)
#include "tst_filesharing.moc"

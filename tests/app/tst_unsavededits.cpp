#include "app/mainform.h"
#include "base/prompt.h"
#include "db/hadfile.h"
#include "db/recoveryrecord.h"
#include "editor/componenttable.h"
#include "promptcheck.h"
#include "testframe.h"
#include "windowfixture.h"

#include <QProcess>
#include <QTimer>
#include <QtTest>

#include <cstdio>

// Unsaved edits outlive a crash: a modified report window keeps them in a
// recovery record in Temp, written by its auto-save timer and when it is
// left, removed when the edits are saved or dropped; the next start offers
// each record left behind.
class TestUnsavedEdits : public QObject
{
    Q_OBJECT

private slots:
    void recordFollowsUnsavedEdits_data();
    void recordFollowsUnsavedEdits();
    void startOffersRecordsLeftBehind_data();
    void startOffersRecordsLeftBehind();
    void damagedRecordIsToldAndKept();
    void editSurvivesKill();
};

namespace {

// Set in the copy of this test that edits and is killed: the program folder.
const char *const KilledRunFolder = "APPRAISAL_KILLED_RUN_FOLDER";

const QString RecoveredContact = QStringLiteral("断电前的联系人");

QStringList recordsIn(const TestAppDir &dir)
{
    return RecoveryRecords::found(dir.path());
}

struct TwoReports : ReportsFile
{
    TwoReports()
        : ReportsFile({ { { "FileNo", "1" }, { "LinkMan", "旧联系人" }, { "Address", "晨岭路 1 号" } },
            { { "FileNo", "2" }, { "LinkMan", "乙" } } })
    {
        addRows("1", { componentRow(1, "承重结构", "墙段") });
        reports.close();
    }
};

// The first report of the file edited as a user edits it.
void edit(TfrmChildWin *window)
{
    window->setControlText("LinkMan", RecoveredContact);
    window->componentPage()->showRows({ componentRow(1, "围护结构", "门窗") });
}

QTimer *autoSaveTimer(TfrmChildWin *window)
{
    return window->findChild<QTimer *>("timerAutoSave");
}

} // namespace

void TestUnsavedEdits::recordFollowsUnsavedEdits_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("ending");
    for (const char *writer : { "timer", "deactivation" })
        for (const char *ending : { "save", "close, 是", "close, 否", "frame gone, edits dropped" })
            QTest::addRow("%s, %s", writer, ending) << writer << ending;
}

void TestUnsavedEdits::recordFollowsUnsavedEdits()
{
    QFETCH(QString, writer);
    QFETCH(QString, ending);
    TwoReports file;
    TestFrame form = showFrameOver(file.dir.path());
    TfrmChildWin *window = form->OpenReportWindow(file.path);
    QTimer *timer = autoSaveTimer(window);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 5 * 60 * 1000);
    const auto write = [&] {
        if (writer == "timer") {
            timer->setInterval(1);
            QTest::qWait(50);
        } else {
            window->deactivated();
        }
    };

    write(); // nothing to keep yet
    QVERIFY(recordsIn(file.dir).isEmpty());

    edit(window);
    QVERIFY(window->Modified());
    write();
    QCOMPARE(recordsIn(file.dir), QStringList { window->recoveryPath() });
    const RecoveryRecord record = RecoveryRecords::read(window->recoveryPath());
    QCOMPARE(record.database, file.path);
    QCOMPARE(record.storedNumber, "1");
    QCOMPARE(record.texts.text("LinkMan"), RecoveredContact);
    QCOMPARE(record.texts.text("Address"), "晨岭路 1 号");
    QCOMPARE(record.rows.first()[ComponentColumn::Part], "围护结构");
    QCOMPARE(file.stored("LinkMan"), (QStringList { "旧联系人", "乙" })); // nothing saved
    timer->setInterval(60 * 60 * 1000);

    if (ending == "save") {
        window->saveReport();
    } else if (ending.startsWith("close")) {
        Prompt::setNextAnswer(ending.endsWith("是") ? PromptButton::Yes : PromptButton::No);
        window->close();
        deleteClosedWindows();
    } else {
        form.reset();
    }
    QVERIFY(recordsIn(file.dir).isEmpty());
    const bool saved = ending == "save" || ending.endsWith("是");
    QCOMPARE(file.stored("LinkMan").first(), saved ? RecoveredContact : "旧联系人");
}

void TestUnsavedEdits::startOffersRecordsLeftBehind_data()
{
    QTest::addColumn<QString>("change"); // to the database since the record
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("note"); // in the question
    QTest::addColumn<bool>("shown"); // the edits in a window
    QTest::addColumn<bool>("kept"); // the record
    const int yes = int(PromptButton::Yes), no = int(PromptButton::No), cancel = int(PromptButton::Cancel);
    QTest::newRow("是") << "" << yes << "" << true << false;
    QTest::newRow("否") << "" << no << "" << false << false;
    QTest::newRow("取消") << "" << cancel << "" << false << true;
    QTest::newRow("report deleted, 是")
        << "delete" << yes << "此报告已从数据库中删除，恢复后作为新报告显示。" << true << false;
    QTest::newRow("report deleted, 取消") << "delete" << cancel << "此报告已从数据库中删除" << false << true;
    QTest::newRow("database gone, 是") << "remove" << yes << "此数据库已不存在" << false << true;
    QTest::newRow("database gone, 否") << "remove" << no << "此数据库已不存在" << false << false;
}

void TestUnsavedEdits::startOffersRecordsLeftBehind()
{
    QFETCH(QString, change);
    QFETCH(int, answer);
    QFETCH(QString, note);
    QFETCH(bool, shown);
    QFETCH(bool, kept);
    TwoReports file;
    QString recordPath;
    {
        TestFrame form = showFrameOver(file.dir.path());
        TfrmChildWin *window = form->OpenReportWindow(file.path);
        edit(window);
        window->keepUnsavedEdits();
        recordPath = window->recoveryPath();
        // As a crash leaves it: the record stays behind.
        QVERIFY(QFile::copy(recordPath, recordPath + ".left"));
    }
    QVERIFY(QFile::rename(recordPath + ".left", recordPath));
    if (change == "delete") {
        Connection connection;
        HadFile::open(connection, file.path);
        connection.execute("delete from ProjectTab where FileNo = '1'");
    }
    if (change == "remove")
        QVERIFY(QFile::remove(file.path));
    const QStringList before = change == "remove" ? QStringList() : file.stored("LinkMan");

    Prompt::reset();
    Prompt::setNextAnswer(PromptButton(answer));
    TestFrame form = showFrameOver(file.dir.path());
    QVERIFY(!Prompt::shown().isEmpty());
    const PromptRecord question = Prompt::shown().first();
    QCOMPARE(question.icon, PromptIcon::Question);
    QCOMPARE(question.caption, AppTitle);
    QVERIFY2(question.text.startsWith(
                 "发现未保存的修改：\n数据库: " + file.path + "\n报告: 编号 1，地址 晨岭路 1 号\n记于 "),
        qPrintable(question.text));
    QVERIFY2(question.text.endsWith("\n恢复吗?") && question.text.contains(note), qPrintable(question.text));
    QVERIFY(question.buttons == (PromptButton::Yes | PromptButton::No | PromptButton::Cancel));
    if (change == "remove" && answer == int(PromptButton::Yes))
        QVERIFY2(Prompt::shown().size() == 2, "opening the missing database says why");

    QCOMPARE(QFile::exists(recordPath), kept);
    TfrmChildWin *window = form->activeReportWindow();
    QCOMPARE(window != nullptr, shown);
    if (shown) {
        QVERIFY(window->Modified());
        QCOMPARE(textOf(window, "labedtLinkMan"), RecoveredContact);
        QCOMPARE(textOf(window, "labedtAddress2"), "晨岭路 1 号");
        QCOMPARE(window->componentPage()->rows().first()[ComponentColumn::Name], "门窗");
        // Not saved, but kept again by the window itself.
        QCOMPARE(file.stored("LinkMan"), before);
        QCOMPARE(recordsIn(file.dir), QStringList { window->recoveryPath() });
        window->saveReport();
        QVERIFY(file.stored("LinkMan").contains(RecoveredContact));
        QVERIFY(recordsIn(file.dir).isEmpty());
    }
}

void TestUnsavedEdits::damagedRecordIsToldAndKept()
{
    TestAppDir dir;
    dir.writeFile("Temp/unsaved-damaged.json", "{\"format\": \"house-appraisal unsaved ed");
    TestFrame form = showFrameOver(dir.path());
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Warning);
    QVERIFY2(Prompt::shown().first().text.startsWith(
                 "恢复记录 " + dir.filePath("Temp/unsaved-damaged.json") + " 已损坏: "),
        qPrintable(Prompt::shown().first().text));
    QVERIFY(Prompt::shown().first().text.endsWith("\n此记录保留在原处。"));
    QCOMPARE(
        dir.readFile("Temp/unsaved-damaged.json"), QByteArray("{\"format\": \"house-appraisal unsaved ed"));
}

// A copy of this test opens the real frame, edits a report and waits; the
// auto-save timer writes the record and the copy is killed with SIGKILL
// before any save. The next start offers the edits, and 是 shows them.
void TestUnsavedEdits::editSurvivesKill()
{
    if (qEnvironmentVariableIsSet(KilledRunFolder)) {
        const QString appDir = qEnvironmentVariable(KilledRunFolder);
        TestFrame form = showFrameOver(appDir);
        TfrmChildWin *window = form->OpenReportWindow(QDir(appDir).filePath("Data/报告.had"));
        edit(window);
        autoSaveTimer(window)->setInterval(100);
        QTRY_VERIFY(QFile::exists(window->recoveryPath()));
        std::fputs("edits kept\n", stdout);
        std::fflush(stdout);
        QTest::qWait(120000); // killed long before
        QFAIL("not killed");
    }

    TwoReports file;
    const QByteArray database = file.dir.readFile("Data/报告.had");
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({ "editSurvivesKill" });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(KilledRunFolder, file.dir.path());
    child.setProcessEnvironment(environment);
    child.start();
    QVERIFY(child.waitForStarted());
    QByteArray out;
    while (!out.contains("edits kept\n") && child.state() == QProcess::Running) {
        child.waitForReadyRead(1000);
        out += child.readAllStandardOutput();
    }
    QVERIFY2(out.contains("edits kept\n"), (out + child.readAllStandardError()).constData());
    child.kill(); // SIGKILL
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(recordsIn(file.dir).size(), 1);
    QCOMPARE(file.stored("LinkMan"), (QStringList { "旧联系人", "乙" }));

    Prompt::setNextAnswer(PromptButton::Yes);
    TestFrame form = showFrameOver(file.dir.path());
    QCOMPARE(Prompt::shown().size(), 1);
    QVERIFY(Prompt::shown().first().text.startsWith("发现未保存的修改："));
    TfrmChildWin *window = form->activeReportWindow();
    QVERIFY(window);
    QVERIFY(window->Modified());
    QCOMPARE(textOf(window, "labedtLinkMan"), RecoveredContact);
    QCOMPARE(textOf(window, "labedtFileNo"), "1");
    QCOMPARE(window->componentPage()->rows().first()[ComponentColumn::Part], "围护结构");
    QCOMPARE(file.stored("LinkMan"), (QStringList { "旧联系人", "乙" }));
}

QTEST_MAIN(TestUnsavedEdits)
#include "tst_unsavededits.moc"

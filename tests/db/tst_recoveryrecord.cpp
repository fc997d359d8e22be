#include "base/apperror.h"
#include "db/hadfile.h"
#include "db/recoveryrecord.h"
#include "reportfile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

// The recovery record of a report window's unsaved edits: written and read
// back whole, damaged ones refused with a message and left in place, and
// where its report stands in its database.
class TestRecoveryRecord : public QObject
{
    Q_OBJECT

private slots:
    void writtenRecordReadsBackWhole();
    void damagedRecordIsRefusedAndKept_data();
    void damagedRecordIsRefusedAndKept();
    void recordsAreFoundOldestFirstAndRemoved();
    void targetTellsWhereTheReportStands_data();
    void targetTellsWhereTheReportStands();
};

namespace {

RecoveryRecord sampleRecord(const QString &database)
{
    RecoveryRecord record;
    record.database = database;
    record.row = 2;
    record.storedNumber = "A-2";
    for (const ReportFields::Binding &b : ReportFields::bindings())
        record.texts.setText(b.column, QString());
    record.texts.setText("FileNo", "A-2 新");
    record.texts.setText("Address", "晨岭路 8 号");
    record.texts.setText("ApprCircs", "第一行\r\n第二行 \"引号\" \\ 斜线");
    record.texts.setText("BuildAreaHowff", "120.5");
    record.texts.values.remove("TrustDate");
    record.texts.values.remove("ApprDate");
    record.texts.trustDate = QDate(2024, 2, 29);
    record.texts.apprDate = QDate(2025, 12, 1);
    record.rows = { ComponentRow { "1", "承重结构", "墙段", "砖", "10", "2", "4.2.1" },
        ComponentRow { "2", "", "", "", "", "", "" } };
    record.written = QDateTime(QDate(2026, 12, 10), QTime(19, 5, 7, 250));
    return record;
}

// A record whose first component row holds the given cells.
QByteArray withFirstRow(const QByteArray &record, const QStringList &cells)
{
    QJsonObject top = QJsonDocument::fromJson(record).object();
    QJsonArray rows = top.value("components").toArray();
    rows.replace(0, QJsonArray::fromStringList(cells));
    top.insert("components", rows);
    return QJsonDocument(top).toJson();
}

} // namespace

void TestRecoveryRecord::writtenRecordReadsBackWhole()
{
    TestAppDir dir;
    const QString path = RecoveryRecords::newPath(dir.path());
    QCOMPARE(QFileInfo(path).absolutePath(), dir.filePath("Temp"));
    QVERIFY(path != RecoveryRecords::newPath(dir.path()));

    const RecoveryRecord written = sampleRecord(dir.filePath("Data/报告.had"));
    RecoveryRecords::write(path, written); // Temp does not exist yet
    const RecoveryRecord read = RecoveryRecords::read(path);
    QCOMPARE(read.database, written.database);
    QCOMPARE(read.newReport, false);
    QCOMPARE(read.row, written.row);
    QCOMPARE(read.storedNumber, written.storedNumber);
    QCOMPARE(read.texts.values, written.texts.values);
    QCOMPARE(read.texts.trustDate, written.texts.trustDate);
    QCOMPARE(read.texts.apprDate, written.texts.apprDate);
    QCOMPARE(read.rows, written.rows);
    QCOMPARE(read.written, written.written);

    // The document names what it is, for a person who finds it in Temp.
    const QByteArray json = dir.readFile(QDir(dir.path()).relativeFilePath(path));
    QVERIFY(json.contains("\"format\": \"house-appraisal unsaved edits\""));
    QVERIFY(json.contains("\"TrustDate\": \"2024-02-29\""));
}

void TestRecoveryRecord::damagedRecordIsRefusedAndKept_data()
{
    const QByteArray whole = sampleRecord("/x/报告.had").toJson();
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("cut short") << whole.left(whole.size() / 2) << "";
    QTest::newRow("not JSON") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "";
    QTest::newRow("another document")
        << QByteArray("{\"format\": \"x\", \"version\": 1}") << "不是本程序的恢复记录";
    QTest::newRow("later version") << QByteArray(whole).replace("\"version\": 1", "\"version\": 2")
                                   << "不是本程序的恢复记录";
    QTest::newRow("no database") << QByteArray(whole).replace("\"database\"", "\"base\"")
                                 << "\"database\" 不是文字";
    QTest::newRow("field missing") << QByteArray(whole).replace("\"Address\"", "\"Adres\"")
                                   << "\"Address\" 不是文字";
    QTest::newRow("field a number") << QByteArray(whole).replace("\"120.5\"", "120.5")
                                    << "\"BuildAreaHowff\" 不是文字";
    QTest::newRow("bad date") << QByteArray(whole).replace("2024-02-29", "2023-02-29")
                              << "日期 \"2023-02-29\" 无效";
    QTest::newRow("short row") << withFirstRow(whole, { "1", "承重结构" }) << "构件表的一行不是 7 格";
    QTest::newRow("cell a number") << QByteArray(whole).replace("\"4.2.1\"", "421") << "构件表的一格不是文字";
    QTest::newRow("no rows") << QByteArray(whole).replace("\"components\"", "\"parts\"") << "没有构件表";
}

void TestRecoveryRecord::damagedRecordIsRefusedAndKept()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    TestAppDir dir;
    dir.writeFile("Temp/unsaved-x.json", bytes);
    const QString path = dir.filePath("Temp/unsaved-x.json");
    try {
        RecoveryRecords::read(path);
        QFAIL("a damaged record was read");
    } catch (const AppError &error) {
        QVERIFY2(error.message().startsWith("恢复记录 " + QDir::toNativeSeparators(path) + " 已损坏: "),
            qPrintable(error.message()));
        QVERIFY2(error.message().endsWith(reason), qPrintable(error.message()));
    }
    QCOMPARE(dir.readFile("Temp/unsaved-x.json"), bytes);
}

void TestRecoveryRecord::recordsAreFoundOldestFirstAndRemoved()
{
    TestAppDir dir;
    QVERIFY(RecoveryRecords::found(dir.path()).isEmpty()); // no Temp folder
    const QString older = dir.filePath("Temp/unsaved-b.json");
    const QString newer = dir.filePath("Temp/unsaved-a.json");
    RecoveryRecords::write(older, sampleRecord("/x.had"));
    RecoveryRecords::write(newer, sampleRecord("/y.had"));
    dir.writeFile("Temp/print.pdf", "%PDF");
    QFile file(older);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(RecoveryRecords::found(dir.path()), (QStringList { older, newer }));

    RecoveryRecords::remove(older);
    RecoveryRecords::remove(older); // already gone
    QCOMPARE(RecoveryRecords::found(dir.path()), QStringList { newer });
}

void TestRecoveryRecord::targetTellsWhereTheReportStands_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("target");
    using T = RecoveryRecords::Target;
    QTest::newRow("stored") << "" << int(T::Report);
    QTest::newRow("new report") << "new" << int(T::NewReport);
    QTest::newRow("deleted") << "delete" << int(T::DeletedReport);
    QTest::newRow("number changed by another window") << "renumber" << int(T::DeletedReport);
    QTest::newRow("database gone") << "remove file" << int(T::MissingDatabase);
}

void TestRecoveryRecord::targetTellsWhereTheReportStands()
{
    QFETCH(QString, change);
    QFETCH(int, target);
    ReportFile file(3);
    file.reports.next();
    RecoveryRecord record = sampleRecord(file.path);
    record.row = file.reports.bookmark();
    record.storedNumber = "2";
    record.newReport = change == "new";
    if (change == "delete")
        file.reports.deleteRecord();
    if (change == "renumber") {
        file.reports.edit();
        file.reports.setString("FileNo", "7");
        file.reports.post();
    }
    file.reports.close();
    file.connection.close();
    const QByteArray before = file.dir.readFile("test.had");
    if (change == "remove file")
        QVERIFY(QFile::remove(file.path));
    QCOMPARE(int(RecoveryRecords::target(record)), target);
    if (change != "remove file")
        QCOMPARE(file.dir.readFile("test.had"), before);
}

QTEST_MAIN(TestRecoveryRecord)
#include "tst_recoveryrecord.moc"

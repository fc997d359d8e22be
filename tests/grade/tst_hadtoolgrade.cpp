#include "db/componentrows.h"
#include "reportfile.h"
#include "runprogram.h"
#include "testenv.h"

#include <QtTest>

// hadtool grade, run as the built program, on table files, on standard
// input and on the reports of a database.
class TestHadtoolGrade : public QObject
{
    Q_OBJECT

private slots:
    void tableFile_data();
    void tableFile();
    void standardInput();
    void storedReport_data();
    void storedReport();
    void failures_data();
    void failures();
};

namespace {

const QByteArray WorkedExample = "地基基础\t基础\t砌体\t10\t0\t\n"
                                 "承重结构\t柱\t混凝土\t20\t2\t4.5.3-1\n"
                                 "承重结构\t墙段\t砌体\t30\t3\t4.3.3-2\n"
                                 "承重结构\t主梁\t混凝土\t10\t1\t4.5.3-3\n"
                                 "承重结构\t板\t混凝土\t40\t0\t\n"
                                 "围护结构\t围护构件\t砌体\t50\t10\t4.3.3-6\n";

const QString WorkedExampleLines
    = "地基基础中,危险构件的百分数＝0%; μa＝1.00, μb＝0.00, μc＝0.00, μd＝0.00\n"
      "承重结构中,危险构件的百分数＝8%; μa＝0.00, μb＝0.88, μc＝0.12, μd＝0.00\n"
      "围护结构中,危险构件的百分数＝20%; μa＝0.00, μb＝0.40, μc＝0.60, μd＝0.00\n"
      "\n"
      "整体隶属度为： μA＝0.30, μB＝0.60, μC＝0.12, μD＝0.00\n"
      "\n"
      "综上所述,该房屋的危险性等级为B级\n";

} // namespace

void TestHadtoolGrade::tableFile_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("expected");
    QTest::newRow("worked example") << WorkedExample << WorkedExampleLines;
    QByteArray crlf = WorkedExample;
    crlf.replace("\n", "\r\n");
    QTest::newRow("CR LF line ends") << crlf << WorkedExampleLines;
    // A header, empty lines and short lines are rows that are not counted;
    // cells missing at the end of a line are empty.
    QTest::newRow("byte order mark, header, empty and short lines, no final line end")
        << "\xEF\xBB\xBF房屋组成部份\t构件名称\t构件结构\t构件总数\t危险构件数\t对应条文\n\n\r\n承重结构\n楼"
           "梯\t\n"
            + WorkedExample.chopped(1)
        << WorkedExampleLines;
    QTest::newRow("five cells")
        << QByteArray("地基基础\t基础\t砌体\t2\t2")
        << "地基基础中,危险构件的百分数＝100%; μa＝0.00, μb＝0.00, μc＝0.00, μd＝1.00\n"
           "承重结构中,危险构件的百分数＝0%; μa＝1.00, μb＝0.00, μc＝0.00, μd＝0.00\n"
           "围护结构中,危险构件的百分数＝0%; μa＝1.00, μb＝0.00, μc＝0.00, μd＝0.00\n"
           "\n"
           "整体隶属度为： μA＝0.60, μB＝0.00, μC＝0.00, μD＝0.30\n"
           "\n"
           "综上所述,该房屋的危险性等级为D\n";
    QTest::newRow("empty file") << QByteArray()
                                << "地基基础中,危险构件的百分数＝0%; μa＝1.00, μb＝0.00, μc＝0.00, μd＝0.00\n"
                                   "承重结构中,危险构件的百分数＝0%; μa＝1.00, μb＝0.00, μc＝0.00, μd＝0.00\n"
                                   "围护结构中,危险构件的百分数＝0%; μa＝1.00, μb＝0.00, μc＝0.00, μd＝0.00\n"
                                   "\n"
                                   "整体隶属度为： μA＝0.60, μB＝0.00, μC＝0.00, μD＝0.00\n"
                                   "\n"
                                   "综上所述,该房屋的危险性等级为A级\n";
}

void TestHadtoolGrade::tableFile()
{
    QFETCH(QByteArray, table);
    QFETCH(QString, expected);
    TestAppDir dir;
    dir.writeFile("表 1.tsv", table);
    const ProcessResult result = runHadtool({ "grade", "--table", dir.filePath("表 1.tsv") });
    QCOMPARE(result.err, QString());
    QCOMPARE(result.out, expected);
    QCOMPARE(result.exitCode, 0);
}

void TestHadtoolGrade::standardInput()
{
    const ProcessResult result = runHadtool({ "grade", "--table", "-" }, { .input = WorkedExample });
    QCOMPARE(result.err, QString());
    QCOMPARE(result.out, WorkedExampleLines);
    QCOMPARE(result.exitCode, 0);
}

void TestHadtoolGrade::storedReport_data()
{
    QTest::addColumn<QStringList>("choice");
    QTest::addColumn<QString>("expected");
    const QString report036 = "地基基础中,危险构件的百分数＝7%; μa＝0.00, μb＝0.92, μc＝0.08, μd＝0.00\n"
                              "承重结构中,危险构件的百分数＝18%; μa＝0.00, μb＝0.48, μc＝0.52, μd＝0.00\n"
                              "围护结构中,危险构件的百分数＝13%; μa＝0.00, μb＝0.68, μc＝0.32, μd＝0.00\n"
                              "\n"
                              "整体隶属度为： μA＝0.00, μB＝0.48, μC＝0.52, μD＝0.00\n"
                              "\n"
                              "综上所述,该房屋的危险性等级为C级\n";
    QTest::newRow("by number") << QStringList { "--file-no", "2004-036" } << report036;
    QTest::newRow("by position") << QStringList { "--index", "3" } << report036;
    QTest::newRow("special D")
        << QStringList { "--file-no=2004-071" }
        << "地基基础中,危险构件的百分数＝0%; μa＝1.00, μb＝0.00, μc＝0.00, μd＝0.00\n"
           "承重结构中,危险构件的百分数＝100%; μa＝0.00, μb＝0.00, μc＝0.00, μd＝1.00\n"
           "围护结构中,危险构件的百分数＝70%; μa＝0.00, μb＝0.00, μc＝0.43, μd＝0.57\n"
           "\n"
           "整体隶属度为： μA＝0.30, μB＝0.00, μC＝0.10, μD＝0.60\n"
           "\n"
           "综上所述,该房屋的危险性等级为D\n";
}

void TestHadtoolGrade::storedReport()
{
    QFETCH(QStringList, choice);
    QFETCH(QString, expected);
    TestAppDir dir;
    const QString path = copyOfBuilt(dir, QStringLiteral("2004年房屋安全鉴定报告.had"));
    const QByteArray before = dir.readFile(QFileInfo(path).fileName());
    const ProcessResult result = runHadtool(QStringList { "grade", path } + choice);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.out, expected);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(dir.readFile(QFileInfo(path).fileName()), before);
}

void TestHadtoolGrade::failures_data()
{
    // "FILE" stands for a database whose second report has a row with an
    // invalid count, "TABLE" for a table file with the given content.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty dangerous cell in a table")
        << QStringList { "--table", "TABLE" } << QByteArray("承重结构\t柱\t砌体\t10\t\t\n") << 1
        << "hadtool: 第 1 行 危险构件数: '' is not a valid integer value\n";
    QTest::newRow("CR alone is part of the cell")
        << QStringList { "--table", "TABLE" } << QByteArray("围护结构\t墙段\t砌体\t4\r\t1\n") << 1
        << "hadtool: 第 1 行 构件总数: '4\r' is not a valid integer value\n";
    QTest::newRow("invalid count in a stored report") << QStringList { "FILE", "--file-no",
        "2" } << QByteArray() << 1 << "hadtool: 第 1 行 危险构件数: 'x' is not a valid integer value\n";
    QTest::newRow("seven cells") << QStringList { "--table",
        "TABLE" } << QByteArray("地基基础\t基础\t砌体\t1\t0\n1\t地基基础\t基础\t砌体\t1\t0\t\n")
                                 << 1 << "第 2 行有 7 个单元格, 至多 6 个\n";
    QTest::newRow("not UTF-8") << QStringList { "--table", "TABLE" }
                               << QByteArray("\xB5\xD8\xBB\xF9\t\xBB\xF9\n") << 1 << " 不是 UTF-8 文本\n";
    QTest::newRow("missing table file")
        << QStringList { "--table", "missing.tsv" } << QByteArray() << 1 << "hadtool: 不能读取文件 ";
    QTest::newRow("no such report") << QStringList { "FILE", "--index", "2" } << QByteArray() << 1
                                    << "中没有第 2 份鉴定报告";
    QTest::newRow("table and database")
        << QStringList { "FILE", "--table", "TABLE" } << QByteArray() << 2 << "usage: hadtool grade";
    QTest::newRow("table and index") << QStringList { "--table", "TABLE", "--index", "0" } << QByteArray()
                                     << 2 << "unknown option '--index'";
    QTest::newRow("no report chosen")
        << QStringList { "FILE" } << QByteArray() << 2 << "give either --index N or --file-no NO";
    QTest::newRow("two reports chosen") << QStringList { "FILE", "--index", "0", "--file-no", "1" }
                                        << QByteArray() << 2 << "give either --index N or --file-no NO";
    QTest::newRow("nothing") << QStringList {} << QByteArray() << 2 << "usage: hadtool grade";
}

void TestHadtoolGrade::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, table);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    ReportFile file(2);
    ComponentRow bad;
    bad[ComponentColumn::Part] = "承重结构";
    bad[ComponentColumn::Name] = "柱";
    bad[ComponentColumn::Total] = "10";
    bad[ComponentColumn::Dangerous] = "x";
    ComponentRows::save(file.connection, "2", { bad });
    file.dir.writeFile("table.tsv", table);
    arguments.replaceInStrings(QRegularExpression("^FILE$"), file.path);
    arguments.replaceInStrings(QRegularExpression("^TABLE$"), file.dir.filePath("table.tsv"));
    arguments.replaceInStrings(QRegularExpression("^missing"), file.dir.filePath("missing"));

    const ProcessResult result = runHadtool(QStringList { "grade" } + arguments);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.out, QString());
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
}

QTEST_GUILESS_MAIN(TestHadtoolGrade)
#include "tst_hadtoolgrade.moc"

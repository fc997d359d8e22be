#include "base/filebytes.h"
#include "db/componentrows.h"
#include "db/hadfile.h"
#include "hadtoolhere.h"
#include "reportfile.h"
#include "runprogram.h"
#include "testenv.h"

#include <QtTest>

// hadtool grade on table files, on standard input and on the reports of a
// database: in this process through hadtool's command line, and as the
// built program where it reads standard input.
class TestHadtoolGrade : public QObject
{
    Q_OBJECT

private slots:
    void tableFile_data();
    void tableFile();
    void standardInput();
    void json_data();
    void json();
    void storedReport_data();
    void storedReport();
    void storedReportByItsOwnStandard_data();
    void storedReportByItsOwnStandard();
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

// One masonry storey on its foundation, by levels.
const QByteArray StoreyExample = "基础\t基础\t砌体\t105\t0\t\n"
                                 "1\t墙体\t砌体\t43\t1\t5.3.3-2\n"
                                 "1\t中梁\t混凝土\t7\t0\t\n"
                                 "1\t边梁\t混凝土\t14\t0\t\n"
                                 "1\t次梁\t混凝土\t5\t0\t\n"
                                 "1\t围护构件\t砌体\t51\t0\t\n"
                                 "1\t楼屋面板\t混凝土\t39\t0\t\n";

// Two storeys and two basements, the rows in no order.
const QByteArray BasementsExample = "2\t边柱\t混凝土\t10\t0\n"
                                    "-1\t中柱\t混凝土\t4\t0\n"
                                    "基础\t基础\t混凝土\t10\t0\n"
                                    "1\t角柱\t混凝土\t4\t1\t5.4.3-7\n"
                                    "-2\t墙体\t混凝土\t10\t1\t5.4.3-10\n";

} // namespace

void TestHadtoolGrade::tableFile_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("expected");
    QTest::newRow("worked example") << WorkedExample << QStringList {} << WorkedExampleLines;
    QTest::newRow("worked example, 1999 named")
        << WorkedExample << QStringList { "--standard", "1999" } << WorkedExampleLines;
    QTest::newRow("by levels") << StoreyExample << QStringList { "--standard", "2016" }
                               << "地基: 非危险状态\n"
                                  "基础: 危险构件 0/105, Rf＝0.00%, Au级\n"
                                  "第1层: Rs＝1.11%, Bu级\n"
                                  "\n"
                                  "综合比例 R＝0.44%; Du级层数 0\n"
                                  "\n"
                                  "综上所述,该房屋的危险性等级为B级\n";
    QTest::newRow("by levels, ground dangerous")
        << BasementsExample << QStringList { "--ground-dangerous", "--standard=2016" }
        << "地基: 危险状态\n"
           "基础: 危险构件 0/10, Rf＝0.00%, Au级\n"
           "地下第2层: Rs＝10.00%, Cu级\n"
           "地下第1层: Rs＝0.00%, Au级\n"
           "第1层: Rs＝25.00%, Du级\n"
           "第2层: Rs＝0.00%, Au级\n"
           "\n"
           "综合比例 R＝4.08%; Du级层数 1\n"
           "\n"
           "综上所述,该房屋的危险性等级为D级\n";
    QByteArray crlf = WorkedExample;
    crlf.replace("\n", "\r\n");
    QTest::newRow("CR LF line ends") << crlf << QStringList {} << WorkedExampleLines;
    // A header, empty lines and short lines are rows that are not counted;
    // cells missing at the end of a line are empty.
    QTest::newRow("byte order mark, header, empty and short lines, no final line end")
        << "\xEF\xBB\xBF房屋组成部份\t构件名称\t构件结构\t构件总数\t危险构件数\t对应条文\n\n\r\n承重结构\n楼"
           "梯\t\n"
            + WorkedExample.chopped(1)
        << QStringList {} << WorkedExampleLines;
    QTest::newRow("five cells")
        << QByteArray("地基基础\t基础\t砌体\t2\t2") << QStringList {}
        << "地基基础中,危险构件的百分数＝100%; μa＝0.00, μb＝0.00, μc＝0.00, μd＝1.00\n"
           "承重结构中,危险构件的百分数＝0%; μa＝1.00, μb＝0.00, μc＝0.00, μd＝0.00\n"
           "围护结构中,危险构件的百分数＝0%; μa＝1.00, μb＝0.00, μc＝0.00, μd＝0.00\n"
           "\n"
           "整体隶属度为： μA＝0.60, μB＝0.00, μC＝0.00, μD＝0.30\n"
           "\n"
           "综上所述,该房屋的危险性等级为D\n";
    QTest::newRow("empty file") << QByteArray() << QStringList {}
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
    QFETCH(QStringList, options);
    QFETCH(QString, expected);
    TestAppDir dir;
    dir.writeFile("表 1.tsv", table);
    const ProcessResult result
        = runHadtoolHere(QStringList { "grade", "--table", dir.filePath("表 1.tsv") } + options);
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

void TestHadtoolGrade::json_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("by parts") << WorkedExample << QStringList { "--json" }
                              << QByteArray(R"({"standard": "JGJ 125-99", "parts": [
            {"part": "地基基础", "percentage": "0.00", "degrees": {"a": "1.00", "b": "0.00", "c": "0.00", "d": "0.00"}},
            {"part": "承重结构", "percentage": "8.00", "degrees": {"a": "0.00", "b": "0.88", "c": "0.12", "d": "0.00"}},
            {"part": "围护结构", "percentage": "20.00", "degrees": {"a": "0.00", "b": "0.40", "c": "0.60", "d": "0.00"}}],
            "overall": {"A": "0.30", "B": "0.60", "C": "0.12", "D": "0.00"}, "grade": "B"})");
    QTest::newRow("by levels") << StoreyExample << QStringList { "--standard", "2016", "--json" }
                               << QByteArray(
                                      R"({"standard": "JGJ 125-2016", "ground_dangerous": false, "levels": [
            {"level": "基础", "ratio": "0.00", "grade": "Au"}, {"level": "1", "ratio": "1.11", "grade": "Bu"}],
            "R": "0.44", "du_levels": 0, "grade": "B"})");
    QTest::newRow("basements") << BasementsExample << QStringList { "--json", "--standard", "2016" }
                               << QByteArray(
                                      R"({"standard": "JGJ 125-2016", "ground_dangerous": false, "levels": [
            {"level": "基础", "ratio": "0.00", "grade": "Au"}, {"level": "-2", "ratio": "10.00", "grade": "Cu"},
            {"level": "-1", "ratio": "0.00", "grade": "Au"}, {"level": "1", "ratio": "25.00", "grade": "Du"},
            {"level": "2", "ratio": "0.00", "grade": "Au"}], "R": "4.08", "du_levels": 1, "grade": "C"})");
    QTest::newRow("ground dangerous")
        << QByteArray() << QStringList { "--json", "--standard", "2016", "--ground-dangerous" }
        << QByteArray(R"({"standard": "JGJ 125-2016", "ground_dangerous": true, "levels": [], "R": "0.00",
            "du_levels": 0, "grade": "D"})");
}

void TestHadtoolGrade::json()
{
    QFETCH(QByteArray, table);
    QFETCH(QStringList, options);
    QFETCH(QByteArray, expected);
    const ProcessResult result
        = runHadtool(QStringList { "grade", "--table", "-" } + options, { .input = table });
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    // One object on one line.
    QCOMPARE(result.out.count(u'\n'), 1);
    QVERIFY(result.out.endsWith(u'\n'));
    QJsonParseError error;
    const QJsonDocument printed = QJsonDocument::fromJson(result.out.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(printed.object(), QJsonDocument::fromJson(expected).object());
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
    QTest::newRow("by number, 1999 named")
        << QStringList { "--file-no", "2004-036", "--standard", "1999" } << report036;
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
    const ProcessResult result = runHadtoolHere(QStringList { "grade", path } + choice);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.out, expected);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(dir.readFile(QFileInfo(path).fileName()), before);
}

void TestHadtoolGrade::storedReportByItsOwnStandard_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("expected");
    const QString byLevels = "基础: 危险构件 0/105, Rf＝0.00%, Au级\n"
                             "第1层: Rs＝1.11%, Bu级\n"
                             "\n"
                             "综合比例 R＝0.44%; Du级层数 0\n"
                             "\n"
                             "综上所述,该房屋的危险性等级为";
    QTest::newRow("2016, ground not judged")
        << QStringList { "--file-no", "2" } << "地基: 非危险状态\n" + byLevels + "B级\n";
    QTest::newRow("2016, ground dangerous")
        << QStringList { "--file-no", "3" } << "地基: 危险状态\n" + byLevels + "D级\n";
    QTest::newRow("--standard given") << QStringList { "--file-no", "1", "--standard", "2016" }
                                      << "地基: 非危险状态\n" + byLevels + "B级\n";
    QTest::newRow("1999 report")
        << QStringList { "--file-no", "1" }
        << QString("地基基础中,危险构件的百分数＝0%; μa＝1.00, μb＝0.00, μc＝0.00, μd＝0.00\n"
                   "承重结构中,危险构件的百分数＝0%; μa＝1.00, μb＝0.00, μc＝0.00, μd＝0.00\n"
                   "围护结构中,危险构件的百分数＝0%; μa＝1.00, μb＝0.00, μc＝0.00, μd＝0.00\n"
                   "\n"
                   "整体隶属度为： μA＝0.60, μB＝0.00, μC＝0.00, μD＝0.00\n"
                   "\n"
                   "综上所述,该房屋的危险性等级为A级\n");
}

// A stored report is graded by the standard and the ground judgement it
// records, unless --standard is given; the file stays as it was.
void TestHadtoolGrade::storedReportByItsOwnStandard()
{
    QFETCH(QStringList, options);
    QFETCH(QString, expected);
    ReportFile file(1, "报告.had");
    {
        QList<ComponentRow> rows;
        for (const QByteArray &line : StoreyExample.split('\n')) {
            if (line.isEmpty())
                continue;
            ComponentRow row;
            const QList<QByteArray> cells = line.split('\t');
            for (int c = 0; c < cells.size(); ++c)
                row[c + 1] = QString::fromUtf8(cells.at(c));
            rows.append(row);
        }
        file.connection.transaction([&] {
            HadFile::addGradeColumns(file.reports);
            for (const char *ground : { "0", "1" }) {
                file.reports.append();
                file.reports.setString("FileNo", QString::number(file.reports.recordCount() + 1));
                file.reports.setString("GradeStandard", "2016");
                file.reports.setString("GroundDangerous", ground);
                file.reports.post();
            }
            for (const char *number : { "1", "2", "3" })
                ComponentRows::save(file.connection, number, rows);
        });
        file.reports.close();
        file.connection.close();
    }
    const QString path = file.path;
    const QByteArray before = FileBytes::read(path);
    const ProcessResult result = runHadtoolHere(QStringList { "grade", path } + options);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.out, expected);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(FileBytes::read(path), before);
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
        << QStringList { "FILE", "--table", "TABLE" } << QByteArray() << 2 << "用法: hadtool grade";
    QTest::newRow("table and index") << QStringList { "--table", "TABLE", "--index", "0" } << QByteArray()
                                     << 2 << "未知选项 '--index'";
    QTest::newRow("no report chosen")
        << QStringList { "FILE" } << QByteArray() << 2 << "请给出 --index N 或 --file-no NO 中的一个";
    QTest::newRow("two reports chosen") << QStringList { "FILE", "--index", "0", "--file-no", "1" }
                                        << QByteArray() << 2 << "请给出 --index N 或 --file-no NO 中的一个";
    QTest::newRow("nothing") << QStringList {} << QByteArray() << 2 << "用法: hadtool grade";

    // By levels: counts that are typing errors, and a table by parts.
    const QStringList byLevels { "--table", "TABLE", "--standard", "2016" };
    QTest::newRow("by levels, dangerous above total")
        << byLevels << QByteArray("基础\t基础\t砌体\t3\t0\n1\t墙体\t砌体\t3\t5\n") << 1
        << "hadtool: 第 2 行 (1, 墙体): 危险构件数 5 大于构件总数 3\n";
    QTest::newRow("by levels, negative count")
        << byLevels + QStringList { "--json" } << QByteArray("-1\t中柱\t混凝土\t-4\t0\n") << 1
        << "hadtool: 第 1 行 (-1, 中柱): 构件数不能为负数 (构件总数 -4, 危险构件数 0)\n";
    QTest::newRow("by levels, invalid count")
        << byLevels << QByteArray("1\t次梁\t混凝土\t4\t一\n") << 1
        << "hadtool: 第 1 行 危险构件数: '一' is not a valid integer value\n";
    QTest::newRow("by levels, a table by parts")
        << byLevels << QByteArray("地基基础\t基础\t砌体\t10\t0\n承重结构\t次梁\t混凝土\t10\t1\n") << 1
        << "hadtool: 第 2 行 (承重结构, 次梁): 楼层应为 基础、1、2… 或 -1、-2…\n";
    QTest::newRow("unknown standard") << QStringList { "--table", "TABLE", "--standard",
        "2000" } << QByteArray() << 2 << "选项 --standard 取 1999 或 2016, 不能是 '2000'";
    QTest::newRow("ground judged by 1999")
        << QStringList { "--table", "TABLE", "--ground-dangerous" } << QByteArray() << 2
        << "--ground-dangerous 要与 --standard 2016 一起使用";
    QTest::newRow("ground of a stored report")
        << QStringList { "FILE", "--index", "0", "--standard", "2016", "--ground-dangerous" } << QByteArray()
        << 2 << "--ground-dangerous 要与 --table 一起使用";
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

    const ProcessResult result = runHadtoolHere(QStringList { "grade" } + arguments);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.out, QString());
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
}

QTEST_GUILESS_MAIN(TestHadtoolGrade)
#include "tst_hadtoolgrade.moc"

#include "base/apperror.h"
#include "db/componentrows.h"
#include "db/reporttemplate.h"
#include "recordbytes.h"
#include "reportfile.h"
#include "runprogram.h"
#include "testenv.h"

#include <QtEndian>
#include <QtTest>

#include <optional>

// Report templates: the file's byte layout, reading back what was written,
// refusing damaged files before anything is used, replacing a file only
// once the new one is complete, and hadtool template.
class TestReportTemplate : public QObject
{
    Q_OBJECT

private slots:
    void roundTripKeepsEveryFieldAndLine();
    void smallTemplateHasItsExactBytes();
    void lineBreaksAreWrittenAsCrLf_data();
    void lineBreaksAreWrittenAsCrLf();
    void longTextsAreKeptWhole_data();
    void longTextsAreKeptWhole();
    void readerAcceptsWhatTheFormatLeavesOpen_data();
    void readerAcceptsWhatTheFormatLeavesOpen();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void failedWriteLeavesTheOldFile_data();
    void failedWriteLeavesTheOldFile();
    void fieldsMoveThroughTheReportWindowsControls_data();
    void fieldsMoveThroughTheReportWindowsControls();
    void storedReportGivesItsTemplate();

    void hadtoolWritesAStoredReport_data();
    void hadtoolWritesAStoredReport();
    void hadtoolShowsATemplate();
    void hadtoolFailures_data();
    void hadtoolFailures();
};

namespace {

// A template file taken apart without the reader under test: the 28 field
// records, N with its offset, and the cell records up to the end of the file
// or the first record that does not fit.
struct Parts
{
    QList<QByteArray> fields;
    qsizetype nAt = -1;
    qint32 n = -1;
    QList<QByteArray> cells;
    qsizetype end = 0; // where the last record that fits ends

    explicit Parts(const QByteArray &file)
    {
        end = 6;
        const auto next = [&]() -> std::optional<QByteArray> {
            if (end + 4 > file.size())
                return std::nullopt;
            const qint32 length = qFromLittleEndian<qint32>(file.constData() + end);
            if (length < 0 || end + 4 + length > file.size())
                return std::nullopt;
            end += 4 + length;
            return file.mid(end - length, length);
        };
        while (fields.size() < 28)
            if (const auto text = next())
                fields.append(*text);
            else
                return;
        if (end + 4 > file.size())
            return;
        nAt = end;
        n = qFromLittleEndian<qint32>(file.constData() + end);
        end += 4;
        while (const auto text = next())
            cells.append(*text);
    }
};

// A template with every field distinct, multi-line memos and the given
// number of table lines, each cell naming its place.
ReportTemplate fullTemplate(int lineCount)
{
    ReportTemplate value;
    for (qsizetype i = 0; i < ReportTemplate::columns().size(); ++i)
        value.texts[i] = QStringLiteral("字段%1 %2").arg(i).arg(ReportTemplate::columns().at(i));
    value.setText("ApprCircs", "一、墙体开裂。\r\n二、屋面渗漏。\r\n\r\n③ 楼板挠度 ＞ L/200");
    value.setText("ShatterReason0", "地基不均匀沉降\r\n");
    value.setText("ApprConclusion", "\r\n评定为C级危险房屋");
    value.setText("DisposalAdvi", "加固\t处理");
    value.setText("BuildAreaHowff", "120.5");
    value.setText("Address", "解放路1号");
    for (int r = 1; r <= lineCount; ++r) {
        ComponentRow line;
        for (int c = 1; c <= 6; ++c)
            line[c] = QStringLiteral("行%1列%2").arg(r).arg(c);
        value.lines.append(line);
    }
    return value;
}

// A file with two reports: "1" bare, "2" with texts and three component
// lines (the second one empty).
struct TwoReports : ReportFile
{
    TwoReports()
        : ReportFile(2)
    {
        reports.last();
        reports.edit();
        reports.setString("Client", "张三");
        reports.setString("Address", "解放路1号");
        reports.setString("LinkPhone", "0771-1234567");
        reports.setString("ApprCircs", "墙体开裂\r\n屋面\t渗漏");
        reports.setString("Surveyor", "李四");
        reports.setFloatFromText("BuildAreaHowff", "80.5");
        reports.setFloatFromText("BuildAreaOther", "3");
        reports.post();
        ComponentRows::save(connection, "2",
            { { "1", "地基基础", "地基", "地基", "1", "0", "4.2.1" }, { "2", "", "", "", "", "", "" },
                { "3", "承重结构", "柱", "砌体", "12", "3", "4.3.2" } });
        ComponentRows::save(connection, "1", { { "1", "围护结构", "墙段", "砌体", "5", "1", "" } });
    }
};

} // namespace

void TestReportTemplate::roundTripKeepsEveryFieldAndLine()
{
    TestAppDir dir;
    const QString path = dir.filePath("Template/典型.Btp");
    QDir().mkpath(dir.filePath("Template"));
    dir.writeFile("Template/典型.Btp", QByteArray(100000, 'x')); // replaced whole
    const ReportTemplate written = fullTemplate(10);
    ReportTemplateFile::write(path, written);

    const QByteArray file = dir.readFile("Template/典型.Btp");
    QCOMPARE(file.left(6), QByteArray::fromHex("55aa03000000"));
    const Parts parts(file);
    QCOMPARE(parts.fields.size(), 28);
    QCOMPARE(parts.fields.at(3),
        QByteArray("\xbd\xe2\xb7\xc5\xc2\xb7"
                   "1\xba\xc5")); // 解放路1号
    QCOMPARE(parts.n, 11); // ten lines and the header
    const QList<QByteArray> &cells = parts.cells;
    QCOMPARE(cells.size(), 12 * 7);
    QCOMPARE(parts.end, file.size());
    QCOMPARE(cells.at(0),
        QByteArray("\xd0\xd0"
                   "1\xc1\xd0"
                   "1")); // 行1列1
    QCOMPARE(cells.at(6), QByteArray()); // column 7
    QCOMPARE(cells.mid(70), QList<QByteArray>(14)); // rows 11 and 12

    const ReportTemplate read = ReportTemplateFile::read(path);
    QCOMPARE(read.texts, written.texts);
    QCOMPARE(read.rowCount(), 11);
    QCOMPARE(read.lines, written.lines);
    QCOMPARE(read.cell(6, 10), "行10列6");
    QCOMPARE(read.cell(0, 1), QString());
    QCOMPARE(read.cell(7, 1), QString());
    QCOMPARE(read.cell(1, 11), QString());
}

void TestReportTemplate::smallTemplateHasItsExactBytes()
{
    ReportTemplate value;
    value.setText("Client", "张三");
    value.setText("Address", "1号");
    value.setText("ApprCircs", "裂缝\r\n①");
    value.setText("AuthorizedMan", "x");
    value.lines = { { "", "承重结构", "柱", "砌体", "12", "3", "" } };

    QByteArray expected = QByteArray::fromHex("55aa"
                                              "03000000");
    const QByteArray fields[28] = { QByteArray::fromHex("d5c5c8fd"), {}, {}, QByteArray::fromHex("31bac5"),
        {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, QByteArray::fromHex("c1d1b7ec0d0aa2d9"),
        {}, {}, {}, {}, {}, {}, {}, "x" };
    for (const QByteArray &field : fields)
        expected += record(field);
    expected += int32(2);
    for (const QByteArray &cell : { QByteArray::fromHex("b3d0d6d8bde1b9b9"), QByteArray::fromHex("d6f9"),
             QByteArray::fromHex("c6f6cce5"), QByteArray("12"), QByteArray("3") })
        expected += record(cell);
    expected += QByteArray::fromHex("00000000").repeated(2 + 7 + 7); // cell 6, column 7, rows 2 and 3
    QCOMPARE(ReportTemplateFile::encode(value).toHex(), expected.toHex());
    QCOMPARE(ReportTemplateFile::decode(expected), value);
}

void TestReportTemplate::lineBreaksAreWrittenAsCrLf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("CR LF kept") << "a\r\nb" << QByteArray("a\r\nb");
    QTest::newRow("LF") << "a\nb\n" << QByteArray("a\r\nb\r\n");
    QTest::newRow("mixed, empty lines") << "\na\r\n\n\r\nb" << QByteArray("\r\na\r\n\r\n\r\nb");
}

void TestReportTemplate::lineBreaksAreWrittenAsCrLf()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    ReportTemplate value;
    value.setText("DisposalAdvi", text);
    value.lines = { { "", text, "", "", "", "", "" } };
    const QByteArray file = ReportTemplateFile::encode(value);
    const Parts parts(file);
    QCOMPARE(parts.fields.at(22), bytes);
    QCOMPARE(parts.cells.at(0), bytes); // cell (1, 1)
    const ReportTemplate read = ReportTemplateFile::decode(file);
    QCOMPARE(read.text("DisposalAdvi"), QString::fromLatin1(bytes));
    QCOMPARE(read.cell(1, 1), QString::fromLatin1(bytes));
}

void TestReportTemplate::longTextsAreKeptWhole_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bytes");
    QTest::newRow("3000 bytes") << QString(1500, QChar(u'墙')) << 3000;
    QTest::newRow("3001 bytes") << QString(1500, QChar(u'墙')) + "x" << 3001;
    QTest::newRow("10000-byte memo") << QStringLiteral("墙体开裂。\r\n").repeated(833) + "裂缝" << 10000;
}

void TestReportTemplate::longTextsAreKeptWhole()
{
    QFETCH(QString, text);
    QFETCH(int, bytes);
    TestAppDir dir;
    ReportTemplate value = fullTemplate(2);
    value.setText("ApprCircs", text);
    value.lines[1][6] = text;
    const QString path = dir.filePath("long.Btp");
    ReportTemplateFile::write(path, value);
    const Parts parts(dir.readFile("long.Btp"));
    QCOMPARE(parts.fields.at(19).size(), bytes);
    QCOMPARE(parts.cells.at(7 + 5).size(), bytes); // cell (6, 2)
    QCOMPARE(ReportTemplateFile::read(path), value);
}

void TestReportTemplate::readerAcceptsWhatTheFormatLeavesOpen_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("rowCount");
    const QByteArray fields = record(QByteArray::fromHex("d5c5c8fd")) + record({}).repeated(27); // 张三
    const QByteArray start = QByteArray::fromHex("55aa") + int32(3) + fields;
    QTest::newRow("any version") << QByteArray::fromHex("55aa") + int32(-7) + fields + int32(1)
            + record({}).repeated(14)
                                 << 1;
    QTest::newRow("bytes after the last record")
        << start + int32(1) + record({}).repeated(14) + "trailing" << 1;
    QTest::newRow("no header row") << start + int32(0) + record("x").repeated(7) << 1;
    QTest::newRow("texts outside the table dropped") << start + int32(2) + record("a")
            + record({}).repeated(5) + record("column 7") + record("row 2").repeated(7)
            + record("row 3").repeated(7) << 2;
}

void TestReportTemplate::readerAcceptsWhatTheFormatLeavesOpen()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, rowCount);
    const ReportTemplate value = ReportTemplateFile::decode(bytes);
    QCOMPARE(value.text("Client"), "张三");
    QCOMPARE(value.rowCount(), rowCount);
    for (const ComponentRow &line : value.lines)
        QCOMPARE(line, (ComponentRow { "", "a", "", "", "", "", "" }));
}

void TestReportTemplate::damagedFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const ReportTemplate value = fullTemplate(2);
    const QByteArray good = ReportTemplateFile::encode(value);
    const qsizetype nAt = Parts(good).nAt;
    const qsizetype clientText = 6 + 4;
    const auto patched
        = [&](qsizetype at, qint32 number) { return QByteArray(good).replace(at, 4, int32(number)); };

    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("one byte") << QByteArray("\x55");
    QTest::newRow("magic reversed") << QByteArray(good).replace(0, 2, QByteArray::fromHex("aa55"));
    QTest::newRow("text file") << QByteArray("张三\r\n解放路1号\r\n");
    QTest::newRow("ends in the version") << good.left(4);
    QTest::newRow("ends before the fields") << good.left(6);
    QTest::newRow("ends in a length") << good.left(8);
    QTest::newRow("ends in a text") << good.left(clientText + 3);
    QTest::newRow("ends before N") << good.left(nAt);
    QTest::newRow("ends in N") << good.left(nAt + 2);
    QTest::newRow("ends in the cells") << good.left(nAt + 4 + 30);
    QTest::newRow("last record cut short") << good.chopped(1);
    QTest::newRow("negative length") << patched(6, -1);
    QTest::newRow("most negative length") << patched(6, std::numeric_limits<qint32>::min());
    QTest::newRow("length past the end") << patched(6, std::numeric_limits<qint32>::max());
    QTest::newRow("length one byte past the end")
        << QByteArray(good).chopped(4) + int32(1); // the last record claims a byte it lacks
    QTest::newRow("negative N") << patched(nAt, -1);
    QTest::newRow("N of -2") << patched(nAt, -2);
    QTest::newRow("absurd N") << patched(nAt, std::numeric_limits<qint32>::max());
    QTest::newRow("N a row more than the file holds") << patched(nAt, value.rowCount() + 1);
}

void TestReportTemplate::damagedFilesAreRefused()
{
    QFETCH(QByteArray, bytes);
    TestAppDir dir;
    dir.writeFile("damaged.Btp", bytes);
    try {
        ReportTemplateFile::read(dir.filePath("damaged.Btp"));
        QFAIL("a damaged template was read");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), "文件格式不对...");
    }
}

void TestReportTemplate::failedWriteLeavesTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("existing"); // a file that must keep its bytes
    QTest::newRow("target is a folder") << "folder.Btp"
                                        << "folder.Btp/inside.txt";
    // The longest name a folder entry can have: the file itself fits, the
    // temporary file beside it does not.
    const QString longest = QString(251, u'a') + ".Btp";
    QTest::newRow("no room for the temporary file") << longest << longest;
}

void TestReportTemplate::failedWriteLeavesTheOldFile()
{
    QFETCH(QString, target);
    QFETCH(QString, existing);
    TestAppDir dir;
    const QByteArray old = ReportTemplateFile::encode(fullTemplate(1));
    dir.writeFile(existing, old);
    QCOMPARE(dir.readFile(existing), old);
    try {
        ReportTemplateFile::write(dir.filePath(target), fullTemplate(10));
        QFAIL("the write did not fail");
    } catch (const AppError &e) {
        QVERIFY2(e.message().startsWith("不能写入文件 " + dir.filePath(target)), qPrintable(e.message()));
    }
    QCOMPARE(dir.readFile(existing), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
        QStringList { target }); // no temporary file left behind
}

void TestReportTemplate::fieldsMoveThroughTheReportWindowsControls_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("writtenFrom");
    QTest::addColumn<QStringList>("readInto");
    const char *const table[][3] = {
        { "Client", "labedtClient2", "labedtClient1" },
        { "LinkMan", "labedtLinkMan", "" },
        { "LinkPhone", "labedtLinkPhone2", "labedtLinkPhone1" },
        { "Address", "labedtAddress2", "labedtAddress1" },
        { "PropertyRightMan", "labedtPropertyRightMan2", "labedtPropertyRightMan1" },
        { "BldgPurpose", "cbbBldgPurpose", "" },
        { "BuildYear", "labedtBuildYear", "" },
        { "StrucStyle", "cbbStrucStyle", "" },
        { "BuildAreaHowff", "labedtBuildAreaHowff", "" },
        { "BuildAreaTrade", "labedtBuildAreaTrade", "" },
        { "BuildAreaGarage", "labedtBuildAreaGarage", "" },
        { "BuildAreaFactory", "labedtBuildAreaFactory", "" },
        { "BuildAreaOther", "labedtBuildAreaOther", "" },
        { "PlaneShape", "cbbPlaneShape", "" },
        { "Layers", "labedtLayers", "" },
        { "PropertyRightAttr", "cbbPropertyRightAttr", "" },
        { "PropertyRightCertificate", "labedtPropertyRightCertificate2", "labedtPropertyRightCertificate1" },
        { "Memory", "labedtMemory", "" },
        { "ApprPurpose", "labedtApprPurpose2", "labedtApprPurpose1" },
        { "ApprCircs", "memApprCircs", "" },
        { "ShatterReason0", "memShatterReason", "" },
        { "ApprConclusion", "memApprConclusion", "" },
        { "DisposalAdvi", "memDisposalAdvi", "" },
        { "Surveyor", "labedtAppraiser1", "" },
        { "ApprUnit", "labedtApprUnit", "" },
        { "Appraiser", "labedtAppraiser", "" },
        { "Assessor", "labedtAssessor", "" },
        { "AuthorizedMan", "labedtAuthorizedMan", "" },
    };
    QStringList order;
    for (const auto &row : table) {
        // A mirrored field is written from its mirror and read into both.
        const QStringList into = *row[2] ? QStringList { row[2], row[1] } : QStringList { row[1] };
        QTest::newRow(row[0]) << row[0] << row[1] << into;
        order << row[0];
    }
    QCOMPARE(ReportTemplate::columns(), order);
}

void TestReportTemplate::fieldsMoveThroughTheReportWindowsControls()
{
    QFETCH(QString, column);
    QFETCH(QString, writtenFrom);
    QFETCH(QStringList, readInto);
    QCOMPARE(ReportTemplate::writtenFrom(column), writtenFrom);
    QCOMPARE(ReportTemplate::readInto(column), readInto);
}

void TestReportTemplate::storedReportGivesItsTemplate()
{
    TwoReports file;
    file.reports.last();
    ReportTemplate value = ReportTemplate::fromStored(file.reports, file.connection);
    QCOMPARE(value.text("Client"), "张三");
    QCOMPARE(value.text("LinkPhone"), "0771-1234567");
    QCOMPARE(value.text("ApprCircs"), "墙体开裂\r\n屋面\t渗漏");
    QCOMPARE(value.text("BuildAreaHowff"), "80.5");
    QCOMPARE(value.text("BuildAreaOther"), "3");
    QCOMPARE(value.text("BuildAreaTrade"), QString());
    QCOMPARE(value.text("FileNo"), QString()); // not in a template
    QCOMPARE(value.rowCount(), 4);
    QCOMPARE(value.lines,
        (QList<ComponentRow> { { "", "地基基础", "地基", "地基", "1", "0", "4.2.1" },
            { "", "", "", "", "", "", "" }, { "", "承重结构", "柱", "砌体", "12", "3", "4.3.2" } }));

    ReportFile bare(1);
    value = ReportTemplate::fromStored(bare.reports, bare.connection);
    QCOMPARE(value, ReportTemplate());
    QCOMPARE(value.rowCount(), 1);
}

void TestReportTemplate::hadtoolWritesAStoredReport_data()
{
    QTest::addColumn<QStringList>("choice");
    QTest::newRow("by index") << QStringList { "--index", "1" };
    QTest::newRow("by number") << QStringList { "--file-no", "2" };
}

void TestReportTemplate::hadtoolWritesAStoredReport()
{
    QFETCH(QStringList, choice);
    TwoReports file;
    file.reports.last();
    const QString out = file.dir.filePath("Template/解放路1号.Btp");
    QDir().mkpath(file.dir.filePath("Template"));
    const ProcessResult result
        = runHadtool(QStringList { "template", file.path } + choice + QStringList { "-o", out });
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QString());
    QCOMPARE(ReportTemplateFile::read(out), ReportTemplate::fromStored(file.reports, file.connection));
}

void TestReportTemplate::hadtoolShowsATemplate()
{
    TestAppDir dir;
    ReportTemplate value = fullTemplate(0);
    value.lines = { { "", "承重结构", "柱", "砌体", "12", "3", "4.3.2" }, {},
        { "", "a\\b", "", "", "", "", "\x01" } };
    const QString path = dir.filePath("模板.Btp");
    ReportTemplateFile::write(path, value);
    const ProcessResult result = runHadtool({ "template", "--show", path });
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    QStringList expected;
    for (int i = 0; i < 28; ++i)
        expected << ReportTemplate::columns().at(i) + "\t" + value.texts.at(i);
    expected[3] = "Address\t解放路1号";
    expected[19] = "ApprCircs\t一、墙体开裂。\\r\\n二、屋面渗漏。\\r\\n\\r\\n③ 楼板挠度 ＞ L/200";
    expected[20] = "ShatterReason0\t地基不均匀沉降\\r\\n";
    expected[21] = "ApprConclusion\t\\r\\n评定为C级危险房屋";
    expected[22] = "DisposalAdvi\t加固\\t处理";
    expected << "承重结构\t柱\t砌体\t12\t3\t4.3.2"
             << "\t\t\t\t\t"
             << "a\\\\b\t\t\t\t\t\\x01";
    QCOMPARE(result.out, expected.join('\n') + '\n');
}

void TestReportTemplate::hadtoolFailures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("damaged template")
        << QStringList { "--show", "damaged.Btp" } << 1 << "hadtool: 文件格式不对...\n";
    QTest::newRow("text file") << QStringList { "--show", "test.had" } << 1 << "hadtool: 文件格式不对...\n";
    QTest::newRow("missing template") << QStringList { "--show", "missing.Btp" } << 1 << "不能读取文件 ";
    QTest::newRow("no such report") << QStringList { "test.had", "--file-no", "9", "-o", "out.Btp" } << 1
                                    << "没有编号为 9 的鉴定报告";
    QTest::newRow("index past the end")
        << QStringList { "test.had", "--index", "1", "-o", "out.Btp" } << 1 << "没有第 1 份鉴定报告";
    QTest::newRow("missing database")
        << QStringList { "missing.had", "--index", "0", "-o", "out.Btp" } << 1 << " 不存在!";
    QTest::newRow("no output") << QStringList { "test.had", "--index", "0" } << 2 << "-o OUT.Btp";
    QTest::newRow("no report chosen") << QStringList { "test.had", "-o", "out.Btp" } << 2 << "--index N";
    QTest::newRow("show with output")
        << QStringList { "--show", "damaged.Btp", "-o", "out.Btp" } << 2 << "未知选项 '-o'";
    QTest::newRow("show without a file") << QStringList { "--show" } << 2 << "缺少参数";
}

void TestReportTemplate::hadtoolFailures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    ReportFile file(1);
    file.dir.writeFile("damaged.Btp", QByteArray::fromHex("55aa03000000ffffffff"));
    QStringList words { "template" };
    for (const QString &word : arguments)
        words << (word.contains('.') ? file.dir.filePath(word) : word);
    const ProcessResult result = runHadtool(words);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.out, QString());
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(!QFileInfo::exists(file.dir.filePath("out.Btp")));
}

QTEST_GUILESS_MAIN(TestReportTemplate)
#include "tst_reporttemplate.moc"

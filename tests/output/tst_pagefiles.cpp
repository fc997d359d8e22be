#include "base/apperror.h"
#include "base/cp936.h"
#include "base/processstate.h"
#include "base/prompt.h"
#include "db/reportfields.h"
#include "output/coverpage.h"
#include "output/outputstate.h"
#include "output/pagefiles.h"
#include "output/pagevalues.h"
#include "output/reportdrawing.h"
#include "output/units.h"
#include "promptcheck.h"
#include "recordbytes.h"
#include "recordingcanvas.h"
#include "reportfile.h"
#include "testenv.h"

#include <QDir>
#include <QtTest>

#include <limits>

// The page files: their bytes, the values they carry from a report to its
// pages, damaged files, and drawing a page from its file.
class TestPageFiles : public QObject
{
    Q_OBJECT

private slots:
    void valuesComeFromTheReportTexts();
    void storedReportGivesTheWindowsTexts();
    void pageFileBytes_data();
    void pageFileBytes();
    void buildWritesBothPagesAndCountsThem();
    void longMemoPassesWhole();
    void writeFailures_data();
    void writeFailures();
    void damagedFileIsRefusedOnce_data();
    void damagedFileIsRefusedOnce();
    void missingFileReachesTheCaller();
    void clearsThePageBeforeDrawing_data();
    void clearsThePageBeforeDrawing();
    void drawsTheKindInTheFile_data();
    void drawsTheKindInTheFile();
    void bodyWithoutSignaturesFailsAndSkipsTheMark();
    void undrawableLengthsGiveOneMessage_data();
    void undrawableLengthsGiveOneMessage();
};

namespace {

constexpr int Dpi = 600;

ReportTexts sampleTexts()
{
    ReportTexts texts;
    for (const ReportFields::Binding &binding : ReportFields::bindings())
        texts.setText(binding.column, binding.column + QStringLiteral("文"));
    texts.trustDate = QDate(2004, 2, 16);
    texts.apprDate = QDate(2005, 3, 7);
    return texts;
}

ReportPageValues sampleValues()
{
    return MakeReportPageValues(sampleTexts(), "123.5");
}

QByteArray valueBytes(const QString &text)
{
    return record(Cp936::encode(text));
}

QByteArray header(qint32 kind)
{
    QByteArray bytes("\x55\xAA", 2);
    bytes += int32(kind);
    if (kind == 1)
        bytes += int32(9);
    return bytes;
}

// The geometry of an A4 page with the initial margins.
PageGeometry a4()
{
    return { 210, 297, 15, 18, 15, 18 };
}

void useSignatures()
{
    OutputProcess.ActiveSignatures
        = [] { return std::optional<SignatureValues>(MakeSignatureValues(sampleTexts())); };
}

} // namespace

void TestPageFiles::valuesComeFromTheReportTexts()
{
    const ReportPageValues values = sampleValues();
    QCOMPARE(values.cover,
        QStringList({ "Client文", "Address文", "Appraiser文", "Assessor文", "AuthorizedMan文", "ApprUnit文",
            "2005年3月7日" }));
    QCOMPARE(values.body,
        QStringList({ "FileNo文", "Client文", "LinkPhone文", "2004年2月16日", "Address文",
            "PropertyRightMan文", "BldgPurpose文", "BuildYear文", "StrucStyle文", "123.5", "PlaneShape文",
            "Layers文", "PropertyRightAttr文", "PropertyRightCertificate文", "Memory文", "ApprPurpose文",
            "ApprCircs文", "ShatterReason0文", "ApprConclusion文", "DisposalAdvi文", "ApprUnit文",
            "Appraiser文", "Assessor文", "AuthorizedMan文", "2005年3月7日" }));
    const SignatureValues signatures = MakeSignatureValues(sampleTexts());
    QCOMPARE(signatures.Surveyor, QString("Surveyor文"));
    QCOMPARE(signatures.ApprDate, QDate(2005, 3, 7));
}

void TestPageFiles::storedReportGivesTheWindowsTexts()
{
    ReportFile file(1);
    file.reports.edit();
    file.reports.setString("Client", "张三");
    file.reports.setFloatFromText("BuildAreaHowff", "60.5");
    file.reports.setFloatFromText("BuildAreaOther", "39.25");
    file.reports.setDate("TrustDate", QDate(2004, 12, 1));
    file.reports.setNull("ApprDate");
    file.reports.post();
    const ReportTexts texts = ReportTexts::fromRow(file.reports, QDate(2006, 1, 2));
    const ReportPageValues values = MakeReportPageValues(texts, SumBuildingArea(texts));
    QCOMPARE(values.body.at(BodyValue::Client), QString("张三"));
    QCOMPARE(values.body.at(BodyValue::BuildingArea), QString("99.75"));
    QCOMPARE(values.body.at(BodyValue::TrustDate), QString("2004年12月1日"));
    QCOMPARE(values.cover.at(CoverValue::ApprDate), QString("2006年1月2日")); // no date shows today's
}

void TestPageFiles::pageFileBytes_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("cover: kind 1, row height 9") << 1 << QByteArray("\x55\xAA\x01\0\0\0\x09\0\0\0", 10);
    QTest::newRow("body: kind 3, no row height") << 2 << QByteArray("\x55\xAA\x03\0\0\0", 6);
}

void TestPageFiles::pageFileBytes()
{
    QFETCH(int, page);
    QFETCH(QByteArray, header);
    TestAppDir dir;
    QStringList values = page == 1 ? sampleValues().cover : sampleValues().body;
    values[0] = QString();
    values[1] = "解放路38号"; // 4 Chinese characters and 2 digits: 10 bytes
    values[2] = "十个汉字的鉴定人姓名"; // 10 Chinese characters: 20 bytes
    if (page == 1)
        WriteCoverPageFile(dir.path(), page, values);
    else
        WriteBodyPageFile(dir.path(), page, values);
    const QByteArray bytes = dir.readFile(QStringLiteral("%1.tmp").arg(page));
    const qsizetype h = header.size();
    QCOMPARE(bytes.left(h), header);
    QCOMPARE(bytes.mid(h, 4), int32(0)); // the empty value: its length alone
    QCOMPARE(bytes.mid(h + 4, 4), int32(10));
    QCOMPARE(bytes.mid(h + 18, 4), int32(20));
    QCOMPARE(bytes.mid(h + 22, 20), Cp936::encode(values[2]));
    QByteArray expected = header;
    for (const QString &value : values)
        expected += valueBytes(value);
    QCOMPARE(bytes, expected);
}

void TestPageFiles::buildWritesBothPagesAndCountsThem()
{
    TestAppDir dir;
    QCOMPARE(OutputProcess.PageCount, 0);
    const QString folder = dir.filePath("Temp");
    BuildReportPages(folder, sampleValues());
    QCOMPARE(OutputProcess.PageCount, 2);
    QCOMPARE(PageFileName(folder, 1), dir.filePath("Temp/1.tmp"));
    QCOMPARE(ReadPageValues(PageFileName(folder, 1), CoverValueCount), std::optional(sampleValues().cover));
    QCOMPARE(ReadPageValues(PageFileName(folder, 2), BodyValueCount), std::optional(sampleValues().body));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({ "1.tmp", "2.tmp" }));

    // Written again, the files hold the new values.
    ReportPageValues changed = sampleValues();
    changed.cover[CoverValue::Client] = "未保存的修改";
    BuildReportPages(folder, changed);
    QCOMPARE(ReadPageValues(PageFileName(folder, 1), CoverValueCount)->at(CoverValue::Client),
        QString("未保存的修改"));
    QVERIFY(Prompt::shown().isEmpty());
}

void TestPageFiles::longMemoPassesWhole()
{
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    useSignatures();
    ReportPageValues values = sampleValues();
    const QString memo = QString(5000, QChar(0x88c2)); // 10,000 bytes
    values.body[BodyValue::ApprCircs] = memo;
    BuildReportPages(dir.path(), values);
    QCOMPARE(ReadPageValues(PageFileName(dir.path(), 2), BodyValueCount)->at(BodyValue::ApprCircs), memo);

    RecordingCanvas canvas(Dpi, Dpi);
    DrawPageFile(canvas, false, a4(), Dpi, Dpi, PageFileName(dir.path(), 2));
    QVERIFY(Prompt::shown().isEmpty());
    int memoLines = 0;
    for (const RecordingCanvas::Text &text : canvas.texts())
        if (text.clipped && text.text == QString(50, QChar(0x88c2)))
            ++memoLines;
    QCOMPARE(memoLines, 100);
}

void TestPageFiles::writeFailures_data()
{
    QTest::addColumn<QString>("blocked"); // a file or folder in the way
    QTest::addColumn<int>("pageCount");
    QTest::addColumn<QString>("message");
    QTest::newRow("the folder is a file") << "Temp" << 1 << "不能创建文件夹 ";
    QTest::newRow("page 2 is a folder") << "Temp/2.tmp/x" << 2 << "不能写入文件 ";
}

void TestPageFiles::writeFailures()
{
    QFETCH(QString, blocked);
    QFETCH(int, pageCount);
    QFETCH(QString, message);
    TestAppDir dir;
    dir.writeFile(blocked, "in the way");
    try {
        BuildReportPages(dir.filePath("Temp"), sampleValues());
        QFAIL("no failure");
    } catch (const AppError &e) {
        QVERIFY2(e.message().startsWith(message), qPrintable(e.message()));
    }
    QCOMPARE(OutputProcess.PageCount, pageCount);
    QCOMPARE(dir.readFile(blocked), QByteArray("in the way"));
}

void TestPageFiles::damagedFileIsRefusedOnce_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");
    QByteArray body = header(3);
    for (int i = 0; i < 24; ++i)
        body += valueBytes("值");
    QTest::newRow("a text file") << QByteArray("hello, page") << 25;
    QTest::newRow("an empty file") << QByteArray() << 25;
    QTest::newRow("one byte") << QByteArray("\x55") << 25;
    QTest::newRow("the magic alone") << QByteArray("\x55\xAA") << 25;
    QTest::newRow("the magic reversed") << QByteArray("\xAA\x55\x03\0\0\0", 6) + valueBytes("值") << 1;
    QTest::newRow("kind cut short") << QByteArray("\x55\xAA\x03\0", 4) << 25;
    QTest::newRow("cover without its row height") << QByteArray("\x55\xAA\x01\0\0\0\x09\0", 8) << 7;
    QTest::newRow("a negative length") << body + int32(-1) << 25;
    QTest::newRow("a length past the end") << body + int32(10) + QByteArray("123") << 25;
    QTest::newRow("the largest length") << body + int32(0x7fffffff) + QByteArray("123") << 25;
    QTest::newRow("a value missing") << body << 25;
    QTest::newRow("a length cut short") << body + QByteArray("\x01\0", 2) << 25;
}

void TestPageFiles::damagedFileIsRefusedOnce()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    useSignatures();
    dir.writeFile("2.tmp", bytes);

    RecordingCanvas canvas(Dpi, Dpi);
    DrawPageFile(canvas, false, a4(), Dpi, Dpi, dir.filePath("2.tmp"));
    verifyOnlyMessage("文件格式不对...", PromptIcon::Error);
    QVERIFY(canvas.operations().isEmpty()); // not even cleared

    Prompt::reset();
    QCOMPARE(ReadPageValues(dir.filePath("2.tmp"), count), std::nullopt);
    verifyOnlyMessage("文件格式不对...", PromptIcon::Error);
}

void TestPageFiles::missingFileReachesTheCaller()
{
    TestAppDir dir;
    RecordingCanvas canvas(Dpi, Dpi);
    QVERIFY_THROWS_EXCEPTION(AppError, DrawPageFile(canvas, true, a4(), 96, 96, dir.filePath("Temp/1.tmp")));
    QVERIFY_THROWS_EXCEPTION(AppError, ReadPageValues(dir.filePath("Temp/1.tmp"), 7));
    QVERIFY(Prompt::shown().isEmpty());
    QVERIFY(canvas.operations().isEmpty());
}

void TestPageFiles::clearsThePageBeforeDrawing_data()
{
    QTest::addColumn<bool>("preview");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<PageGeometry>("geometry");
    QTest::addColumn<CanvasRect>("cleared");
    QTest::newRow("preview: the picture's page") << true << 96 << a4() << CanvasRect { 0, 0, 793, 1122 };
    QTest::newRow("printer: A4 at 600 plus 5") << false << 600 << a4() << CanvasRect { 0, 0, 4966, 7021 };
    QTest::newRow("printer: landscape at 300 plus 5")
        << false << 300 << PageGeometry { 297, 210, 15, 18, 15, 18 } << CanvasRect { 0, 0, 3513, 2485 };
}

void TestPageFiles::clearsThePageBeforeDrawing()
{
    QFETCH(bool, preview);
    QFETCH(int, dpi);
    QFETCH(PageGeometry, geometry);
    QFETCH(CanvasRect, cleared);
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    BuildReportPages(dir.path(), sampleValues());
    RecordingCanvas canvas(dpi, dpi);
    DrawPageFile(canvas, preview, geometry, dpi, dpi, PageFileName(dir.path(), 1), QSize(793, 1122));
    QCOMPARE(canvas.operations().first(), RecordingCanvas::Op::FillRect);
    QCOMPARE(canvas.fills(), QList<CanvasRect>({ cleared }));
}

void TestPageFiles::drawsTheKindInTheFile_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("mark");
    QTest::addColumn<QString>("expected"); // a text of the page
    QTest::newRow("cover with the mark") << 1 << true << "委托单位/个人：";
    QTest::newRow("cover without the mark") << 1 << false << "委托单位/个人：";
    QTest::newRow("body with the mark") << 2 << true << "一、委托单位/个人情况";
    QTest::newRow("body without the mark") << 2 << false << "一、委托单位/个人情况";
    QTest::newRow("another kind: cleared only") << 3 << true << "";
}

void TestPageFiles::drawsTheKindInTheFile()
{
    QFETCH(int, page);
    QFETCH(bool, mark);
    QFETCH(QString, expected);
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    Process.Settings.IsPrintSoftMess = mark;
    useSignatures();
    BuildReportPages(dir.path(), sampleValues());
    dir.writeFile("3.tmp", header(2) + valueBytes("值"));

    RecordingCanvas canvas(Dpi, Dpi);
    DrawPageFile(canvas, false, a4(), Dpi, Dpi, PageFileName(dir.path(), page));
    QVERIFY(Prompt::shown().isEmpty());
    QCOMPARE(canvas.fills().size(), 1);
    if (expected.isEmpty()) {
        QVERIFY(canvas.texts().isEmpty());
        QVERIFY(canvas.lines().isEmpty());
        return;
    }
    QCOMPARE(canvas.textsEqualTo(expected).size(), 1);
    QCOMPARE(canvas.textsEqualTo(PageMarkText()).size(), mark ? 1 : 0);
    if (mark) // drawn last, ending 185 mm from the left
        QCOMPARE(canvas.texts().last().text, PageMarkText());
    // The body's table hangs from the top margin plus 1 mm: its top edge at 37 mm.
    if (page == 2)
        QCOMPARE(canvas.lines().first().from.y(), RoundUp(Dpi * 37 * InchesPerMM));
}

void TestPageFiles::bodyWithoutSignaturesFailsAndSkipsTheMark()
{
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    BuildReportPages(dir.path(), sampleValues());
    RecordingCanvas canvas(Dpi, Dpi);
    DrawPageFile(canvas, true, a4(), 96, 96, PageFileName(dir.path(), 2), QSize(793, 1122));
    verifyOnlyMessage("预览或打印错误!", PromptIcon::Error);
    QCOMPARE(canvas.textsEqualTo("七、处理建议：").size(), 1);
    QCOMPARE(canvas.textsEqualTo(PageMarkText()).size(), 0);
}

// Settings or a geometry that no canvas can hold show one message and draw
// nothing, instead of a warning from every rule and text of the page.
void TestPageFiles::undrawableLengthsGiveOneMessage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("setting"); // "geometry": the page width of the geometry
    QTest::addColumn<int>("value");
    QTest::newRow("cover, offset down") << 1 << "CovOffsetBottomSpace" << std::numeric_limits<int>::max();
    QTest::newRow("body, telephone width") << 2 << "PhoneWidth" << std::numeric_limits<int>::min();
    QTest::newRow("body, section height") << 2 << "ApprCircsRowCount" << std::numeric_limits<int>::min();
    QTest::newRow("body, page width of the geometry") << 2 << "geometry" << 20000;
}

void TestPageFiles::undrawableLengthsGiveOneMessage()
{
    QFETCH(int, page);
    QFETCH(QString, setting);
    QFETCH(int, value);
    TestAppDir dir;
    OutputProcess.CurrentPageSettings = TPageSettings();
    useSignatures();
    BuildReportPages(dir.path(), sampleValues());
    PageGeometry geometry = a4();
    if (setting == "geometry")
        geometry.PageWidth = value;
    else if (setting == "CovOffsetBottomSpace")
        OutputProcess.CurrentPageSettings.CovOffsetBottomSpace = value;
    else if (setting == "PhoneWidth")
        OutputProcess.CurrentPageSettings.PhoneWidth = value;
    else
        OutputProcess.CurrentPageSettings.ApprCircsRowCount = value;

    RecordingCanvas canvas(Dpi, Dpi);
    DrawPageFile(canvas, false, geometry, Dpi, Dpi, PageFileName(dir.path(), page));
    verifyOnlyMessage("预览或打印错误!", PromptIcon::Error);
    QVERIFY(canvas.operations().isEmpty());
}

QTEST_MAIN(TestPageFiles)
#include "tst_pagefiles.moc"

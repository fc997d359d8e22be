#include "base/cp936.h"
#include "base/programfolders.h"
#include "base/prompt.h"
#include "db/connection.h"
#include "db/dataset.h"
#include "db/hadfile.h"
#include "db/reportfields.h"
#include "filesizelimit.h"
#include "output/bodypage.h"
#include "output/outputstate.h"
#include "output/pagefiles.h"
#include "output/pagesettingsstore.h"
#include "output/units.h"
#include "pdfpages.h"
#include "printing/printerdevice.h"
#include "printing/reportprinting.h"
#include "recordingcanvas.h"
#include "runprogram.h"
#include "terminalprocess.h"
#include "testenv.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <sys/wait.h>

// hadtool pdf and png, run as the built program on the sample database; the
// PDF's texts are read back with their positions by pdftotext (poppler-utils).
class TestReportPdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textsSitAtTheLayoutsPlaces_data();
    void textsSitAtTheLayoutsPlaces();
    void pagesReadBackAsDrawn();
    void everyGb2312HanziReadsBack();
    void charactersDrawnAlikeKeepTheirText();
    void chineseIsSimplifiedWhateverTheLocale_data();
    void chineseIsSimplifiedWhateverTheLocale();
    void allReportsGoIntoOneFile();
    void onlyTheFinishedFileWaitsForTheDisk();
    void pdfGoesToStandardOutput();
    void aReaderThatGoesAwayFailsTheRun();
    void interruptedRunLeavesNothingBehind_data();
    void interruptedRunLeavesNothingBehind();
    void eachReportKeepsItsOwnPaper();
    void messagesGoToStandardErrorAndFail();
    void pngDrawsThePageAsThePreview_data();
    void pngDrawsThePageAsThePreview();
    void failuresLeaveTheOutputAlone_data();
    void failuresLeaveTheOutputAlone();
    void fullDiskLeavesTheOldOutput_data();
    void fullDiskLeavesTheOldOutput();

private:
    QString m_sample;
    QTemporaryDir m_out;
};

namespace {

// Lines of hadtool's own messages on standard error (Qt's notes aside).
QStringList messages(const QString &err)
{
    return err.split(u'\n').filter(QRegularExpression("^hadtool: "));
}

struct StoredReport
{
    QString fileNo;
    // The page settings, or none for page columns left empty.
    std::optional<TPageSettings> settings = TPageSettings();
    // Further columns and their texts.
    QList<std::pair<QString, QString>> texts = {};
};

// A new database with the reports.
void makeDatabase(const QString &path, const QList<StoredReport> &reports)
{
    HadFile::createDatabaseFile(path);
    Connection connection;
    HadFile::open(connection, path);
    DataSet rows(connection);
    rows.open(HadFile::SelectAllReports);
    for (const StoredReport &report : reports) {
        rows.append();
        rows.setString("FileNo", report.fileNo);
        for (const auto &[column, text] : report.texts)
            rows.setString(column, text);
        if (report.settings) {
            OutputProcess.CurrentPageSettings = *report.settings;
            StorePageSettingsToRow(rows);
        }
        rows.post();
    }
}

// The characters of a text other than blanks, sorted.
QString sortedCharacters(const QString &text)
{
    QString characters = text;
    characters.remove(QRegularExpression("\\s"));
    std::sort(characters.begin(), characters.end());
    return characters;
}

// The texts that the page layouts draw for a page of the first report of a
// database, as the PDF printer prepares it.
QStringList drawnTexts(const QString &database, int page)
{
    Connection connection;
    HadFile::open(connection, database, Connection::Access::ReadOnly);
    DataSet reports(connection);
    reports.open(HadFile::SelectAllReports);
    PreparedReportPages pages(PrinterDevice::pdf());
    const ReportTexts texts = ReportTexts::fromRow(reports);
    pages.prepare(reports, texts, SumBuildingArea(texts));
    RecordingCanvas canvas(600, 600);
    DrawPageFile(canvas, false, CurrentPageGeometry(), 600, 600, pages.pageFile(page));
    QStringList drawn;
    for (const RecordingCanvas::Text &text : canvas.texts())
        drawn.append(text.text);
    return drawn;
}

// The Chinese characters of GB 2312 (rows 16 to 87), in code order.
QString gb2312Hanzi()
{
    QByteArray codes;
    for (int row = 0xB0; row <= 0xF7; ++row) {
        for (int cell = 0xA1; cell <= 0xFE; ++cell) {
            if (row == 0xD7 && cell > 0xF9)
                continue; // the end of row 55 is empty
            codes.append(char(row)).append(char(cell));
        }
    }
    return Cp936::decode(codes);
}

enum class Anchor { Left, Centre, Right };
enum class Vertical { Middle, Bottom };

// How far a word lies from where the layout puts it, horizontally and vertically.
struct Deviation
{
    double dx;
    double dy;
};

Deviation deviation(const PdfWord &w, Anchor anchor, double x, Vertical vertical, double y)
{
    const double atX = anchor == Anchor::Left ? w.left
        : anchor == Anchor::Right             ? w.right
                                              : (w.left + w.right) / 2;
    const double atY = vertical == Vertical::Bottom ? w.bottom : (w.top + w.bottom) / 2;
    return { atX - x, atY - y };
}

} // namespace

void TestReportPdf::initTestCase()
{
    m_sample = QDir(ProgramFolders::sharedDataDir()).filePath("2004年房屋安全鉴定报告.had");
    QVERIFY2(QFileInfo::exists(m_sample), qPrintable(m_sample));
    QVERIFY(m_out.isValid());
}

void TestReportPdf::textsSitAtTheLayoutsPlaces_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("text"); // the start of a word as pdftotext splits them
    QTest::addColumn<int>("anchor");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("vertical");
    QTest::addColumn<double>("y");
    const auto row = [](int page, const char *text, Anchor anchor, double x, double y,
                         Vertical vertical = Vertical::Middle) {
        QTest::addRow("%d %s", page, text) << page << QString(text) << int(anchor) << x << int(vertical) << y;
    };
    const auto L = Anchor::Left;
    const auto C = Anchor::Centre;
    const auto R = Anchor::Right;
    // Cover: title band 28 to 46 mm centred on 105 mm; rows from 86 mm, 9 mm apart,
    // labels at 65 mm, values at 102 mm; the mark ending at 185 mm and 279 mm.
    row(1, "房屋安全鉴定报告", C, 105, 37);
    row(1, "委托单位/个人：", L, 65, 90.5);
    row(1, "房屋地址：", L, 65, 99.5);
    row(1, "广州市越秀区东园路38号教学楼", L, 102, 99.5);
    row(1, "鉴定人：", L, 65, 108.5);
    row(1, "陈志明", L, 102, 108.5);
    row(1, "负责人：", L, 65, 126.5);
    row(1, "梁国栋", L, 102, 126.5);
    row(1, "鉴定单位：", L, 65, 135.5);
    row(1, "广州市城安房屋安全鉴定所", L, 102, 135.5);
    row(1, "鉴定日期：", L, 65, 144.5);
    row(1, "2004年2月24日", L, 102, 144.5);
    row(1, "【晨岭房屋安全鉴定管理系统】", R, 185, 279, Vertical::Bottom);
    // Body: title band 18 to 26 mm, the number ending at 180 mm on a line
    // ending at 36 mm; the table from x 15 to 193 mm and y 37 mm, each text
    // in the box 1 mm inside its cell (0.5 mm above its bottom).
    row(2, "房屋安全鉴定报告", C, 105, 22);
    row(2, "2004-008", R, 180, 36, Vertical::Bottom);
    row(2, "一、委托单位/个人情况", L, 16, 39.75);
    row(2, "广州市越秀区东园路小学", L, 34, 44.75);
    row(2, "电话", C, 106.5, 44.75);
    row(2, "020-83351276", C, 126, 44.75);
    row(2, "委托日期", C, 149, 44.75);
    row(2, "2004年2月16日", C, 175.5, 44.75);
    row(2, "二、房屋情况", L, 16, 49.75);
    row(2, "房屋地址", C, 24, 54.75);
    row(2, "广州市越秀区东园路38号教学楼", L, 34, 54.75);
    row(2, "建造年份", C, 113, 59.75);
    row(2, "1996年", C, 159, 59.75);
    row(2, "3260.5㎡", C, 159, 64.75);
    row(2, "产权证编号", C, 113, 74.75);
    row(2, "三、房屋安全鉴定目的：校舍年度安全检查", L, 16, 84.75);
    row(2, "四、鉴定情况：", L, 16, 89.75);
    row(2, "该楼为四层现浇钢筋混凝土框架结构", L, 16, 94.25);
    row(2, "五、损坏原因分析：", L, 16, 176.75);
    row(2, "1、填充墙细微裂缝", L, 16, 181.25);
    row(2, "六、鉴定结论：", L, 16, 195.75);
    row(2, "七、处理建议：", L, 16, 214.75);
    row(2, "八、检测鉴定人员：陈志明、李伟", L, 16, 233.75);
    row(2, "九、鉴定单位技术负责人签章：", L, 16, 238.75);
    row(2, "鉴定人：陈志明", L, 16, 247.75);
    row(2, "鉴定单位（公章）：广州市城安房屋安全鉴定所", L, 106, 247.75);
    row(2, "鉴定日期：2004年2月24日", L, 106, 256.75);
    row(2, "审定人：梁国栋", L, 16, 265.75);
    row(2, "【晨岭房屋安全鉴定管理系统】", R, 185, 279, Vertical::Bottom);
}

void TestReportPdf::textsSitAtTheLayoutsPlaces()
{
    QFETCH(int, page);
    QFETCH(QString, text);
    QFETCH(int, anchor);
    QFETCH(double, x);
    QFETCH(int, vertical);
    QFETCH(double, y);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");

    static QList<PdfWordsPage> pages;
    if (pages.isEmpty()) {
        const QString pdf = m_out.filePath("first.pdf");
        const ProcessResult result = runHadtool({ "pdf", m_sample, "--index", "0", "-o", pdf });
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(messages(result.err), QStringList());
        pages = pdfWords(pdf);
        QCOMPARE(pages.size(), 2);
        for (const PdfWordsPage &p : pages) { // A4 portrait
            QVERIFY(qAbs(p.width - 210) < 0.5);
            QVERIFY(qAbs(p.height - 297) < 0.5);
        }
    }

    // Horizontally the layout fixes the edge. Vertically it centres the line
    // of text, as its font measures it, in the cell's box; the boxes that
    // pdftotext gives are those of the glyphs' own font, and where Chinese
    // characters stand in a Latin face they sit higher, by 0.55 mm at 15
    // points (a tenth of the size).
    std::optional<Deviation> best;
    for (const PdfWord &word : pages.at(page - 1).words) {
        if (!word.text.startsWith(text))
            continue;
        const Deviation d = deviation(word, Anchor(anchor), x, Vertical(vertical), y);
        if (!best || std::hypot(d.dx, d.dy) < std::hypot(best->dx, best->dy))
            best = d;
    }
    QVERIFY2(best, "not on the page");
    QVERIFY2(qAbs(best->dx) <= 0.5, qPrintable(QString("%1 mm off horizontally").arg(best->dx)));
    QVERIFY2(qAbs(best->dy) <= 0.6, qPrintable(QString("%1 mm off vertically").arg(best->dy)));
}

void TestReportPdf::pagesReadBackAsDrawn()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    TestAppDir dir;
    const QString pdf = m_out.filePath("asdrawn.pdf");
    QCOMPARE(runHadtool({ "pdf", m_sample, "--index", "0", "-o", pdf }).exitCode, 0);
    const QList<PdfPage> pages = readPdfPages(pdf);
    QCOMPARE(pages.size(), 2);
    for (int page = 1; page <= 2; ++page) {
        const QString text = pages.at(page - 1).text;
        QVERIFY2(!text.contains(u'\t'), qPrintable(text));
        QCOMPARE(sortedCharacters(text), sortedCharacters(drawnTexts(m_sample, page).join(QString())));
    }
}

void TestReportPdf::everyGb2312HanziReadsBack()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    // 20 lines of 50 characters fill the findings of a report.
    const QString hanzi = gb2312Hanzi();
    QCOMPARE(hanzi.size(), 6763);
    QList<StoredReport> reports;
    QStringList memos;
    for (qsizetype at = 0; at < hanzi.size(); at += 1000) {
        memos.append(hanzi.mid(at, 1000));
        reports.append(
            { QString::number(reports.size() + 1), TPageSettings(), { { "ApprCircs", memos.last() } } });
    }
    TestAppDir dir;
    const QString database = dir.filePath("gb2312.had");
    makeDatabase(database, reports);
    const QString pdf = m_out.filePath("gb2312.pdf");
    const ProcessResult result = runHadtool({ "pdf", database, "--all", "-o", pdf }, { .timeoutMs = 240000 });
    QCOMPARE(result.exitCode, 0);
    const QList<PdfPage> pages = readPdfPages(pdf);
    QCOMPARE(pages.size(), 2 * reports.size());
    for (qsizetype r = 0; r < memos.size(); ++r) {
        QString body = pages.at(2 * r + 1).text;
        body.remove(QRegularExpression("\\s"));
        QStringList wrapped;
        WrapReportText(memos.at(r), TPageSettings().RowMaxCharCount, wrapped);
        for (const QString &line : wrapped)
            QVERIFY2(body.contains(line), qPrintable(line));
    }
}

void TestReportPdf::charactersDrawnAlikeKeepTheirText()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    // The faces draw each pair with one glyph; both of a pair are on the page.
    const QString memo = QStringLiteral("甲／乙∕丙兀丁兀戊∕己／");
    TestAppDir dir;
    const QString database = dir.filePath("alike.had");
    makeDatabase(database, { { "1", TPageSettings(), { { "ApprCircs", memo }, { "Address", "兀∕" } } } });
    const QString pdf = m_out.filePath("alike.pdf");
    QCOMPARE(runHadtool({ "pdf", database, "--index", "0", "-o", pdf }).exitCode, 0);
    const QList<PdfPage> pages = readPdfPages(pdf);
    QCOMPARE(pages.size(), 2);
    QVERIFY2(pages.at(1).text.contains(memo), qPrintable(pages.at(1).text));
    QVERIFY2(pages.at(0).text.contains("兀∕"), qPrintable(pages.at(0).text));
    QCOMPARE(sortedCharacters(pages.at(1).text), sortedCharacters(drawnTexts(database, 2).join(QString())));
}

void TestReportPdf::chineseIsSimplifiedWhateverTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("C") << "C";
    QTest::newRow("C.UTF-8") << "C.UTF-8";
    QTest::newRow("en_US.UTF-8") << "en_US.UTF-8";
    QTest::newRow("ja_JP.UTF-8") << "ja_JP.UTF-8";
}

void TestReportPdf::chineseIsSimplifiedWhateverTheLocale()
{
    QFETCH(QString, locale);
    if (QStandardPaths::findExecutable("pdffonts").isEmpty())
        QSKIP("pdffonts (poppler-utils) is not installed");
    const QString pdf = m_out.filePath("locale-" + locale + ".pdf");
    QStringList environment;
    for (const char *variable : { "LANG", "LC_ALL", "LC_CTYPE", "LANGUAGE" })
        environment.append(QString(variable) + '=' + locale);
    QCOMPARE(
        runHadtool({ "pdf", m_sample, "--index", "0", "-o", pdf }, { .environment = environment }).exitCode,
        0);
    const ProcessResult fonts = runProgram("pdffonts", { pdf });
    QCOMPARE(fonts.exitCode, 0);
    QStringList faces;
    for (const QString &line : fonts.out.split(u'\n').mid(2, -1))
        if (!line.isEmpty())
            faces.append(line.section(u' ', 0, 0));
    faces.sort();
    QCOMPARE(faces,
        QStringList(
            { "LiberationSerif", "NotoSansCJKsc-Bold", "NotoSansCJKsc-Regular", "NotoSerifCJKsc-Regular" }));
}

void TestReportPdf::allReportsGoIntoOneFile()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString pdf = m_out.filePath("all.pdf");
    // On a terminal, the progress report by report.
    TerminalProcess terminal;
    QVERIFY(terminal.start(hadtoolPath(), { "pdf", m_sample, "--all", "-o", pdf }));
    QVERIFY(terminal.waitForFinished());
    QVERIFY(WIFEXITED(terminal.status()));
    QCOMPARE(WEXITSTATUS(terminal.status()), 0);
    const QStringList progress = terminal.output().split(u'\n').filter(QRegularExpression("^\\d+/\\d+$"));
    QCOMPARE(progress.first(), QString("1/10"));
    QCOMPARE(progress.last(), QString("10/10"));
    QCOMPARE(progress.size(), 10);
    // Through a pipe, none: a script reads the messages alone.
    const ProcessResult result = runHadtool({ "pdf", m_sample, "--all", "-o", pdf });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QString());
    const QList<PdfWordsPage> pages = pdfWords(pdf);
    QCOMPARE(pages.size(), 20);
    QCOMPARE(pdfInfo(pdf, "Title"), QString("2004年房屋安全鉴定报告")); // the database's name
    // Cover and body in turn, each body with its report's number, in list order.
    const ProcessResult list = runHadtool({ "list", m_sample });
    const QStringList rows = list.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(rows.size(), 10);
    for (int i = 0; i < 10; ++i) {
        const QString fileNo = rows.at(i).section(u'\t', 0, 0);
        const QList<PdfWord> &cover = pages.at(2 * i).words;
        const QList<PdfWord> &body = pages.at(2 * i + 1).words;
        QVERIFY(std::any_of(
            cover.cbegin(), cover.cend(), [](const PdfWord &w) { return w.text == "房屋地址："; }));
        QVERIFY2(std::any_of(body.cbegin(), body.cend(), [&](const PdfWord &w) { return w.text == fileNo; }),
            qPrintable(fileNo));
    }
}

void TestReportPdf::onlyTheFinishedFileWaitsForTheDisk()
{
    if (QStandardPaths::findExecutable("strace").isEmpty())
        QSKIP("strace is not installed");
    // The page files of each report are scratch files; only the PDF file,
    // once complete, is made to reach the disk, however many reports it holds.
    const auto waits = [this](const QStringList &choice) {
        const QString log = m_out.filePath("syncs.log");
        QStringList arguments { "-f", "-qq", "-e", "trace=fsync,fdatasync,sync_file_range,syncfs", "-o", log,
            hadtoolPath(), "pdf", m_sample, "-o", m_out.filePath("synced.pdf") };
        arguments += choice;
        const ProcessResult result = runProgram("strace", arguments);
        if (result.exitCode != 0)
            return -1;
        QFile calls(log);
        return calls.open(QIODevice::ReadOnly) ? int(calls.readAll().count('\n')) : -1;
    };
    const int one = waits({ "--index", "0" });
    if (one < 0)
        QSKIP("strace cannot trace hadtool here (ptrace not permitted)");
    QCOMPARE(waits({ "--all" }), one);
    QVERIFY(one <= 2); // the file, then the folder that records its new name
}

void TestReportPdf::pdfGoesToStandardOutput()
{
    TestAppDir dir;
    QProcess hadtool;
    hadtool.setWorkingDirectory(dir.path());
    hadtool.start(hadtoolPath(), { "pdf", m_sample, "--index", "0", "-o", "-" });
    QVERIFY(hadtool.waitForFinished(60000));
    QCOMPARE(hadtool.exitCode(), 0);
    const QByteArray pdf = hadtool.readAllStandardOutput();
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.endsWith("%%EOF\n"));
    dir.writeFile("out.pdf", pdf);
    const QList<PdfPage> pages = readPdfPages(dir.filePath("out.pdf"));
    QCOMPARE(pages.size(), 2);
    QVERIFY(pages.at(1).text.contains("一、委托单位/个人情况"));
    QCOMPARE(pdfInfo(dir.filePath("out.pdf"), "Title"), QString("2004-008 广州市越秀区东园路38号教学楼"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "out.pdf" }); // no file named "-"
}

// A reader of standard output that is gone before the PDF file comes: the
// run fails with a message, and its files are removed.
void TestReportPdf::aReaderThatGoesAwayFailsTheRun()
{
    TestAppDir dir;
    const QString temporaries = dir.filePath("tmp");
    QVERIFY(QDir().mkpath(temporaries));
    // The reader of the pipe ends at once.
    const ProcessResult result = runProgram("bash",
        { "-c", "\"$0\" pdf \"$1\" --all -o - | true; exit ${PIPESTATUS[0]}", hadtoolPath(), m_sample },
        { .environment
            = { ChineseLocale, "TMPDIR=" + temporaries, "XDG_RUNTIME_DIR=" + dir.filePath("runtime") } });
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains("hadtool: 写标准输出错误"), qPrintable(result.err));
    QCOMPARE(
        QDir(temporaries).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

void TestReportPdf::interruptedRunLeavesNothingBehind_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("Ctrl+C") << SIGINT;
    QTest::newRow("terminate") << SIGTERM;
    QTest::newRow("hang-up") << SIGHUP;
}

void TestReportPdf::interruptedRunLeavesNothingBehind()
{
    QFETCH(int, signal);
    TestAppDir dir;
    const QString database = dir.filePath("many.had");
    QList<StoredReport> reports;
    for (int n = 1; n <= 200; ++n)
        reports.append({ QString::number(n) });
    makeDatabase(database, reports);
    dir.writeFile("out/all.pdf", "old");
    const QString temporaries = dir.filePath("tmp");
    QVERIFY(QDir().mkpath(temporaries));

    // On a terminal, where hadtool shows how far it has come.
    TerminalProcess hadtool;
    QVERIFY(hadtool.start(hadtoolPath(), { "pdf", database, "--all", "-o", dir.filePath("out/all.pdf") },
        { "TMPDIR=" + temporaries,
            "XDG_RUNTIME_DIR=" + dir.filePath("runtime") })); // Qt's own, not hadtool's
    // Interrupted while it works on the reports, with its files in use.
    QVERIFY2(hadtool.waitForOutput("\n3/200\n"), qPrintable(hadtool.output()));
    hadtool.kill(signal);
    QVERIFY(hadtool.waitForFinished());
    QVERIFY2(!hadtool.output().contains("200/200"), "finished before the signal came");

    QVERIFY(WIFSIGNALED(hadtool.status())); // ended by the signal
    QCOMPARE(dir.readFile("out/all.pdf"), QByteArray("old"));
    QCOMPARE(QDir(dir.filePath("out")).entryList(QDir::Files), QStringList { "all.pdf" });
    QCOMPARE(
        QDir(temporaries).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

void TestReportPdf::eachReportKeepsItsOwnPaper()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    TestAppDir dir;
    const QString path = m_out.filePath("papers.had");
    TPageSettings b5;
    b5.PageStyle = "B5";
    b5.PageWidth = 257;
    b5.PageHeight = 182;
    b5.PageOrientation = 1;
    makeDatabase(path, { { "A4" }, { "B5", b5 } });
    QVERIFY(Prompt::shown().isEmpty());
    const QString pdf = m_out.filePath("papers.pdf");
    const ProcessResult result = runHadtool({ "pdf", path, "--all", "-o", pdf });
    QCOMPARE(result.exitCode, 0);
    const QList<PdfWordsPage> pages = pdfWords(pdf);
    QCOMPARE(pages.size(), 4);
    const QList<QSizeF> sheets = { { 210, 297 }, { 210, 297 }, { 257, 182 }, { 257, 182 } };
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(qAbs(pages.at(i).width - sheets.at(i).width()) < 0.5,
            qPrintable(QString::number(pages.at(i).width)));
        QVERIFY(qAbs(pages.at(i).height - sheets.at(i).height()) < 0.5);
    }
}

void TestReportPdf::messagesGoToStandardErrorAndFail()
{
    // A report whose page columns are empty asks the printer for a sheet of 0 x 0 mm.
    TestAppDir dir;
    const QString path = dir.filePath("nosettings.had");
    makeDatabase(path, { { "空白", std::nullopt } });
    const QString pdf = dir.filePath("out.pdf");
    const ProcessResult result = runHadtool({ "pdf", path, "--index", "0", "-o", pdf });
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(messages(result.err), QStringList { "hadtool: 初始化打印机错误!" });
    QVERIFY(QFileInfo(pdf).size() > 0); // drawn on the printer's present paper
}

void TestReportPdf::pngDrawsThePageAsThePreview_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("mark"); // [Misc] IsPrintSoftMess of the program's config.ini
    // A4 on the PDF printer is 4961 x 7016 dots at 600 dpi.
    QTest::newRow("cover at 96") << 1 << 96 << QSize(793, 1122) << true;
    QTest::newRow("body at 96") << 2 << 96 << QSize(793, 1122) << true;
    QTest::newRow("body at 50") << 2 << 50 << QSize(413, 584) << true;
    QTest::newRow("cover without the mark") << 1 << 96 << QSize(793, 1122) << false;
}

void TestReportPdf::pngDrawsThePageAsThePreview()
{
    QFETCH(int, page);
    QFETCH(int, dpi);
    QFETCH(QSize, size);
    QFETCH(bool, mark);
    TestAppDir dir;
    dir.writeFile("config.ini", mark ? "[Misc]\r\nIsPrintSoftMess=1\r\n" : "[Misc]\r\nIsPrintSoftMess=0\r\n");
    const QString png = m_out.filePath(QStringLiteral("page%1-%2-%3.png").arg(page).arg(dpi).arg(mark));
    const ProcessResult result
        = runHadtool({ "png", m_sample, "--file-no", "2004-008", "--page", QString::number(page), "--dpi",
                         QString::number(dpi), "-o", png },
            { .environment = { "APPRAISAL_HOME=" + dir.path() } });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(messages(result.err), QStringList());
    const QImage image(png);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));
    // The table's left edge, a thick preview rule at 15 mm, runs from 37 to 272 mm on the body only.
    const int edge = int(std::ceil(dpi * 15 * InchesPerMM));
    int dark = 0;
    for (double mm = 40; mm < 270; mm += 10)
        if (qGray(image.pixel(edge, int(dpi * mm * InchesPerMM))) < 128)
            ++dark;
    QCOMPARE(dark, page == 2 ? 23 : 0);
    // The product mark ends 185 mm from the left edge, on a line ending 279 mm from the top.
    const QRect markPlace(int(dpi * 140 * InchesPerMM), int(dpi * 274 * InchesPerMM),
        int(dpi * 45 * InchesPerMM), int(dpi * 5 * InchesPerMM));
    int marked = 0;
    for (int y = markPlace.top(); y <= markPlace.bottom(); ++y)
        for (int x = markPlace.left(); x <= markPlace.right(); ++x)
            marked += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    QCOMPARE(marked > 0, mark);
}

void TestReportPdf::failuresLeaveTheOutputAlone_data()
{
    QTest::addColumn<QStringList>("arguments"); // FILE stands for the sample, OUT for the output
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("pdf without -o") << QStringList { "pdf", "FILE", "--index", "0" } << 2 << "缺少 -o";
    QTest::newRow("pdf without a report")
        << QStringList { "pdf", "FILE", "-o", "OUT" } << 2 << "请给出 --index N 或 --file-no NO 中的一个";
    QTest::newRow("pdf --all with --index")
        << QStringList { "pdf", "FILE", "--all", "--index", "1", "-o", "OUT" } << 2 << "请给出 --all, 或";
    QTest::newRow("png --all") << QStringList { "png", "FILE", "--all", "--page", "1", "-o", "OUT" } << 2
                               << "请给出 --index N 或 --file-no NO 中的一个";
    QTest::newRow("png page 3") << QStringList { "png", "FILE", "--index", "0", "--page", "3", "-o", "OUT" }
                                << 2 << "--page 1";
    QTest::newRow("png dpi 5") << QStringList { "png", "FILE", "--index", "0", "--page", "1", "--dpi", "5",
        "-o", "OUT" } << 2 << "--dpi";
    QTest::newRow("no such report") << QStringList { "pdf", "FILE", "--index", "99", "-o", "OUT" } << 1
                                    << "没有第 99 份鉴定报告";
    QTest::newRow("no such number") << QStringList { "png", "FILE", "--file-no", "X", "--page", "1", "-o",
        "OUT" } << 1 << "没有编号为 X";
    QTest::newRow("output folder missing")
        << QStringList { "pdf", "FILE", "--index", "0", "-o", "missing/out.pdf" } << 1 << "不能创建文件";
}

void TestReportPdf::failuresLeaveTheOutputAlone()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    TestAppDir dir;
    dir.writeFile("out", "old");
    const QString temporaries = dir.filePath("tmp");
    QVERIFY(QDir().mkpath(temporaries));
    for (QString &argument : arguments) {
        if (argument == "FILE")
            argument = m_sample;
        else if (argument == "OUT" || argument.startsWith("missing/"))
            argument = dir.filePath(argument == "OUT" ? "out" : argument);
    }
    const ProcessResult result = runHadtool(arguments,
        { .environment = { "TMPDIR=" + temporaries, "XDG_RUNTIME_DIR=" + dir.filePath("runtime") } });
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QCOMPARE(dir.readFile("out"), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "out" }); // no temporary file left
    QCOMPARE(
        QDir(temporaries).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

void TestReportPdf::fullDiskLeavesTheOldOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("limit"); // below the output's size, above the page files'
    QTest::newRow("template") << QStringList { "template", "FILE", "--index", "0", "-o", "OUT" } << 1024;
    QTest::newRow("png") << QStringList { "png", "FILE", "--index", "0", "--page", "1", "-o", "OUT" }
                         << 30000;
    QTest::newRow("pdf") << QStringList { "pdf", "FILE", "--index", "0", "-o", "OUT" } << 60000;
}

// The write that hits the limit fails as on a full disk: the run fails with
// the output's path and the system's reason, and the old output stays.
void TestReportPdf::fullDiskLeavesTheOldOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, limit);
    TestAppDir dir;
    const QByteArray old(200000, 'o');
    dir.writeFile("out", old);
    const QString temporaries = dir.filePath("tmp");
    QVERIFY(QDir().mkpath(temporaries));
    arguments.replace(arguments.indexOf("FILE"), m_sample);
    arguments.replace(arguments.indexOf("OUT"), dir.filePath("out"));
    ProcessResult result;
    {
        const FileSizeLimit limited(limit);
        result = runHadtool(arguments,
            { .environment = { "TMPDIR=" + temporaries, "XDG_RUNTIME_DIR=" + dir.filePath("runtime") } });
    }
    QCOMPARE(result.exitCode, 1);
    const QStringList lines = messages(result.err);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.at(0).startsWith("hadtool: 不能写入文件 " + dir.filePath("out"))
            && lines.at(0).endsWith(": File too large"),
        qPrintable(result.err));
    QVERIFY(dir.readFile("out") == old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "out" });
}

QTEST_MAIN(TestReportPdf)
#include "tst_reportpdf.moc"

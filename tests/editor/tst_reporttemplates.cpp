#include "base/errorreport.h"
#include "base/filebytes.h"
#include "base/prompt.h"
#include "db/reporttemplate.h"
#include "editor/componenttable.h"
#include "editor/fieldtext.h"
#include "editor/reportlist.h"
#include "editor/reporttemplates.h"
#include "promptcheck.h"
#include "windowfixture.h"

#include <QDir>
#include <QTableWidget>
#include <QtEndian>
#include <QtTest>

// Templates written from and read into a report window: what the file
// takes from the controls and the table, and what reading changes in the
// window (fields with their mirrors, list entry, area total, Modified, the
// table) and what it leaves alone (number, dates, result memo, database).
class TestReportTemplates : public QObject
{
    Q_OBJECT

private slots:
    void roundTripIntoAnotherReport();
    void tableSizes_data();
    void tableSizes();
    void equalTextsStillMarkTheReportModified();
    void damagedTemplateChangesNothing_data();
    void damagedTemplateChangesNothing();
    void writtenFromWhatTheWindowShows();
};

namespace {

const Columns FullReport = {
    { "FileNo", "2004-001" },
    { "TrustDate", "2004-03-07" },
    { "ApprDate", "2004-04-01" },
    { "Client", "张三" },
    { "LinkMan", "李四" },
    { "LinkPhone", "0771-1234567" },
    { "Address", "民族大道1号" },
    { "PropertyRightMan", "王五" },
    { "BldgPurpose", "住宅" },
    { "BuildYear", "1985" },
    { "StrucStyle", "砖混结构" },
    { "BuildAreaHowff", "120.5" },
    { "BuildAreaTrade", "80" },
    { "BuildAreaGarage", "12" },
    { "BuildAreaFactory", "3.25" },
    { "BuildAreaOther", "7" },
    { "PlaneShape", "矩形" },
    { "Layers", "6" },
    { "PropertyRightAttr", "私产" },
    { "PropertyRightCertificate", "邕房权字001" },
    { "Memory", "无" },
    { "ApprPurpose", "安全鉴定" },
    { "ApprCircs", "第一行\r\n第二行\r\n\r\n第四行" },
    { "ShatterReason0", "年久失修\r\n白蚁" },
    { "ApprConclusion", "C级\r\n" },
    { "DisposalAdvi", "加固\r\n观察使用" },
    { "Surveyor", "赵六" },
    { "ApprUnit", "鉴定站" },
    { "Appraiser", "甲" },
    { "Assessor", "乙" },
    { "AuthorizedMan", "丙" },
};
const QString FullAreaTotal = QStringLiteral("222.75");

const Columns OtherReport = {
    { "FileNo", "2004-002" },
    { "TrustDate", "2005-06-08" },
    { "ApprDate", "2005-07-09" },
    { "Client", "钱七" },
    { "Address", "园湖路2号" },
    { "PropertyRightMan", "孙八" },
    { "BuildAreaOther", "9" },
};

// Line n of a table, cells 1 to 6 (and the line number).
ComponentRow line(int n, const QString &tag = QStringLiteral("柱"))
{
    ComponentRow row = componentRow(n, QStringLiteral("承重结构"), tag, QString::number(10 * n));
    row[ComponentColumn::Structure] = QStringLiteral("砖");
    row[ComponentColumn::Dangerous] = QString::number(n);
    row[ComponentColumn::Clause] = QStringLiteral("4.3.%1").arg(n);
    return row;
}

QList<ComponentRow> lines(int count, const QString &tag = QStringLiteral("柱"))
{
    QList<ComponentRow> rows;
    for (int n = 1; n <= count; ++n)
        rows.append(line(n, tag));
    return rows;
}

QList<ComponentRow> withoutNumbers(QList<ComponentRow> rows)
{
    for (ComponentRow &row : rows)
        row[ComponentColumn::Number].clear();
    return rows;
}

QStringList numbersOf(const QList<ComponentRow> &rows)
{
    QStringList numbers;
    for (const ComponentRow &row : rows)
        numbers << row[ComponentColumn::Number];
    return numbers;
}

// A template with every field given (by the full report) and the given lines.
ReportTemplate fullTemplate(const QList<ComponentRow> &rows)
{
    ReportTemplate value;
    for (const QString &column : ReportTemplate::columns())
        value.setText(column, FullReport.value(column));
    value.lines = withoutNumbers(rows);
    return value;
}

// Everything of the shown report that a template could touch.
struct Shown
{
    explicit Shown(TfrmChildWin *w)
    {
        const ReportTexts texts = w->controlTexts();
        values = texts.values;
        dates = { texts.trustDate, texts.apprDate };
        for (const QString &column : ReportTemplate::columns())
            for (const QString &control : ReportTemplate::readInto(column))
                controls << FieldText::text(child(w, control));
        rows = w->componentPage()->rows();
        areaTotal = w->areaTotal();
        ReportListModel *list = w->reportList()->reportModel();
        for (int column = 0; column < ReportListModel::ColumnCount; ++column)
            entry << list->cellText(0, column);
        memo = FieldText::text(w->componentPage()->resultMemo());
    }
    bool operator==(const Shown &) const = default;

    QHash<QString, QString> values;
    QList<QDate> dates;
    QStringList controls;
    QList<ComponentRow> rows;
    QString areaTotal;
    QStringList entry;
    QString memo;
};

// The stored reports and component rows, whole.
QStringList database(ReportsFile &file)
{
    QStringList all;
    for (const QString &column :
        ReportTemplate::columns() + QStringList { "FileNo", "TrustDate", "ApprDate" })
        all << column + u'=' + file.stored(column).join(u'|');
    for (const QString &number : file.stored(QStringLiteral("FileNo")))
        all << number + u':' + file.rowsOf(number).join(u';');
    return all;
}

} // namespace

// A template of a report with ten lines, read into another report: every
// field in its control and mirror, the list entry and area total following,
// the same ten lines; the number, the dates, Memo1 and the database as they
// were until the report is saved.
void TestReportTemplates::roundTripIntoAnotherReport()
{
    ReportsFile file({ FullReport, OtherReport });
    file.addRows("2004-001", lines(10));
    file.addRows("2004-002", lines(3, QStringLiteral("板")));
    auto w = openReportWindow(file.path);
    const QString path = QDir(TemplateFolder()).filePath("民族大道1号.Btp");

    WriteReportTemplate(*w, path);
    const ReportTemplate written = ReportTemplateFile::read(path);
    QCOMPARE(written, fullTemplate(lines(10)));
    QCOMPARE(written.rowCount(), 11);

    w->GoToReport(1);
    QCOMPARE(textOf(w.get(), "labedtFileNo"), "2004-002");
    FieldText::setText(w->componentPage()->resultMemo(), QStringLiteral("上次的计算"));
    w->setModified(false);
    const QString trustDate2 = textOf(w.get(), "labedtTrustDate2");
    const QStringList stored = database(file);

    ReadReportTemplate(*w, path);

    for (const QString &column : ReportTemplate::columns())
        for (const QString &control : ReportTemplate::readInto(column))
            QCOMPARE(FieldText::text(child(w.get(), control)), FullReport.value(column));
    QCOMPARE(textOf(w.get(), "labedtFileNo"), "2004-002");
    QCOMPARE(textOf(w.get(), "dtpickTrustDate1"), "2005-06-08");
    QCOMPARE(textOf(w.get(), "dtpickApprDate"), "2005-07-09");
    QCOMPARE(textOf(w.get(), "labedtTrustDate2"), trustDate2);
    QCOMPARE(textOf(w.get(), "Memo1"), "上次的计算");
    ReportListModel *list = w->reportList()->reportModel();
    QCOMPARE(list->cellText(1, ReportListModel::Number), "2004-002");
    QCOMPARE(list->cellText(1, ReportListModel::Client), "张三");
    QCOMPARE(list->cellText(1, ReportListModel::Address), "民族大道1号");
    QCOMPARE(list->cellText(1, ReportListModel::Owner), "王五");
    QCOMPARE(list->cellText(0, ReportListModel::Client), "张三");
    QCOMPARE(w->areaTotal(), FullAreaTotal);
    QVERIFY(w->Modified());
    const QList<ComponentRow> rows = w->componentPage()->rows();
    QCOMPARE(withoutNumbers(rows), withoutNumbers(lines(10)));
    QCOMPARE(numbersOf(rows), QStringList({ "1", "2", "3", "", "", "", "", "", "", "" }));
    QCOMPARE(database(file), stored);

    w->saveReport();
    QCOMPARE(file.stored("Client"), QStringList({ "张三", "张三" }));
    QCOMPARE(file.stored("ApprCircs"), QStringList(2, FullReport.value("ApprCircs")));
    QCOMPARE(file.stored("FileNo"), QStringList({ "2004-001", "2004-002" }));
    QCOMPARE(file.rowsOf("2004-002"), file.rowsOf("2004-001"));
}

void TestReportTemplates::tableSizes_data()
{
    QTest::addColumn<int>("linesBefore");
    QTest::addColumn<int>("templateLines");
    QTest::addColumn<QStringList>("numbers"); // column 0 afterwards

    QTest::newRow("shorter table grows, new lines unnumbered")
        << 2 << 5 << QStringList { "1", "2", "", "", "" };
    QTest::newRow("longer table shrinks") << 10 << 2 << QStringList { "1", "2" };
    QTest::newRow("same length") << 3 << 3 << QStringList { "1", "2", "3" };
    QTest::newRow("template without lines") << 4 << 0 << QStringList {};
}

void TestReportTemplates::tableSizes()
{
    QFETCH(int, linesBefore);
    QFETCH(int, templateLines);
    QFETCH(QStringList, numbers);
    ReportsFile file({ OtherReport });
    file.addRows("2004-002", lines(linesBefore, QStringLiteral("板")));
    auto w = openReportWindow(file.path);
    const QString path = QDir(TemplateFolder()).filePath("t.Btp");
    ReportTemplateFile::write(path, fullTemplate(lines(templateLines)));

    ReadReportTemplate(*w, path);

    ComponentTablePage *table = w->componentPage();
    QCOMPARE(table->rowCountWithHeader(), templateLines + 1);
    QCOMPARE(numbersOf(table->rows()), numbers);
    QCOMPARE(withoutNumbers(table->rows()), withoutNumbers(lines(templateLines)));
}

// A template read into the report it was written from changes no text; the
// report still counts as replaced, so that closing asks before it is lost.
void TestReportTemplates::equalTextsStillMarkTheReportModified()
{
    ReportsFile file({ FullReport });
    file.addRows("2004-001", lines(4));
    auto w = openReportWindow(file.path);
    const QString path = QDir(TemplateFolder()).filePath("same.Btp");
    WriteReportTemplate(*w, path);
    QVERIFY(!w->Modified());
    const Shown before(w.get());

    ReadReportTemplate(*w, path);

    QVERIFY(w->Modified());
    QVERIFY(Shown(w.get()) == before);
}

void TestReportTemplates::damagedTemplateChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
    QTest::addColumn<QString>("message"); // the start of the message

    const QByteArray good = ReportTemplateFile::encode(fullTemplate({}));
    // Without lines the file ends with N = 1 and 2 x 7 empty cell records.
    const qsizetype nAt = good.size() - 14 * 4 - 4;
    const auto patched = [&](qsizetype at, qint32 value) {
        QByteArray bytes = good;
        qToLittleEndian(value, bytes.data() + at);
        return bytes;
    };
    QByteArray wrongMagic = good;
    wrongMagic[0] = '\xAA';
    wrongMagic[1] = '\x55';
    const QString format = QStringLiteral("文件格式不对...");

    QTest::newRow("wrong magic") << wrongMagic << format;
    QTest::newRow("empty file") << QByteArray("", 0) << format;
    QTest::newRow("ends inside the fields") << good.left(40) << format;
    QTest::newRow("ends inside the table") << good.chopped(2) << format;
    QTest::newRow("ends before N") << good.left(nAt + 2) << format;
    QTest::newRow("negative length") << patched(6, -1) << format;
    QTest::newRow("length past the end") << patched(6, 1 << 20) << format;
    QTest::newRow("negative N") << patched(nAt, -5) << format;
    QTest::newRow("more rows than the file holds") << patched(nAt, 1000000) << format;
    QTest::newRow("no such file") << QByteArray() << QStringLiteral("不能读取文件 ");
}

// Refused with one message before anything in the window is touched.
void TestReportTemplates::damagedTemplateChangesNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    ReportsFile file({ OtherReport });
    file.addRows("2004-002", lines(3));
    auto w = openReportWindow(file.path);
    const QString path = QDir(TemplateFolder()).filePath("bad.Btp");
    if (!bytes.isNull())
        FileBytes::write(path, bytes);
    const Shown before(w.get());
    const QStringList stored = database(file);

    QVERIFY(!runReported([&] { ReadReportTemplate(*w, path); }));

    QCOMPARE(Prompt::shown().size(), 1);
    QVERIFY2(Prompt::shown().first().text.startsWith(message), qPrintable(Prompt::shown().first().text));
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Error);
    QVERIFY(Shown(w.get()) == before);
    QVERIFY(!w->Modified());
    QCOMPARE(database(file), stored);
}

// The file takes what the controls and the table show, unsaved edits and
// the text being typed into a cell included; the result memo, the number
// and the dates are not part of it.
void TestReportTemplates::writtenFromWhatTheWindowShows()
{
    ReportsFile file({ FullReport });
    file.addRows("2004-001", lines(2));
    auto w = openReportWindow(file.path);
    showActive(w.get());
    w->setControlText("Address", "新地址");
    w->setControlText("DisposalAdvi", "拆除\n重建");
    FieldText::setText(w->componentPage()->resultMemo(), QStringLiteral("结果"));
    w->showPage(1);
    QTableWidget *grid = w->componentPage()->grid();
    grid->setFocus();
    grid->setCurrentCell(1, ComponentColumn::Clause);
    grid->editItem(grid->item(1, ComponentColumn::Clause));
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor && grid->isAncestorOf(editor));
    editor->clear();
    QTest::keyClicks(editor, "9.9");

    const QString path = QDir(TemplateFolder()).filePath("shown.Btp");
    WriteReportTemplate(*w, path);

    ReportTemplate expected = fullTemplate(lines(2));
    expected.setText("Address", "新地址");
    expected.setText("DisposalAdvi", "拆除\r\n重建");
    expected.lines[1][ComponentColumn::Clause] = QStringLiteral("9.9");
    QCOMPARE(ReportTemplateFile::read(path), expected);
    QCOMPARE(file.stored("Address"), QStringList({ "民族大道1号" }));
}

QTEST_MAIN(TestReportTemplates)
#include "tst_reporttemplates.moc"

#include "base/apperror.h"
#include "base/inifile.h"
#include "base/prompt.h"
#include "db/hadfile.h"
#include "editor/componenttable.h"
#include "editor/editorstate.h"
#include "editor/reportlist.h"
#include "editor/searchsheet.h"
#include "output/outputstate.h"
#include "promptcheck.h"
#include "windowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

#include <cmath>

// The report window on its own, without the frame: creation on a file, the
// record binding, the change handling and Modified, the mirrors and the
// area total, the report number moving the component rows, the keyboard,
// the pages and the input limits.
class TestReportWindow : public QObject
{
    Q_OBJECT

private slots:
    void emptyFileGetsAFirstBlankReport();
    void openingShowsTheFirstReportUnmodified();
    void unreadableFileLeavesNoWindow();

    void controlsLabelsAndPages_data();
    void controlsLabelsAndPages();
    void mirrorsAreReadOnlyInTheInfoColour();
    void dropDownListsAndDatePickers();

    void modified_data();
    void modified();
    void mirrorsAndListFollowTyping_data();
    void mirrorsAndListFollowTyping();
    void trustDatePickedByTheUser();
    void digitsReplaceTheClickedPartOfADate_data();
    void digitsReplaceTheClickedPartOfADate();
    void areaTotal_data();
    void areaTotal();
    void areaTotalWhenTheReportPageIsEntered();

    void clearReport();
    void gradeStandardOfAnOlderFile();
    void levelListFollowsTheStoreys();
    void newReportsTakeTheDefaultStandard_data();
    void newReportsTakeTheDefaultStandard();
    void storeReportWritesEveryBoundColumn();
    void storeReportRefusesAnAreaThatIsNoNumber_data();
    void storeReportRefusesAnAreaThatIsNoNumber();
    void setControlTextActsAsEditing();

    void numberChangeMovesTheComponentRows_data();
    void numberChangeMovesTheComponentRows();
    void numberChangeNeverMovesRowsOntoAnotherReport();

    void enterKey_data();
    void enterKey();
    void inputLengths_data();
    void inputLengths();
    void longerStoredTextIsKeptWhole();
    void pasteIntoOneLineFields_data();
    void pasteIntoOneLineFields();

    void panelsAreCentred();
    void wheelScrollsBothWays();
    void focusedControlIsRemembered();
    void shownPageGivesItsFirstFieldTheFocus_data();
    void shownPageGivesItsFirstFieldTheFocus();
};

namespace {

const Columns FirstReport = {
    { "FileNo", "2004-001" },
    { "Client", "张三" },
    { "TrustDate", "2004-03-07" },
    { "LinkMan", "李四" },
    { "LinkPhone", "0771-1234567" },
    { "Address", "民族大道1号" },
    { "PropertyRightMan", "王五" },
    { "PropertyRightCertificate", "邕房权字001" },
    { "ApprPurpose", "安全鉴定" },
    { "BldgPurpose", "住宅" },
    { "BuildYear", "1985" },
    { "StrucStyle", "自定结构" },
    { "BuildAreaHowff", "120.5" },
    { "BuildAreaTrade", "80" },
    { "PlaneShape", "矩形" },
    { "Layers", "6" },
    { "PropertyRightAttr", "私产" },
    { "Memory", "无" },
    { "ApprCircs", "第一行\r\n第二行" },
    { "ShatterReason0", "年久失修" },
    { "ApprConclusion", "C级" },
    { "DisposalAdvi", "加固" },
    { "Surveyor", "赵六" },
    { "Appraiser", "甲" },
    { "Assessor", "乙" },
    { "AuthorizedMan", "丙" },
    { "ApprUnit", "鉴定站" },
    { "ApprDate", "2004-04-01" },
    { "PageStyle", "B5" },
    { "PageWidth", "182" },
};

const Columns SecondReport = {
    { "FileNo", "2004-002" },
    { "Client", "钱七" },
    { "Address", "园湖路2号" },
    { "PropertyRightMan", "孙八" },
    { "BuildAreaOther", "7" },
};

QLineEdit *edit(TfrmChildWin *w, const QString &name)
{
    return child<QLineEdit>(w, name);
}

// Rounding to the nearest whole number, halves to even.
// Types a new report number into labedtFileNo, which keeps the focus.
QLineEdit *typeNumber(TfrmChildWin *w, const QString &number)
{
    showActive(w);
    w->showPage(2);
    QLineEdit *field = edit(w, "labedtFileNo");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, number);
    return field;
}

int nearest(double value)
{
    return int(std::nearbyint(value));
}

} // namespace

void TestReportWindow::emptyFileGetsAFirstBlankReport()
{
    ReportsFile file;
    file.dir.writeFile("config.ini", "[PageSetup]\r\nPageWidth=200\r\n");
    auto w = openReportWindow(file.path);

    QCOMPARE(file.stored("count(*)"), QStringList { "1" });
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QCOMPARE(file.stored("FileNo"), QStringList { "" });
    QVERIFY(file.stored("TrustDate").first().startsWith(today));
    QVERIFY(file.stored("ApprDate").first().startsWith(today));
    QCOMPARE(file.stored("PageWidth"), QStringList { "200" });
    QCOMPARE(file.stored("PageHeight"), QStringList { "297" });
    for (const char *never : { "DangerCircs", "ShatterReason" })
        QCOMPARE(file.stored(never), QStringList { "<null>" });
    QCOMPARE(file.stored("version"), QStringList { "1" }); // the report's first save
    QCOMPARE(w->reportList()->reportModel()->rowCount(), 1);
    QCOMPARE(w->reportList()->reportModel()->cellText(0, ReportListModel::Number), QString());
    QCOMPARE(w->reportList()->selectedEntry(), 0);
    QVERIFY(!w->Modified());
    QCOMPARE(w->componentPage()->rows().size(), 1); // a report without rows shows one empty line
}

void TestReportWindow::openingShowsTheFirstReportUnmodified()
{
    ReportsFile file({ FirstReport, SecondReport });
    file.addRows("2004-001", { componentRow(1, "承重结构", "柱", "10"), componentRow(2, "地基基础") });
    auto w = openReportWindow(file.path);

    QVERIFY(!w->Modified());
    QCOMPARE(w->ReportQuery().recNo(), 1);
    QCOMPARE(textOf(w.get(), "labedtFileNo"), "2004-001");
    QCOMPARE(textOf(w.get(), "labedtClient1"), "张三");
    QCOMPARE(textOf(w.get(), "labedtClient2"), "张三");
    QCOMPARE(textOf(w.get(), "labedtAddress2"), "民族大道1号");
    QCOMPARE(textOf(w.get(), "labedtPropertyRightCertificate2"), "邕房权字001");
    QCOMPARE(textOf(w.get(), "cbbStrucStyle"), "自定结构"); // free text stands
    QCOMPARE(textOf(w.get(), "labedtBuildAreaHowff"), "120.5");
    QCOMPARE(textOf(w.get(), "labedtBuildAreaTrade"), "80");
    QCOMPARE(textOf(w.get(), "labedtBuildAreaGarage"), "");
    QCOMPARE(textOf(w.get(), "memApprCircs"), "第一行\n第二行");
    // The memo hands its lines back as the file keeps them.
    QCOMPARE(w->controlTexts().text("ApprCircs"), "第一行\r\n第二行");
    QCOMPARE(textOf(w.get(), "dtpickTrustDate1"), "2004-03-07");
    QCOMPARE(textOf(w.get(), "labedtTrustDate2"), "2004年3月7日");
    QCOMPARE(textOf(w.get(), "dtpickApprDate"), "2004-04-01");
    QCOMPARE(OutputProcess.CurrentPageSettings.PageStyle, "B5");
    QCOMPARE(OutputProcess.CurrentPageSettings.PageWidth, 182);
    QCOMPARE(OutputProcess.CurrentPageSettings.TopMargin, 0); // null columns read as 0

    QCOMPARE(w->componentPage()->rows().size(), 2);
    QCOMPARE(w->componentPage()->rows().at(0)[ComponentColumn::Name], "柱");
    QCOMPARE(w->currentPage(), 0);
    QCOMPARE(child<QStackedWidget>(w.get(), "Notebook1")->currentIndex(), 0);

    ReportListModel *list = w->reportList()->reportModel();
    QCOMPARE(list->rowCount(), 2);
    const QStringList second
        = { list->cellText(1, 0), list->cellText(1, 1), list->cellText(1, 2), list->cellText(1, 3) };
    QCOMPARE(second, QStringList({ "2004-002", "园湖路2号", "孙八", "钱七" }));

    // The second report has no dates: both fall back to today.
    w->ReportQuery().next();
    w->LoadReport(w->ReportQuery());
    QCOMPARE(textOf(w.get(), "dtpickTrustDate1"), QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(textOf(w.get(), "labedtTrustDate2"), chineseDate(QDate::currentDate()));
    QCOMPARE(textOf(w.get(), "memApprCircs"), "");
}

void TestReportWindow::unreadableFileLeavesNoWindow()
{
    TestAppDir dir;
    dir.writeFile("Data/坏.had", "this is no database at all");
    const QString path = dir.filePath("Data/坏.had");
    try {
        openReportWindow(path);
        QFAIL("a window was made");
    } catch (const AppError &e) {
        QCOMPARE(e.message(), "文件 " + path + " 不是本系统的数据库!");
    }
    QVERIFY(!Connection::isFileOpen(path));
    QCOMPARE(dir.readFile("Data/坏.had"), QByteArray("this is no database at all"));
    QVERIFY(Prompt::shown().isEmpty()); // the caller shows the message, once
}

void TestReportWindow::controlsLabelsAndPages_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("page"); // 0 request, 2 report

    const char *const rows[][3] = {
        { "labedtClient1", "委 托 人:", "0" },
        { "dtpickTrustDate1", "委托日期:", "0" },
        { "labedtLinkMan", "联 系 人:", "0" },
        { "labedtLinkPhone1", "联系电话:", "0" },
        { "labedtAddress1", "房屋地址:", "0" },
        { "labedtPropertyRightMan1", "产 权 人:", "0" },
        { "labedtPropertyRightCertificate1", "产权证编号:", "0" },
        { "labedtApprPurpose1", "三、房屋安全鉴定目的:", "0" },
        { "labedtFileNo", "编号:", "2" },
        { "labedtClient2", "委 托 人:", "2" },
        { "labedtTrustDate2", "委托日期:", "2" },
        { "labedtLinkPhone2", "电话:", "2" },
        { "labedtAddress2", "房屋地址:", "2" },
        { "labedtPropertyRightMan2", "产权人:", "2" },
        { "cbbBldgPurpose", "房屋用途:", "2" },
        { "labedtBuildYear", "建造年份:", "2" },
        { "cbbStrucStyle", "结构类型:", "2" },
        { "labedtBuildAreaHowff", "住宅:", "2" },
        { "labedtBuildAreaTrade", "商业:", "2" },
        { "labedtBuildAreaGarage", "车库:", "2" },
        { "labedtBuildAreaFactory", "车间或厂房:", "2" },
        { "labedtBuildAreaOther", "其它:", "2" },
        { "labedtSum", "合计:", "2" },
        { "cbbPlaneShape", "平面形式:", "2" },
        { "labedtLayers", "层    数:", "2" },
        { "cbbPropertyRightAttr", "产权性质:", "2" },
        { "labedtMemory", "备注:", "2" },
        { "memApprCircs", "四、鉴定情况:", "2" },
        { "memShatterReason", "五、损坏原因:", "2" },
        { "memApprConclusion", "六、鉴定结论:", "2" },
        { "memDisposalAdvi", "七、处理建议:", "2" },
        { "labedtAppraiser1", "八、检测鉴定人员:", "2" },
        { "labedtAppraiser", "鉴定人:", "2" },
        { "labedtAssessor", "审核人:", "2" },
        { "labedtAuthorizedMan", "审定人:", "2" },
        { "labedtApprUnit", "鉴定单位:", "2" },
        { "dtpickApprDate", "鉴定日期:", "2" },
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString::fromLatin1(row[2]).toInt();
}

void TestReportWindow::controlsLabelsAndPages()
{
    QFETCH(QString, label);
    QFETCH(int, page);
    ReportsFile file({ FirstReport });
    auto w = openReportWindow(file.path);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget *control = child(w.get(), name);
    QVERIFY(control);
    QStringList labels;
    for (QLabel *l : w->findChildren<QLabel *>())
        if (l->buddy() == control)
            labels << l->text();
    QCOMPARE(labels, QStringList { label });
    auto *notebook = child<QStackedWidget>(w.get(), "Notebook1");
    QCOMPARE(notebook->indexOf(notebook->widget(page)), page);
    QVERIFY(notebook->widget(page)->isAncestorOf(control));
    const char *panel = page == 0 ? "Panel1" : "Panel2";
    QVERIFY(child(w.get(), panel)->isAncestorOf(control));
}

void TestReportWindow::mirrorsAreReadOnlyInTheInfoColour()
{
    ReportsFile file({ FirstReport });
    auto w = openReportWindow(file.path);
    for (const char *name : { "labedtClient2", "labedtTrustDate2", "labedtLinkPhone2", "labedtAddress2",
             "labedtPropertyRightMan2", "labedtPropertyRightCertificate2", "labedtApprPurpose2",
             "labedtSum" }) {
        QLineEdit *mirror = edit(w.get(), name);
        QVERIFY2(mirror->isReadOnly(), name);
        QCOMPARE(mirror->palette().color(QPalette::Base), mirror->palette().color(QPalette::ToolTipBase));
    }
    QVERIFY(!edit(w.get(), "labedtClient1")->isReadOnly());

    QCOMPARE(child(w.get(), "Panel1")->size(), QSize(605, 337));
    QCOMPARE(child(w.get(), "Panel2")->size(), QSize(590, 1257));
    auto *tabs = child<QTabBar>(w.get(), "TabSet1");
    QCOMPARE(QStringList({ tabs->tabText(0), tabs->tabText(1), tabs->tabText(2) }),
        QStringList({ "登记", "鉴定和计算", "鉴定报告" }));
    auto *pageControl = child<QTabWidget>(w.get(), "PageControl1");
    QCOMPARE(
        QStringList({ pageControl->tabText(0), pageControl->tabText(1) }), QStringList({ "浏览", "查询" }));
    QVERIFY(child(w.get(), "LeftPanel"));
    QVERIFY(child(w.get(), "Splitter3"));

    // A click on a tab shows the notebook page of the same index.
    QSignalSpy shown(w.get(), &TfrmChildWin::pageShown);
    tabs->setCurrentIndex(2);
    QCOMPARE(child<QStackedWidget>(w.get(), "Notebook1")->currentIndex(), 2);
    QCOMPARE(shown.count(), 1);
}

void TestReportWindow::dropDownListsAndDatePickers()
{
    ReportsFile file({ FirstReport });
    auto w = openReportWindow(file.path);
    const std::pair<const char *, QStringList> lists[] = {
        { "cbbBldgPurpose",
            { "住宅", "商业铺面", "停车场", "车间", "厂房", "教学楼", "学生宿舍", "试验室" } },
        { "cbbStrucStyle",
            { "砖木结构", "混合结构", "框架结构", "木结构", "钢结构", "网架结构", "泥砖木结构",
                "简易结构" } },
        { "cbbPlaneShape",
            { "矩形", "近似矩形", "梯形", "近似梯形", "T形", "L形", "多边形", "三角形", "近似三角形",
                "曲线形" } },
        { "cbbPropertyRightAttr", { "全民所有产", "集体所有产", "私产", "股份制" } },
    };
    for (const auto &[name, items] : lists) {
        auto *combo = child<QComboBox>(w.get(), name);
        QVERIFY(combo->isEditable());
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        QCOMPARE(shown, items);
    }
    for (const char *name : { "dtpickTrustDate1", "dtpickApprDate" }) {
        auto *picker = child<QDateTimeEdit>(w.get(), name);
        QCOMPARE(picker->displayFormat(), "yyyy年M月d日");
        QCOMPARE(picker->text(), picker->date().toString("yyyy年M月d日"));
    }
    QCOMPARE(child<QDateTimeEdit>(w.get(), "dtpickTrustDate1")->text(), "2004年3月7日");
}

void TestReportWindow::modified_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<bool>("modified");
    QTest::newRow("opened") << "none" << false;
    QTest::newRow("a field typed into") << "type" << true;
    QTest::newRow("a report with other values loaded") << "load other" << true;
    QTest::newRow("the same report loaded again") << "load same" << false;
    QTest::newRow("pages cleared") << "clear" << true;
    QTest::newRow("a search") << "search" << true;
    QTest::newRow("the result memo written") << "result" << true;
    QTest::newRow("the component table entered") << "table" << true;
    QTest::newRow("typing while a window opens") << "type opening" << false;
}

void TestReportWindow::modified()
{
    QFETCH(QString, step);
    QFETCH(bool, modified);
    ReportsFile file({ FirstReport, SecondReport });
    auto w = openReportWindow(file.path);
    if (step == "type") {
        QTest::keyClicks(edit(w.get(), "labedtLinkMan"), "x");
    } else if (step == "load other") {
        w->ReportQuery().next();
        w->LoadReport(w->ReportQuery());
    } else if (step == "load same") {
        w->LoadReport(w->ReportQuery());
    } else if (step == "clear") {
        w->ClearReport();
    } else if (step == "search") {
        w->search();
    } else if (step == "result") {
        w->componentPage()->resultMemo()->setPlainText("结果");
    } else if (step == "table") {
        emit w->componentPage()->edited();
    } else if (step == "type opening") {
        EditorProcess.WindowOpening = true;
        QTest::keyClicks(edit(w.get(), "labedtClient1"), "x");
        QTest::keyClicks(edit(w.get(), "labedtFileNo"), "x");
        QTest::keyClicks(edit(w.get(), "labedtLinkMan"), "x");
    }
    QCOMPARE(w->Modified(), modified);
}

void TestReportWindow::mirrorsAndListFollowTyping_data()
{
    QTest::addColumn<QString>("mirror");
    QTest::addColumn<int>("listColumn"); // -1: not in the list
    QTest::newRow("labedtClient1") << "labedtClient2" << int(ReportListModel::Client);
    QTest::newRow("labedtAddress1") << "labedtAddress2" << int(ReportListModel::Address);
    QTest::newRow("labedtPropertyRightMan1") << "labedtPropertyRightMan2" << int(ReportListModel::Owner);
    QTest::newRow("labedtLinkPhone1") << "labedtLinkPhone2" << -1;
    QTest::newRow("labedtPropertyRightCertificate1") << "labedtPropertyRightCertificate2" << -1;
    QTest::newRow("labedtApprPurpose1") << "labedtApprPurpose2" << -1;
    QTest::newRow("labedtFileNo") << QString() << int(ReportListModel::Number);
}

void TestReportWindow::mirrorsAndListFollowTyping()
{
    QFETCH(QString, mirror);
    QFETCH(int, listColumn);
    ReportsFile file({ FirstReport, SecondReport });
    auto w = openReportWindow(file.path);
    // The second report is shown: its list entry is the one that follows.
    w->ReportQuery().next();
    w->LoadReport(w->ReportQuery());
    ReportListModel *list = w->reportList()->reportModel();
    const QStringList firstEntry
        = { list->cellText(0, 0), list->cellText(0, 1), list->cellText(0, 2), list->cellText(0, 3) };
    w->setModified(false);

    QLineEdit *field = edit(w.get(), QString::fromLatin1(QTest::currentDataTag()));
    field->clear();
    QTest::keyClicks(field, "12");
    const QString typed = "12";
    if (!mirror.isEmpty())
        QCOMPARE(textOf(w.get(), mirror), typed);
    if (listColumn >= 0)
        QCOMPARE(list->cellText(1, listColumn), typed);
    QCOMPARE((QStringList {
                 list->cellText(0, 0), list->cellText(0, 1), list->cellText(0, 2), list->cellText(0, 3) }),
        firstEntry);
    QVERIFY(w->Modified());
    // The file is not touched by typing.
    QCOMPARE(file.stored("FileNo"), QStringList({ "2004-001", "2004-002" }));
}

void TestReportWindow::trustDatePickedByTheUser()
{
    ReportsFile file({ FirstReport });
    auto w = openReportWindow(file.path);
    auto *picker = child<QDateTimeEdit>(w.get(), "dtpickTrustDate1");
    showActive(w.get());
    picker->setFocus();
    picker->setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(picker, Qt::Key_Up);
    QCOMPARE(picker->date(), QDate(2004, 3, 8));
    QCOMPARE(textOf(w.get(), "labedtTrustDate2"), "2004年3月8日");
    QVERIFY(w->Modified());

    // The appraisal date picked by the user marks the report too; the same
    // date set by the program does not by itself.
    w->setModified(false);
    auto *appraisal = child<QDateTimeEdit>(w.get(), "dtpickApprDate");
    w->LoadReport(w->ReportQuery());
    QCOMPARE(appraisal->date(), QDate(2004, 4, 1));
    w->setModified(false);
    w->setControlText("ApprDate", "2004-05-01");
    QVERIFY(!w->Modified());
    appraisal->setFocus();
    appraisal->setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(appraisal, Qt::Key_Up);
    QVERIFY(w->Modified());
}

// A click or a double-click on a part of a date selects that part, and
// the digits typed next replace it.
void TestReportWindow::digitsReplaceTheClickedPartOfADate_data()
{
    QTest::addColumn<QString>("picker");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<int>("position"); // in "2024年10月15日", inside the part clicked
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("date");
    QTest::newRow("click on the month, 3") << "dtpickTrustDate1" << false << 6 << "3" << QDate(2024, 3, 15);
    QTest::newRow("double-click on the month, 3")
        << "dtpickTrustDate1" << true << 6 << "3" << QDate(2024, 3, 15);
    QTest::newRow("double-click on the day, 28")
        << "dtpickApprDate" << true << 9 << "28" << QDate(2024, 10, 28);
    QTest::newRow("click on the year, 2025")
        << "dtpickApprDate" << false << 2 << "2025" << QDate(2025, 10, 15);
}

void TestReportWindow::digitsReplaceTheClickedPartOfADate()
{
    QFETCH(QString, picker);
    QFETCH(bool, doubleClick);
    QFETCH(int, position);
    QFETCH(QString, typed);
    QFETCH(QDate, date);
    ReportsFile file({ { { "TrustDate", "2024-10-15" }, { "ApprDate", "2024-10-15" } } });
    auto w = openReportWindow(file.path);
    showActive(w.get());
    auto *dates = child<QDateTimeEdit>(w.get(), picker);
    w->showPage(picker == "dtpickTrustDate1" ? 0 : 2);
    QLineEdit *edit = dates->findChild<QLineEdit *>();
    QCOMPARE(edit->text(), "2024年10月15日");
    // A point of the edit between the characters before and after the position.
    QPoint point(0, edit->height() / 2);
    while (point.x() < edit->width() && edit->cursorPositionAt(point) < position)
        point.rx() += 1;
    QCOMPARE(edit->cursorPositionAt(point), position);

    if (doubleClick) {
        QTest::mouseClick(edit, Qt::LeftButton, {}, point);
        QTest::mouseDClick(edit, Qt::LeftButton, {}, point);
    } else {
        QTest::mouseClick(edit, Qt::LeftButton, {}, point);
    }
    QTest::keyClicks(dates, typed);

    QCOMPARE(dates->date(), date);
    if (picker == "dtpickTrustDate1")
        QCOMPARE(textOf(w.get(), "labedtTrustDate2"), chineseDate(date));
    QVERIFY(w->Modified());
}

void TestReportWindow::areaTotal_data()
{
    QTest::addColumn<QStringList>("areas");
    QTest::addColumn<QString>("total");
    QTest::newRow("numbers, empty and text") << QStringList { "12", "3.5", "", "x", "" } << "15.5";
    QTest::newRow("all empty") << QStringList { "", "", "", "", "" } << "0";
    QTest::newRow("exponent and sign") << QStringList { "1e2", "-0.5", "", "", "" } << "99.5";
    QTest::newRow("fifteen digits") << QStringList { "0.1", "0.2", "", "", "" } << "0.3";
    QTest::newRow("comma is no decimal point") << QStringList { "1,5", "2", "", "", "" } << "2";
}

void TestReportWindow::areaTotal()
{
    QFETCH(QStringList, areas);
    QFETCH(QString, total);
    ReportsFile file({ SecondReport });
    auto w = openReportWindow(file.path);
    const QStringList columns = ReportFields::areaColumns();
    for (int i = 0; i < columns.size(); ++i)
        w->setControlText(columns.at(i), areas.at(i));
    QCOMPARE(w->areaTotal(), total);
    QCOMPARE(textOf(w.get(), "labedtSum"), total);
    QVERIFY(w->Modified());

    // While a window opens the total follows without marking the report.
    w->setModified(false);
    EditorProcess.WindowOpening = true;
    w->setControlText("BuildAreaHowff", "1000");
    EditorProcess.WindowOpening = false;
    QVERIFY(!w->Modified());
    ReportTexts changed;
    for (int i = 0; i < columns.size(); ++i)
        changed.setText(columns.at(i), i == 0 ? QStringLiteral("1000") : areas.at(i));
    QCOMPARE(w->areaTotal(), SumBuildingArea(changed));
}

// The total shows from the start; entering the report page recomputes it
// and, with nothing changed, leaves the report unmodified.
void TestReportWindow::areaTotalWhenTheReportPageIsEntered()
{
    ReportsFile file({ FirstReport });
    auto w = openReportWindow(file.path);
    QCOMPARE(w->areaTotal(), "200.5");
    QVERIFY(!w->Modified());
    showActive(w.get());
    w->showPage(2);
    edit(w.get(), "labedtMemory")->setFocus();
    QCOMPARE(w->areaTotal(), "200.5");
    QVERIFY(!w->Modified());

    // A total out of step is brought up to date when the page is entered.
    edit(w.get(), "labedtSum")->setText("1");
    w->setModified(false);
    child(w.get(), "labedtClient1")->setFocus();
    edit(w.get(), "labedtMemory")->setFocus();
    QCOMPARE(w->areaTotal(), "200.5");
    QVERIFY(w->Modified());
}

namespace {

void chooseStandard(TfrmChildWin *window, const QString &name)
{
    auto *choice = child<QComboBox>(window, "cbbGradeStandard");
    choice->setCurrentIndex(choice->findText(name));
    emit choice->activated(choice->currentIndex());
}

} // namespace

// A file of an older program has no columns for the standard. Opening,
// moving and saving 1999 reports leave it so; the first save of a report by
// JGJ 125-2016 adds them, and the report opens again by that standard.
void TestReportWindow::gradeStandardOfAnOlderFile()
{
    ReportsFile file({ FirstReport, { { "FileNo", "2" } } });
    const QStringList original = reportTableColumns(file.connection);
    QCOMPARE(original, HadFile::projectTabColumns());
    {
        auto w = openReportWindow(file.path);
        QCOMPARE(textOf(w.get(), "cbbGradeStandard"), "JGJ 125-99");
        w->GoToReport(1);
        w->setControlText("Client", "改过");
        w->saveReport();
        QCOMPARE(reportTableColumns(file.connection), original);

        chooseStandard(w.get(), "JGJ 125-2016");
        QVERIFY(w->Modified());
        QCOMPARE(w->componentPage()->grid()->horizontalHeaderItem(1)->text(), "楼层");
        w->saveReport();
        QCOMPARE(reportTableColumns(file.connection),
            original + QStringList({ "GradeStandard", "GroundDangerous" }));
        QCOMPARE(file.stored("GradeStandard"), QStringList({ "<null>", "2016" }));
        QCOMPARE(file.stored("GroundDangerous"), QStringList({ "<null>", "<null>" }));
        QCOMPARE(file.stored("Client"), QStringList({ "张三", "改过" }));
        w->setModified(false);
    }
    auto w = openReportWindow(file.path);
    QCOMPARE(textOf(w.get(), "cbbGradeStandard"), "JGJ 125-99");
    w->GoToReport(1);
    QCOMPARE(textOf(w.get(), "cbbGradeStandard"), "JGJ 125-2016");
    QCOMPARE(w->componentPage()->grid()->horizontalHeaderItem(1)->text(), "楼层");
    QVERIFY(!w->Modified());
}

// The levels offered follow the 层数 typed on the report page as soon as
// the table's page is shown, before the table is entered.
void TestReportWindow::levelListFollowsTheStoreys()
{
    ReportsFile file({ { { "FileNo", "1" } } });
    auto w = openReportWindow(file.path);
    showActive(w.get());
    chooseStandard(w.get(), "JGJ 125-2016");
    w->showPage(2);
    w->setControlText("Layers", "2");
    w->showPage(1);
    auto *list = child<QTreeWidget>(w.get(), "ListView2");
    QStringList levels;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        levels << list->topLevelItem(i)->text(1);
    QCOMPARE(levels, QStringList({ "基础", "1", "2", "-1", "-2", "-3" }));
    w->setModified(false);
}

void TestReportWindow::newReportsTakeTheDefaultStandard_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("stored");
    QTest::newRow("JGJ 125-2016 unless changed") << QByteArray() << "JGJ 125-2016" << QStringList { "2016" };
    QTest::newRow("JGJ 125-99 chosen")
        << QByteArray("[Commond]\r\nDefaultGradeStandard=1999\r\n") << "JGJ 125-99" << QStringList {};
}

// The first blank report of an empty file is a new report: it takes the
// default standard, and a 1999 one leaves the file's columns as they are.
void TestReportWindow::newReportsTakeTheDefaultStandard()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, shown);
    QFETCH(QStringList, stored);
    ReportsFile file;
    if (!config.isEmpty())
        file.dir.writeFile("config.ini", config);
    LoadSettings();
    auto w = openReportWindow(file.path);
    QCOMPARE(textOf(w.get(), "cbbGradeStandard"), shown);
    QCOMPARE(reportTableColumns(file.connection).contains("GradeStandard"), !stored.isEmpty());
    if (!stored.isEmpty())
        QCOMPARE(file.stored("GradeStandard"), stored);
}

void TestReportWindow::clearReport()
{
    ReportsFile file({ FirstReport });
    file.dir.writeFile("config.ini", "[PageSetup]\r\nPageStyle=A4\r\nPageWidth=205\r\n");
    auto w = openReportWindow(file.path);
    auto *picker = child<QDateTimeEdit>(w.get(), "dtpickTrustDate1");
    const QTime time = picker->time();
    w->componentPage()->resultMemo()->setPlainText("结果");
    const auto rowsBefore = w->componentPage()->rows();

    w->ClearReport();
    for (const ReportFields::Binding &b : ReportFields::bindings()) {
        if (b.kind == ReportFields::Kind::Date)
            continue;
        QCOMPARE(textOf(w.get(), b.control), QString());
        if (!b.mirror.isEmpty() && b.column != "TrustDate")
            QCOMPARE(textOf(w.get(), b.mirror), QString());
    }
    const QDate today = QDate::currentDate();
    QCOMPARE(picker->date(), today);
    QCOMPARE(picker->time(), time);
    QCOMPARE(child<QDateTimeEdit>(w.get(), "dtpickApprDate")->date(), today);
    QCOMPARE(textOf(w.get(), "labedtTrustDate2"), today.toString("yyyy年MM月dd日"));
    QCOMPARE(w->areaTotal(), "0");
    QCOMPARE(OutputProcess.CurrentPageSettings.PageWidth, 205);
    QCOMPARE(OutputProcess.CurrentPageSettings.PageStyle, "A4");
    QCOMPARE(OutputProcess.CurrentPageSettings.TopMargin, 18);
    // The component table and the result memo are not the pages' business.
    QCOMPARE(w->componentPage()->rows(), rowsBefore);
    QCOMPARE(w->componentPage()->resultMemo()->toPlainText(), "结果");
}

void TestReportWindow::storeReportWritesEveryBoundColumn()
{
    ReportsFile file({ FirstReport });
    auto w = openReportWindow(file.path);
    ReportTexts typed;
    int n = 0;
    for (const ReportFields::Binding &b : ReportFields::bindings()) {
        QString text = b.kind == ReportFields::Kind::Area ? QString::number(++n) + ".25"
                                                          : QStringLiteral("值%1").arg(++n);
        if (b.kind == ReportFields::Kind::Date)
            continue;
        w->setControlText(b.column, text);
        typed.setText(b.column, text);
    }
    w->setControlText("TrustDate", "2010-01-02");
    w->setControlText("ApprDate", "2011-02-03");
    QCOMPARE(w->controlTexts().values, typed.values);
    QCOMPARE(w->controlTexts().trustDate, QDate(2010, 1, 2));
    OutputProcess.CurrentPageSettings.PageWidth = 333;

    DataSet &reports = w->ReportQuery();
    w->StoreReport(reports);
    QCOMPARE(reports.state(), DataSet::State::Edit); // stored, not posted
    QCOMPARE(file.stored("Client"), QStringList { "张三" });
    reports.post();
    for (const ReportFields::Binding &b : ReportFields::bindings()) {
        if (b.kind == ReportFields::Kind::Date)
            continue;
        const QString stored = file.stored(b.column).first();
        if (b.kind == ReportFields::Kind::Area)
            QCOMPARE(stored.toDouble(), typed.text(b.column).toDouble());
        else
            QCOMPARE(stored, typed.text(b.column));
    }
    QVERIFY(file.stored("TrustDate").first().startsWith("2010-01-02"));
    QVERIFY(file.stored("ApprDate").first().startsWith("2011-02-03"));
    QCOMPARE(file.stored("PageWidth"), QStringList { "333" });

    // A mirrored column is written from its mirror.
    edit(w.get(), "labedtClient2")->setText("镜像");
    w->StoreReport(reports);
    reports.post();
    QCOMPARE(file.stored("Client"), QStringList { "镜像" });
}

// The column's own message, led by the label beside the field.
void TestReportWindow::storeReportRefusesAnAreaThatIsNoNumber_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("label");
    QTest::newRow("dwelling") << "BuildAreaHowff"
                              << "住宅";
    QTest::newRow("commercial") << "BuildAreaTrade"
                                << "商业";
    QTest::newRow("garage") << "BuildAreaGarage"
                            << "车库";
    QTest::newRow("factory") << "BuildAreaFactory"
                             << "车间或厂房";
    QTest::newRow("other") << "BuildAreaOther"
                           << "其它";
}

void TestReportWindow::storeReportRefusesAnAreaThatIsNoNumber()
{
    QFETCH(QString, column);
    QFETCH(QString, label);
    ReportsFile file({ SecondReport });
    auto w = openReportWindow(file.path);
    w->setControlText(column, "十二");
    QCOMPARE(w->areaTotal(), column == "BuildAreaOther" ? "0" : "7"); // counted as nothing
    w->setModified(true);
    try {
        w->StoreReport(w->ReportQuery());
        QFAIL("stored");
    } catch (const AppError &e) {
        QCOMPARE(
            e.message(), label + ": '十二' is not a valid floating point value for field '" + column + "'");
    }
    QCOMPARE(w->ReportQuery().state(), DataSet::State::Edit);
    QCOMPARE(file.stored(column), QStringList { column == "BuildAreaOther" ? "7" : "<null>" });
    QVERIFY(w->Modified());
}

void TestReportWindow::setControlTextActsAsEditing()
{
    ReportsFile file({ FirstReport, SecondReport });
    auto w = openReportWindow(file.path);
    w->setControlText("Client", "新委托人");
    QCOMPARE(textOf(w.get(), "labedtClient1"), "新委托人");
    QCOMPARE(textOf(w.get(), "labedtClient2"), "新委托人");
    QCOMPARE(w->reportList()->reportModel()->cellText(0, ReportListModel::Client), "新委托人");
    QVERIFY(w->Modified());
    w->setControlText("BuildAreaGarage", "10");
    QCOMPARE(w->areaTotal(), "210.5");
    // Line breaks come back as the files keep them, whatever form they came in.
    w->setControlText("ApprCircs", "甲\n乙");
    QCOMPARE(w->controlTexts().text("ApprCircs"), "甲\r\n乙");
    w->setControlText("NoSuchColumn", "x"); // nothing happens
}

void TestReportWindow::numberChangeMovesTheComponentRows_data()
{
    QTest::addColumn<bool>("moveAway"); // otherwise saved
    QTest::newRow("saved") << false;
    QTest::newRow("stored by a move to the next report") << true;
}

// Leaving the number field after changing changes nothing in the
// file yet: the component rows go to A-2 together with the number, when the
// report is stored.
void TestReportWindow::numberChangeMovesTheComponentRows()
{
    QFETCH(bool, moveAway);
    ReportsFile file({ { { "FileNo", "A-1" } }, { { "FileNo", "B" } } });
    file.addRows("A-1", { componentRow(1, "承重结构"), componentRow(2, "围护结构") });
    file.addRows("B", { componentRow(1, "地基基础") });
    auto w = openReportWindow(file.path);
    QLineEdit *number = typeNumber(w.get(), "A-2");
    QCOMPARE(w->reportList()->reportModel()->cellText(0, ReportListModel::Number), "A-2");
    QTest::keyClick(number, Qt::Key_Tab);
    QVERIFY(!number->hasFocus());
    QCOMPARE(file.rowsOf("A-1").size(), 2);
    QVERIFY(file.rowsOf("A-2").isEmpty());

    if (moveAway) {
        w->StoreReport(w->ReportQuery());
        w->ReportQuery().next();
    } else {
        w->saveReport();
    }
    QVERIFY(file.rowsOf("A-1").isEmpty());
    QCOMPARE(file.rowsOf("A-2"), QStringList({ "承重结构|||||", "围护结构|||||" }));
    QCOMPARE(file.rowsOf("B"), QStringList { "地基基础|||||" });
    QCOMPARE(file.stored("FileNo"), QStringList({ "A-2", "B" }));
}

// The number typed while the focus stays in the field goes with the
// report: replacing the report (a move to another one) or saving it takes
// the rows along, and leaving the field afterwards moves nothing more.
void TestReportWindow::numberChangeNeverMovesRowsOntoAnotherReport()
{
    ReportsFile file({ { { "FileNo", "A-1" } }, { { "FileNo", "B" } } });
    file.addRows("A-1", { componentRow(1, "承重结构") });
    file.addRows("B", { componentRow(1, "地基基础") });
    auto w = openReportWindow(file.path);
    QLineEdit *number = typeNumber(w.get(), "A-2");

    w->StoreReport(w->ReportQuery());
    w->ReportQuery().next(); // posts the number A-2
    w->LoadReport(w->ReportQuery());
    w->LoadComponentRows(w->ReportQuery());
    QCOMPARE(number->text(), "B");
    QCOMPARE(file.rowsOf("A-2"), QStringList { "承重结构|||||" });

    QTest::keyClick(number, Qt::Key_Tab); // leaving the field now moves nothing
    QCOMPARE(file.rowsOf("B"), QStringList { "地基基础|||||" });
    QCOMPARE(file.rowsOf("A-2"), QStringList { "承重结构|||||" });
    QCOMPARE(file.stored("FileNo"), QStringList({ "A-2", "B" }));
}

void TestReportWindow::enterKey_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to"); // empty: the focus stays
    QTest::newRow("labelled edit") << "labedtClient1"
                                   << "dtpickTrustDate1";
    QTest::newRow("date picker") << "dtpickTrustDate1"
                                 << "labedtLinkMan";
    QTest::newRow("drop-down") << "cbbBldgPurpose"
                               << "labedtBuildYear";
    QTest::newRow("memo: a new line") << "memApprCircs" << QString();
    QTest::newRow("component table: next cell") << "StringGrid1" << QString();
}

void TestReportWindow::enterKey()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    ReportsFile file({ FirstReport });
    auto w = openReportWindow(file.path);
    showActive(w.get());
    QWidget *start = child(w.get(), from);
    showPageOf(w.get(), start);
    auto *grid = qobject_cast<QTableWidget *>(start);
    if (grid)
        grid->setCurrentCell(0, 1);
    start->setFocus();
    QVERIFY(start->hasFocus());
    const QString memoBefore = textOf(w.get(), "memApprCircs");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    if (!to.isEmpty()) {
        QCOMPARE(QApplication::focusWidget(), child(w.get(), to));
    } else if (grid) {
        QCOMPARE(grid->currentColumn(), 2);
        QCOMPARE(grid->currentRow(), 0);
    } else {
        QCOMPARE(QApplication::focusWidget(), start);
        QCOMPARE(textOf(w.get(), "memApprCircs").size(), memoBefore.size() + 1);
    }
}

void TestReportWindow::inputLengths_data()
{
    QTest::addColumn<int>("width");
    for (const ReportFields::Binding &b : ReportFields::bindings())
        if (b.width > 0)
            QTest::newRow(qPrintable(b.control)) << b.width;
}

void TestReportWindow::inputLengths()
{
    QFETCH(int, width);
    ReportsFile file({ SecondReport });
    auto w = openReportWindow(file.path);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QWidget *control = child(w.get(), name);
    QLineEdit *field = qobject_cast<QLineEdit *>(control);
    if (auto *combo = qobject_cast<QComboBox *>(control))
        field = combo->lineEdit();
    QVERIFY(field);
    field->clear();
    QTest::keyClicks(field, QString(width + 5, u'x'));
    QCOMPARE(textOf(w.get(), name).size(), width);

    // What the control took is stored whole.
    w->StoreReport(w->ReportQuery());
    w->ReportQuery().post();
    const ReportFields::Binding *b = nullptr;
    for (const ReportFields::Binding &binding : ReportFields::bindings())
        if (binding.control == name)
            b = &binding;
    QCOMPARE(file.stored(b->column).first().size(), width);
}

void TestReportWindow::longerStoredTextIsKeptWhole()
{
    const QString longName(50, u'名'); // the column holds 40
    ReportsFile file({ { { "Client", longName } } });
    auto w = openReportWindow(file.path);
    QLineEdit *client = edit(w.get(), "labedtClient1");
    QCOMPARE(client->text(), longName);
    QCOMPARE(textOf(w.get(), "labedtClient2"), longName);
    w->setModified(true);
    w->saveReport();
    QCOMPARE(file.stored("Client"), QStringList { longName });

    // Once shortened to fit, it cannot grow past the column again.
    client->setText(QString(40, u'名'));
    QTest::keyClicks(client, "xyz");
    QCOMPARE(client->text().size(), 40);
}

// A paste is taken whole or not at all, on one line: a text longer than
// the column is refused with a message naming the field and its width,
// whether pasted by key or from a menu (the frame's 粘贴 and the field's own
// menu call the same paste).
void TestReportWindow::pasteIntoOneLineFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("message"); // empty: none

    const QString longAddress = QString(84, u'址') + "门牌12号";
    const QString refusedAddress = "房屋地址 最多 60 个字符, 输入后会有 89 个, 这次输入没有接受。";
    QTest::newRow("address too long, by key") << "labedtAddress1"
                                              << "Ctrl+V" << longAddress << "园湖路2号" << refusedAddress;
    QTest::newRow("address too long, from a menu") << "labedtAddress1"
                                                   << "menu" << longAddress << "园湖路2号" << refusedAddress;
    QTest::newRow("address as long as the column")
        << "labedtAddress1"
        << "Ctrl+V" << QString(60, u'址') << QString(60, u'址') << QString();
    QTest::newRow("address on several lines") << "labedtAddress1"
                                              << "Ctrl+V"
                                              << "广州市\r\n天河区\n园湖路2号\r"
                                              << "广州市 天河区 园湖路2号 " << QString();
    QTest::newRow("drop-down too long") << "cbbStrucStyle"
                                        << "Ctrl+V" << QString(21, u'砖') << QString()
                                        << "结构类型 最多 20 个字符, 输入后会有 21 个, 这次输入没有接受。";
    QTest::newRow("drop-down on two lines") << "cbbStrucStyle"
                                            << "menu"
                                            << "砖木\n结构"
                                            << "砖木 结构" << QString();
    QTest::newRow("component cell too long")
        << "StringGrid1"
        << "Ctrl+V" << QString(25, u'柱') << QString()
        << "第 1 行 构件名称 最多 20 个字符, 输入后会有 25 个, 这次输入没有接受。";
    QTest::newRow("component cell on two lines") << "StringGrid1"
                                                 << "menu"
                                                 << "墙\r\n段"
                                                 << "墙 段" << QString();
}

void TestReportWindow::pasteIntoOneLineFields()
{
    QFETCH(QString, field);
    QFETCH(QString, route);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    QFETCH(QString, message);
    ReportsFile file({ SecondReport });
    auto w = openReportWindow(file.path);
    showActive(w.get());
    QWidget *control = child(w.get(), field);
    showPageOf(w.get(), control);
    auto *grid = qobject_cast<QTableWidget *>(control);
    QLineEdit *edit = nullptr;
    if (grid) {
        edit = editCell(grid, 0, 2);
    } else {
        control->setFocus();
        edit = qobject_cast<QLineEdit *>(control);
        if (auto *combo = qobject_cast<QComboBox *>(control))
            edit = combo->lineEdit();
    }
    QVERIFY(edit);
    edit->selectAll();

    QGuiApplication::clipboard()->setText(pasted);
    if (route == "menu")
        edit->paste();
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents(); // the message waits until the field has put its text back

    QCOMPARE(edit->text(), kept);
    if (grid)
        QCOMPARE(grid->item(0, 2)->text(), kept);
    if (message.isEmpty())
        QVERIFY(Prompt::shown().isEmpty());
    else
        verifyOnlyMessage(message, PromptIcon::Error);
}

void TestReportWindow::panelsAreCentred()
{
    ReportsFile file({ FirstReport });
    auto w = openReportWindow(file.path);
    w->resize(1200, 800);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QApplication::processEvents();
    QWidget *panel1 = child(w.get(), "Panel1");
    QWidget *panel2 = child(w.get(), "Panel2");
    // Centred in the window's client height and the notebook's width while
    // the window is the larger, at the edge otherwise.
    auto expected = [&](QWidget *panel) {
        const int clientHeight = w->widget()->height();
        const int notebookWidth = child(w.get(), "Notebook1")->width();
        return QPoint(panel->width() < notebookWidth ? nearest((notebookWidth - panel->width()) / 2.0) : 0,
            panel->height() < clientHeight ? nearest((clientHeight - panel->height()) / 2.0) : 0);
    };
    QVERIFY(panel1->y() > 0 && panel1->x() > 0);
    QCOMPARE(panel1->pos(), expected(panel1));
    QCOMPARE(panel2->y(), 0); // higher than the window
    QVERIFY(panel2->x() > 0);
    QCOMPARE(panel2->pos(), expected(panel2));

    w->resize(500, 300);
    QApplication::processEvents();
    QCOMPARE(panel1->pos(), expected(panel1));
    QCOMPARE(panel1->x(), 0);
}

void TestReportWindow::wheelScrollsBothWays()
{
    ReportsFile file({ FirstReport });
    auto w = openReportWindow(file.path);
    w->resize(400, 500); // narrower than the report panel too
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->showPage(2);
    QApplication::processEvents();
    auto *box = child<QScrollArea>(w.get(), "ScrollBox2");
    QCOMPARE(box->verticalScrollBar()->value(), 0);
    const QPoint at = box->viewport()->rect().center();
    auto wheel = [&](int delta) {
        QWheelEvent event(at, box->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box->viewport(), &event);
    };
    wheel(-120);
    QCOMPARE(box->verticalScrollBar()->value(), 20);
    QCOMPARE(box->horizontalScrollBar()->value(), 20);
    wheel(-240);
    QCOMPARE(box->verticalScrollBar()->value(), 60);
    wheel(120);
    QCOMPARE(box->verticalScrollBar()->value(), 40);
    QCOMPARE(box->horizontalScrollBar()->value(), 40);
}

void TestReportWindow::focusedControlIsRemembered()
{
    ReportsFile file({ FirstReport });
    auto w = openReportWindow(file.path);
    showActive(w.get());
    w->showPage(2);
    auto *memo = child(w.get(), "memShatterReason");
    memo->setFocus();
    QCOMPARE(w->focusedControl(), memo);
    QLineEdit elsewhere;
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    elsewhere.setFocus();
    QCOMPARE(w->focusedControl(), memo); // still the last one inside the window
}

// Switching to the request or the report page puts the focus into its first
// field, from wherever it was; a field of the page that has the focus keeps
// it. The component table is not entered by switching to it.
void TestReportWindow::shownPageGivesItsFirstFieldTheFocus_data()
{
    QTest::addColumn<QString>("from"); // the control with the focus
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focused"); // afterwards; empty: not in the page
    QTest::newRow("report page to 登记") << "memApprCircs" << 0 << "labedtClient1";
    QTest::newRow("list to the report page") << "ListView1" << 2 << "labedtFileNo";
    QTest::newRow("登记 to the report page") << "labedtLinkMan" << 2 << "labedtFileNo";
    QTest::newRow("a field of the page keeps the focus") << "labedtAddress1" << 0 << "labedtAddress1";
    QTest::newRow("component table not entered") << "labedtLinkMan" << 1 << QString();
}

void TestReportWindow::shownPageGivesItsFirstFieldTheFocus()
{
    QFETCH(QString, from);
    QFETCH(int, page);
    QFETCH(QString, focused);
    ReportsFile file({ FirstReport, SecondReport });
    auto w = openReportWindow(file.path);
    showActive(w.get());
    QWidget *start = child(w.get(), from);
    showPageOf(w.get(), start);
    start->setFocus();
    QCOMPARE(QApplication::focusWidget(), start);

    QTabBar *tabs = child<QTabBar>(w.get(), "TabSet1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
    QCOMPARE(w->currentPage(), page);

    if (focused.isEmpty())
        QVERIFY(!child<QStackedWidget>(w.get(), "Notebook1")
                     ->widget(page)
                     ->isAncestorOf(QApplication::focusWidget()));
    else
        QCOMPARE(QApplication::focusWidget(), child(w.get(), focused));
    QVERIFY(!w->Modified());
}

QTEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"

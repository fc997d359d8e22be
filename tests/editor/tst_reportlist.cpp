#include "base/apperror.h"
#include "base/processstate.h"
#include "base/prompt.h"
#include "editor/componenttable.h"
#include "editor/editorstate.h"
#include "editor/reportlist.h"
#include "editor/searchsheet.h"
#include "windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

// The report list of a report window and its search: the entries and the
// green entry of the shown report, showing a report by clicking or by the
// keyboard, and the search by each field.
class TestReportList : public QObject
{
    Q_OBJECT

private slots:
    void entriesFollowTheDataSet();
    void listHoldsNoWidgetPerReport();
    void listKeepsTheOrderReportsWereAdded_data();
    void listKeepsTheOrderReportsWereAdded();
    void shownReportIsGreen();
    void popupMenuCarriesTheFrameCommands();

    void clickShowsTheEntry_data();
    void clickShowsTheEntry();
    void releasedKeyShowsTheSelectedEntry();
    void drawingReopensAClosedDataSet();

    void search_data();
    void search();
    void searchWithoutResult();
    void failingSearchKeepsTheList();
};

namespace {

const QList<Columns> Reports = {
    { { "FileNo", "2004-001" }, { "Address", "民族大道1号" }, { "PropertyRightMan", "王五" },
        { "Client", "张三" } },
    { { "FileNo", "2005-002" }, { "Address", "园湖路2号" }, { "PropertyRightMan", "孙八" },
        { "Client", "钱七" } },
    { { "FileNo", "2004-003" }, { "Address", "民族大道35号" }, { "PropertyRightMan", "王小五" } },
    { { "FileNo", "2006-004" }, { "Address", "Main Street 5" }, { "PropertyRightMan", "Smith" },
        { "Client", "LEE" } },
};

} // namespace

void TestReportList::entriesFollowTheDataSet()
{
    QList<Columns> many;
    for (int i = 1; i <= 150; ++i)
        many.append({ { "FileNo", QString::number(i) }, { "Address", QStringLiteral("路%1号").arg(i) } });
    ReportsFile file(many);
    auto w = openReportWindow(file.path);
    ReportListView *view = w->reportList();
    ReportListModel *model = view->reportModel();
    QCOMPARE(view->objectName(), "ListView1");
    QCOMPARE(model->rowCount(), 150);
    QCOMPARE(model->columnCount(), 4);
    QStringList headers;
    for (int c = 0; c < 4; ++c)
        headers << model->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headers, QStringList({ "编号", "地址", "产权人", "委托人" }));
    QCOMPARE(view->header()->sectionSize(0), 140);
    QCOMPARE(view->header()->sectionSize(1), 150);
    QCOMPARE(view->selectionBehavior(), QAbstractItemView::SelectRows);

    // Entries read in blocks, from anywhere in the list.
    QCOMPARE(model->cellText(149, ReportListModel::Number), "150");
    QCOMPARE(model->cellText(64, ReportListModel::Address), "路65号");
    QCOMPARE(model->cellText(0, ReportListModel::Owner), "");
    QCOMPARE(model->cellText(150, ReportListModel::Number), ""); // past the end
    QCOMPARE(view->selectedEntry(), 0);
}

// A file of many reports lists as quickly as a file of a few: the list's
// widgets do not grow with the reports.
void TestReportList::listHoldsNoWidgetPerReport()
{
    auto widgetsFor = [](int reports) {
        QList<Columns> rows;
        for (int i = 0; i < reports; ++i)
            rows.append({ { "FileNo", QString::number(i) } });
        ReportsFile file(rows);
        auto w = openReportWindow(file.path);
        w->resize(800, 600);
        w->show();
        QApplication::processEvents();
        return w->findChildren<QObject *>().size();
    };
    QCOMPARE(widgetsFor(2000), widgetsFor(3));
}

void TestReportList::listKeepsTheOrderReportsWereAdded_data()
{
    QTest::addColumn<QStringList>("indexes"); // made by another program before the window opens
    QTest::newRow("the program's own") << QStringList();
    QTest::newRow("on the searched column")
        << QStringList { "create index OtherAddress on ProjectTab(Address)",
               "create index OtherPart on CalcuData(FileNo, BldgConstitute)" };
    QTest::newRow("covering the statements") << QStringList {
        "create index OtherList on ProjectTab(Address, FileNo, PropertyRightMan, Client)",
        "create index OtherRows on CalcuData(FileNo, BldgConstitute, ComponentName, "
        "ComponentStructure, ComponentTotal, DangerComponentNumber, correspondingFileItem, PartNumber)"
    };
}

// Whatever indexes a file has, the list, a search and a report's component
// rows all stand in the order they were stored.
void TestReportList::listKeepsTheOrderReportsWereAdded()
{
    QFETCH(QStringList, indexes);
    ReportsFile file({ { { "FileNo", "2004-015" }, { "Address", "广州东山口" }, { "Client", "c" } },
        { { "FileNo", "2004-071" }, { "Address", "广州北京路" }, { "Client", "a" } },
        { { "FileNo", "2004-080" }, { "Address", "南宁民族大道" }, { "Client", "d" } },
        { { "FileNo", "2004-095" }, { "Address", "广州一德路" }, { "Client", "b" } } });
    file.addRows("2004-015",
        { componentRow(1, "承重结构"), componentRow(2, "地基基础"), componentRow(3, "围护结构") });
    for (const QString &statement : indexes)
        file.connection.execute(statement);
    auto w = openReportWindow(file.path);
    QCOMPARE(listed(w.get()), QStringList({ "2004-015", "2004-071", "2004-080", "2004-095" }));
    QCOMPARE(file.rowsOf("2004-015"), QStringList({ "承重结构|||||", "地基基础|||||", "围护结构|||||" }));
    w->ReportQuery().next();
    QCOMPARE(w->ReportQuery().asString("FileNo"), "2004-071");

    child<QWidget>(w.get(), "RadioGroup1")->findChild<QButtonGroup *>()->button(1)->setChecked(true);
    child<QComboBox>(w.get(), "ComboBoxEx1")->setEditText("广州");
    child<QPushButton>(w.get(), "BitBtn1")->click();
    QCOMPARE(listed(w.get()), QStringList({ "2004-015", "2004-071", "2004-095" }));
    QCOMPARE(textOf(w.get(), "labedtFileNo"), "2004-015");
    QStringList parts;
    for (const ComponentRow &row : w->componentPage()->rows())
        parts << row[ComponentColumn::Part];
    QCOMPARE(parts, QStringList({ "承重结构", "地基基础", "围护结构" }));
}

void TestReportList::shownReportIsGreen()
{
    ReportsFile file(Reports);
    auto w = openReportWindow(file.path);
    showActive(w.get());
    ReportListView *view = w->reportList();
    ReportListModel *model = view->reportModel();
    auto background = [&](int entry) { return model->index(entry, 1).data(Qt::BackgroundRole); };
    QCOMPARE(background(0).value<QColor>(), QColor(0, 128, 0));
    QCOMPARE(model->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::white));
    QVERIFY(!background(1).isValid());

    // Drawn green also while selected; a selected entry that is not the
    // shown report is drawn as selected.
    view->selectEntry(0);
    QApplication::processEvents();
    auto pixelOf = [&](int entry) {
        const QRect rect = view->visualRect(model->index(entry, 1));
        return view->viewport()->grab().toImage().pixelColor(rect.left() + 2, rect.center().y());
    };
    QCOMPARE(pixelOf(0), QColor(0, 128, 0));
    QVERIFY(pixelOf(1) != QColor(0, 128, 0));

    // The green follows the data set's current row, whoever moved it.
    w->ReportQuery().last();
    view->viewport()->repaint();
    QCOMPARE(pixelOf(3), QColor(0, 128, 0));
    QVERIFY(pixelOf(0) != QColor(0, 128, 0));
}

void TestReportList::popupMenuCarriesTheFrameCommands()
{
    ReportsFile file(Reports);
    QObject owner;
    ReportWindowCommands commands;
    QList<QAction *> actions;
    for (const char *name :
        { "append", "delete", "template", "instead", "first", "prior", "next", "last", "calc" }) {
        actions << new QAction(QString::fromLatin1(name), &owner);
    }
    commands.append = actions[0];
    commands.remove = actions[1];
    commands.saveAsTemplate = actions[2];
    commands.instead = actions[3];
    commands.first = actions[4];
    commands.prior = actions[5];
    commands.next = actions[6];
    commands.last = actions[7];
    commands.calculate = actions[8];
    EditorProcess.WindowOpening = true;
    auto w = TfrmChildWin::create(file.path, commands);
    EditorProcess.WindowOpening = false;
    QMenu *menu = w->findChild<QMenu *>("PopupMenu1");
    QVERIFY(menu);
    QStringList entries;
    for (QAction *a : menu->actions())
        entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(entries.join(' '), "append delete - template instead - first prior next last - calc");
}

void TestReportList::clickShowsTheEntry_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("edited");
    QTest::newRow("another entry") << 2 << false;
    QTest::newRow("another entry after an edit") << 2 << true;
    QTest::newRow("the shown entry after an edit") << 0 << true;
}

void TestReportList::clickShowsTheEntry()
{
    QFETCH(int, entry);
    QFETCH(bool, edited);
    ReportsFile file(Reports);
    file.addRows("2004-003", { componentRow(1, "围护结构") });
    auto w = openReportWindow(file.path);
    showActive(w.get());
    if (edited) {
        child<QLineEdit>(w.get(), "labedtLinkMan")->setText("改过的联系人");
        w->componentPage()->setCell(1, 1, "地基基础");
    }
    ReportListView *view = w->reportList();
    QTest::mouseClick(
        view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(entry, 0)).center());

    QCOMPARE(w->ReportQuery().recNo(), entry + 1);
    QCOMPARE(textOf(w.get(), "labedtFileNo"), Reports.at(entry).value("FileNo"));
    QVERIFY(!w->Modified());
    // A modified report is saved before another one (or itself again) is shown.
    QCOMPARE(file.stored("LinkMan").first(), edited ? "改过的联系人" : "<null>");
    QCOMPARE(file.rowsOf("2004-001"), edited ? QStringList { "地基基础|||||" } : QStringList());
    if (entry == 2)
        QCOMPARE(w->componentPage()->rows().at(0)[ComponentColumn::Part], "围护结构");
    QVERIFY(Prompt::shown().isEmpty());
}

void TestReportList::releasedKeyShowsTheSelectedEntry()
{
    ReportsFile file(Reports);
    auto w = openReportWindow(file.path);
    showActive(w.get());
    ReportListView *view = w->reportList();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(view->selectedEntry(), 1);
    QCOMPARE(textOf(w.get(), "labedtFileNo"), "2005-002");
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(textOf(w.get(), "labedtFileNo"), "2006-004");
    QCOMPARE(w->ReportQuery().recNo(), 4);
    QVERIFY(!w->Modified());
}

void TestReportList::drawingReopensAClosedDataSet()
{
    ReportsFile file(Reports);
    auto w = openReportWindow(file.path);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->ReportQuery().close();
    w->reportList()->viewport()->repaint();
    QVERIFY(w->ReportQuery().isOpen());
    QCOMPARE(w->ReportQuery().statement(), "select * from ProjectTab");
}

void TestReportList::search_data()
{
    addEngineColumn();
    QTest::addColumn<int>("field"); // item of RadioGroup1; -1 none
    QTest::addColumn<QString>("term");
    QTest::addColumn<QStringList>("found");
    const QStringList first = { "2004-001" };
    for (Engine engine : Engines) {
        newEngineRow(engine, "文号") << 0 << "2004" << QStringList { "2004-001", "2004-003" };
        newEngineRow(engine, "文号 with % inside") << 0 << "04%3" << QStringList { "2004-003" };
        newEngineRow(engine, "房屋地址 with % inside")
            << 1 << "民族%号" << QStringList { "2004-001", "2004-003" };
        newEngineRow(engine, "房屋地址 letter case") << 1 << "main street" << QStringList { "2006-004" };
        newEngineRow(engine, "房屋地址 quote") << 1 << "O'Brien" << QStringList { "2007-005" };
        newEngineRow(engine, "房屋地址 backslash") << 1 << "\\路" << QStringList { "2007-005" };
        newEngineRow(engine, "房屋地址 injection")
            << 1 << "'; drop table ProjectTab; --" << QStringList { "2007-006" };
        newEngineRow(engine, "产权人") << 2 << "王五" << first;
        newEngineRow(engine, "产权人 with _") << 2 << "王_五" << QStringList { "2004-003" };
        newEngineRow(engine, "委托人, empty term: not null")
            << 3 << "" << QStringList { "2004-001", "2005-002", "2006-004", "2007-006" };
        newEngineRow(engine, "委托人 letter case") << 3 << "lee" << QStringList { "2006-004" };
        newEngineRow(engine, "委托人 injection finds nothing but the term")
            << 3 << "' or '1'='1" << QStringList { "2007-006" };
        newEngineRow(engine, "no item selected: address") << -1 << "园湖" << QStringList { "2005-002" };
    }
}

void TestReportList::search()
{
    FETCH_ENGINE(engine);
    QFETCH(int, field);
    QFETCH(QString, term);
    QFETCH(QStringList, found);
    // Texts that a statement built by gluing would break on.
    const QList<Columns> odd = { { { "FileNo", "2007-005" }, { "Address", "O'Brien\\路5号" } },
        { { "FileNo", "2007-006" }, { "Address", "x'; drop table ProjectTab; --" },
            { "Client", "' or '1'='1" } } };
    ReportsFile file(Reports + odd, QStringLiteral("Data/报告.had"), engine);
    file.addRows(found.first(), { componentRow(1, "承重结构", "柱") });
    auto w = openReportWindow(file.path);
    auto *fields = child<QWidget>(w.get(), "RadioGroup1")->findChild<QButtonGroup *>();
    QCOMPARE(fields->checkedId(), 0);
    if (field >= 0) {
        fields->button(field)->setChecked(true);
    } else {
        fields->setExclusive(false);
        fields->checkedButton()->setChecked(false);
    }
    child<QComboBox>(w.get(), "ComboBoxEx1")->setEditText(term);
    child<QPushButton>(w.get(), "BitBtn1")->click();

    QVERIFY(Prompt::shown().isEmpty());
    QCOMPARE(listed(w.get()), found);
    QCOMPARE(textOf(w.get(), "Memo2"), QStringLiteral("查出符合条件的鉴定报告共有 %1 份").arg(found.size()));
    QCOMPARE(textOf(w.get(), "labedtFileNo"), found.first());
    QCOMPARE(w->componentPage()->rows().at(0)[ComponentColumn::Name], "柱");
    QCOMPARE(w->reportList()->reportModel()->currentEntry(), 0);
    QVERIFY(w->Modified()); // the message memo changed
    QVERIFY(!child(w.get(), "Animate1")->isVisible());

    // The search stays in force for the list and the data set.
    QVERIFY(w->ReportQuery().statement().contains(" like :FieldValue"));
    w->ReportQuery().last();
    QCOMPARE(w->ReportQuery().asString("FileNo"), found.last());
    w->FillReportList(w->ReportQuery());
    QCOMPARE(listed(w.get()), found);
}

void TestReportList::searchWithoutResult()
{
    ReportsFile file(Reports);
    file.addRows("2004-001", { componentRow(1, "承重结构", "柱") });
    auto w = openReportWindow(file.path);
    w->setControlText("LinkMan", "未保存的联系人");
    child<QComboBox>(w.get(), "ComboBoxEx1")->setEditText("不存在的编号");
    child<QPushButton>(w.get(), "BitBtn1")->click();

    QVERIFY(Prompt::shown().isEmpty());
    QCOMPARE(file.stored("LinkMan").first(), "未保存的联系人"); // saved before the search
    QVERIFY(listed(w.get()).isEmpty());
    QCOMPARE(textOf(w.get(), "Memo2"), "查出符合条件的鉴定报告共有 0 份");
    QCOMPARE(textOf(w.get(), "labedtFileNo"), "");
    QCOMPARE(textOf(w.get(), "labedtClient2"), "");
    QCOMPARE(w->componentPage()->rows().size(), 10);
    QCOMPARE(w->componentPage()->rows().at(9)[ComponentColumn::Number], "10");
    QVERIFY(w->ReportQuery().isEmpty());
}

// A term too long for the engine's pattern comparison fails the search:
// the failure is told, and the list and the shown report stay as they were.
void TestReportList::failingSearchKeepsTheList()
{
    ReportsFile file(Reports);
    auto w = openReportWindow(file.path);
    w->reportList()->selectEntry(1);
    w->GoToReport(1);
    child<QComboBox>(w.get(), "ComboBoxEx1")->setEditText(QString(20000, u'房'));
    child<QPushButton>(w.get(), "BitBtn1")->click();

    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Error);
    QCOMPARE(Prompt::shown().first().caption, AppTitle);
    QVERIFY2(lastPromptText().contains("LIKE"), qPrintable(lastPromptText()));
    QCOMPARE(listed(w.get()), QStringList({ "2004-001", "2005-002", "2004-003", "2006-004" }));
    QCOMPARE(w->ReportQuery().recNo(), 2);
    QCOMPARE(textOf(w.get(), "labedtFileNo"), "2005-002");
    QVERIFY(!child(w.get(), "Animate1")->isVisible());
}

QTEST_MAIN(TestReportList)
#include "tst_reportlist.moc"

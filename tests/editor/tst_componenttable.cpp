#include "base/processstate.h"
#include "base/prompt.h"
#include "db/componentrows.h"
#include "db/connection.h"
#include "editor/componenttable.h"
#include "promptcheck.h"
#include "reportfile.h"
#include "testenv.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

struct Clause
{
    QString part, structure, number, text;
};

// A small clause library: two load-bearing masonry clauses, one of every
// other kind that a filter must keep out.
const QList<Clause> LibraryClauses = {
    { "承重结构", "砌体", "4.3.3-1", "承重墙承载能力不足" },
    { "地基基础", "砌体", "4.2.4-2", "砖石基础长期受潮" },
    { "承重结构", "混凝土", "4.5.3-1", "梁板承载能力不足" },
    { "承重结构", "砌体", "4.3.3-2", "墙体产生裂缝" },
    { "围护结构", "砌体", "4.3.3-9", "围护墙倾斜" },
    { "承重结构", "砌体块", "4.3.3-7", "块材风化" },
};

// The user's own library under the program folder, and the installed one
// under a share folder.
const QString OwnLibrary = QStringLiteral("Resource/ApprStandar.mdb");
const QString InstalledLibrary = QStringLiteral("house-appraisal/ApprStandar.mdb");

void writeClauseLibrary(const QString &path, const QList<Clause> &clauses = LibraryClauses)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    Connection library;
    library.create(path);
    library.execute("create table ApprStandar (Part varchar(20), Struct varchar(20), \"No\" varchar(20), "
                    "FileItem Memo)");
    for (const Clause &c : clauses)
        library.execute("insert into ApprStandar values (:p, :s, :n, :t)",
            { { "p", c.part }, { "s", c.structure }, { "n", c.number }, { "t", c.text } });
}

ComponentRow line(const QString &number, const QStringList &cells = {})
{
    ComponentRow row;
    row[ComponentColumn::Number] = number;
    for (int c = 0; c < cells.size(); ++c)
        row[c + 1] = cells.at(c);
    return row;
}

// Lines numbered 1..count whose part cell reads a1, a2, ...
QList<ComponentRow> lettered(int count)
{
    QList<ComponentRow> rows;
    for (int i = 1; i <= count; ++i)
        rows.append(line(QString::number(i), { QStringLiteral("a%1").arg(i) }));
    return rows;
}

// A shown, active page in a fresh program folder, with handles on the
// controls the tests drive.
struct Page
{
    Page()
    {
        page.resize(1100, 700);
        page.show();
        page.activateWindow();
        active = QTest::qWaitForWindowActive(&page);
    }

    QList<int> numbers() const
    {
        QList<int> result;
        for (const ComponentRow &row : page.rows())
            result.append(row[0].toInt());
        return result;
    }

    QModelIndex index(int column, int row) const { return grid->model()->index(row - 1, column); }

    void clickCell(int column, int row)
    {
        QTest::mouseClick(
            grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index(column, row)).center());
    }

    // Makes a cell current the way the user does and forgets the signals
    // that caused.
    void enterCell(int column, int row)
    {
        clickCell(column, row);
        edited.clear();
    }

    QStringList entries() const
    {
        QStringList result;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            result.append(list->topLevelItem(i)->text(0) + ":" + list->topLevelItem(i)->text(1));
        return result;
    }

    QStringList listHeader() const
    {
        QStringList result;
        for (int c = 0; c < list->columnCount(); ++c)
            result.append(list->headerItem()->text(c) + "/" + QString::number(list->columnWidth(c)));
        return result;
    }

    // The entries drawn on a green background, by their number.
    QStringList greenEntries() const
    {
        const QImage image = list->viewport()->grab().toImage();
        QStringList result;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QRect rect = list->visualItemRect(list->topLevelItem(i));
            if (image.pixelColor(rect.left() + 2, rect.center().y()) != QColor(0, 128, 0))
                continue;
            // The text is white: nothing in the entry is darker than the
            // green.
            bool light = true;
            for (int x = rect.left(); x < qMin(rect.right(), image.width()); ++x)
                for (int y = rect.top(); y <= rect.bottom(); ++y)
                    light = light && image.pixelColor(x, y).green() >= 128;
            if (light)
                result.append(list->topLevelItem(i)->text(0));
        }
        return result;
    }

    void clickEntry(int entry)
    {
        const QRect rect = list->visualItemRect(list->topLevelItem(entry));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 10, rect.center().y()));
    }

    // The open cell editor, which has the focus.
    QLineEdit *editor() const
    {
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        return editor && grid->isAncestorOf(editor) ? editor : nullptr;
    }

    QList<PromptRecord> errors() const
    {
        QCoreApplication::processEvents();
        QList<PromptRecord> result;
        for (const PromptRecord &p : Prompt::shown())
            if (p.icon == PromptIcon::Error)
                result.append(p);
        return result;
    }

    TestAppDir dir;
    ComponentTablePage page;
    QTableWidget *grid = page.findChild<QTableWidget *>("StringGrid1");
    QTreeWidget *list = page.findChild<QTreeWidget *>("ListView2");
    QPlainTextEdit *memo = page.findChild<QPlainTextEdit *>("Memo1");
    QSignalSpy edited { &page, &ComponentTablePage::edited };
    bool active = false;
};

// Types text as key presses of its characters into whichever widget has
// the focus, as a keyboard does (QTest::keyClicks knows Latin-1 only).
void typeText(const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(
            QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QStringList texts(const QList<QAction *> &actions)
{
    QStringList result;
    for (const QAction *a : actions)
        result.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    return result;
}

} // namespace

class TestComponentTable : public QObject
{
    Q_OBJECT

private slots:
    void pageLayout();
    void rowCommands_data();
    void rowCommands();
    void shownRows_data();
    void shownRows();
    void choiceLists_data();
    void choiceLists();
    void choiceListsByLevels_data();
    void choiceListsByLevels();
    void switchingTheStandard();
    void choosing_data();
    void choosing();
    void entering();
    void switchingDocumentWindows();
    void typingMarksEdited();
    void enterMovesToNextCell_data();
    void enterMovesToNextCell();
    void cellLengthLimit();
    void installedLibraryUnlessTheUsersOwn_data();
    void installedLibraryUnlessTheUsersOwn();
    void unreadableLibraryReportedOnce_data();
    void unreadableLibraryReportedOnce();
};

void TestComponentTable::pageLayout()
{
    Page p;
    QVERIFY(p.grid && p.list && p.memo);
    QStringList headers;
    for (int c = 0; c < p.grid->columnCount(); ++c)
        headers.append(p.grid->horizontalHeaderItem(c)->text());
    QCOMPARE(headers,
        QStringList(
            { "部位编号", "房屋组成部份", "构件名称", "构件结构", "构件总数", "危险构件数", "对应条文" }));
    QVERIFY(p.grid->horizontalHeader()->sectionResizeMode(1) == QHeaderView::Interactive);
    QVERIFY(!p.grid->horizontalHeader()->sectionsMovable());
    QCOMPARE(p.grid->selectionMode(), QAbstractItemView::ContiguousSelection);

    QStringList labels;
    for (const QLabel *label : p.page.findChildren<QLabel *>())
        labels.append(label->text());
    for (const char *text : { "危险性等级计算表", " 请选择", "  计算结算" })
        QVERIFY2(labels.contains(QString::fromUtf8(text)), text);

    QAction calculate(QStringLiteral("计算等级(&C)"));
    p.page.setCalculateCommand(&calculate);
    const QMenu *menu = p.page.findChild<QMenu *>("PopupMenu2");
    QVERIFY(menu);
    QCOMPARE(texts(menu->actions()), QStringList({ "增加", "插入", "删除", "-", "计算等级(&C)" }));
    QStringList buttons;
    for (const char *name :
        { "btnDangerGradeAdd", "btnDangerGradeInsert", "btnDangerGradeDel", "btnRecordCalcu" }) {
        const QToolButton *button = p.page.findChild<QToolButton *>(name);
        QVERIFY2(button && button->isVisible(), name);
        buttons.append(button->defaultAction()->objectName());
    }
    QCOMPARE(
        buttons, QStringList({ "actnDangerGradeAdd", "actnDangerGradeInsert", "actnDangerGradeDel", "" }));
    QSignalSpy calculated(&calculate, &QAction::triggered);
    QTest::mouseClick(p.page.findChild<QToolButton *>("btnRecordCalcu"), Qt::LeftButton);
    QCOMPARE(calculated.count(), 1);
}

void TestComponentTable::rowCommands_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("byButton");
    QTest::addColumn<QStringList>("parts"); // column 1 of every line afterwards
    QTest::addColumn<int>("currentAfter");

    QTest::newRow("insert at 3 of 5")
        << 5 << 3 << "actnDangerGradeInsert" << true << QStringList { "a1", "a2", "", "a3", "a4", "a5" } << 3;
    QTest::newRow("insert at the top")
        << 2 << 1 << "actnDangerGradeInsert" << false << QStringList { "", "a1", "a2" } << 1;
    QTest::newRow("delete 2 of 3") << 3 << 2 << "actnDangerGradeDel" << true << QStringList { "a1", "a3" }
                                   << 2;
    QTest::newRow("delete the last") << 3 << 3 << "actnDangerGradeDel" << false << QStringList { "a1", "a2" }
                                     << 2;
    QTest::newRow("delete the only line") << 1 << 1 << "actnDangerGradeDel" << true << QStringList {} << 0;
    QTest::newRow("add at the end") << 2 << 1 << "actnDangerGradeAdd" << true
                                    << QStringList { "a1", "a2", "" } << 3;
    QTest::newRow("add to no lines") << 0 << 0 << "actnDangerGradeAdd" << false << QStringList { "" } << 1;
    QTest::newRow("insert into no lines")
        << 0 << 0 << "actnDangerGradeInsert" << true << QStringList { "" } << 1;
    QTest::newRow("delete from no lines") << 0 << 0 << "actnDangerGradeDel" << true << QStringList {} << 0;
}

void TestComponentTable::rowCommands()
{
    QFETCH(int, lines);
    QFETCH(int, current);
    QFETCH(QString, command);
    QFETCH(bool, byButton);
    QFETCH(QStringList, parts);
    QFETCH(int, currentAfter);

    Page p;
    QVERIFY(p.active);
    p.page.showRows(lettered(lines));
    // Every cell of every line is full, so that a moved line shows.
    for (int r = 1; r <= lines; ++r)
        for (int c = 2; c <= 6; ++c)
            p.page.setCell(c, r, QStringLiteral("x%1").arg(r));
    if (lines == 0)
        p.page.setRowCountWithHeader(1);
    else
        p.enterCell(4, current);

    if (byButton)
        QTest::mouseClick(p.page.findChild<QToolButton *>("btn" + command.mid(4)), Qt::LeftButton);
    else
        p.page.findChild<QAction *>(command)->trigger();

    QStringList shownParts;
    QList<int> expectedNumbers;
    for (const ComponentRow &row : p.page.rows()) {
        shownParts.append(row[1]);
        expectedNumbers.append(int(expectedNumbers.size()) + 1);
        const QString rest = row[1].isEmpty() ? QString() : "x" + row[1].mid(1);
        for (int c = 2; c <= 6; ++c)
            QCOMPARE(row[c], rest);
    }
    QCOMPARE(shownParts, parts);
    QCOMPARE(p.numbers(), expectedNumbers);
    QCOMPARE(p.grid->currentRow() + 1, currentAfter);
    if (currentAfter > 0)
        QCOMPARE(p.grid->currentColumn(), lines == 0 ? 1 : 4);
    QCOMPARE(p.edited.count(), 0);
}

void TestComponentTable::shownRows_data()
{
    QTest::addColumn<QList<ComponentRow>>("given");
    QTest::addColumn<bool>("reset");
    QTest::addColumn<QList<ComponentRow>>("shown");

    QList<ComponentRow> ten;
    for (int i = 1; i <= 10; ++i)
        ten.append(line(QString::number(i)));
    const QList<ComponentRow> stored = { line("7", { "承重结构", "墙段", "砌体", "12", "3", "4.3.3-1" }),
        line("", { "", "", "", "", "", "" }), line("9", { "围护结构", "围护构件", "%", "x", "", "" }) };

    QTest::newRow("no lines") << QList<ComponentRow> {} << false << QList<ComponentRow> { line("1") };
    QTest::newRow("stored lines as given") << stored << false << stored;
    QTest::newRow("reset") << stored << true << ten;
}

void TestComponentTable::shownRows()
{
    QFETCH(QList<ComponentRow>, given);
    QFETCH(bool, reset);
    QFETCH(QList<ComponentRow>, shown);

    Page p;
    p.page.showRows(lettered(4));
    p.page.showRows(given);
    if (reset)
        p.page.ResetComponentGrid();
    QCOMPARE(p.page.rows(), shown);
    QCOMPARE(p.page.rowCountWithHeader(), int(shown.size()) + 1);
    QCOMPARE(p.grid->horizontalHeaderItem(6)->text(), QStringLiteral("对应条文"));
    // The line numbers can be neither entered nor edited.
    QCOMPARE(p.grid->currentColumn(), 1);
    QCOMPARE(p.index(0, 1).flags() & (Qt::ItemIsEditable | Qt::ItemIsSelectable | Qt::ItemIsEnabled),
        Qt::ItemFlags());
    QVERIFY(p.index(6, int(shown.size())).flags() & Qt::ItemIsEditable);
    QCOMPARE(p.edited.count(), 0);
}

void TestComponentTable::choiceLists_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("cells"); // columns 1 to 6 of the line
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("green");

    const QStringList bearingMasonry = { "承重结构", "墙段", "砌体", "", "", "" };
    const QStringList clauseHeader = { "序号/60", "条文/1000" };

    QTest::newRow("column 1") << 1 << bearingMasonry << QStringList { "序号/40", "房屋组成部分/100" }
                              << QStringList { "1:地基基础", "2:承重结构", "3:围护结构" } << QStringList {};
    QTest::newRow("column 2") << 2 << bearingMasonry << QStringList { "序号/40", "构件名称/100" }
                              << QStringList { "1:地基", "2:基础", "3:柱", "4:墙段", "5:主梁", "6:屋架",
                                     "7:次梁", "8:板", "9:围护构件" }
                              << QStringList {};
    QTest::newRow("column 3") << 3 << bearingMasonry << QStringList { "序号/40", "构件结构/100" }
                              << QStringList { "1:地基", "2:基础", "3:砌体", "4:混凝土", "5:木结构",
                                     "6:钢结构", "7:简易结构" }
                              << QStringList {};
    QTest::newRow("column 4") << 4 << QStringList { "承重结构", "墙段", "砌体", "2", "1", "" }
                              << QStringList {} << QStringList {} << QStringList {};
    QTest::newRow("column 5") << 5 << QStringList { "承重结构", "墙段", "砌体", "2", "1", "" }
                              << QStringList {} << QStringList {} << QStringList {};
    QTest::newRow("clauses of a part and structure")
        << 6 << bearingMasonry << clauseHeader
        << QStringList { "4.3.3-1:承重墙承载能力不足", "4.3.3-2:墙体产生裂缝" } << QStringList {};
    QTest::newRow("the clause chosen is green")
        << 6 << QStringList { "承重结构", "墙段", "砌体", "", "", "4.3.3-2" } << clauseHeader
        << QStringList { "4.3.3-1:承重墙承载能力不足", "4.3.3-2:墙体产生裂缝" } << QStringList { "4.3.3-2" };
    QTest::newRow("a word number in the cell is green")
        << 1 << QStringList { "2", "", "", "", "", "" } << QStringList { "序号/40", "房屋组成部分/100" }
        << QStringList { "1:地基基础", "2:承重结构", "3:围护结构" } << QStringList { "2" };
    QTest::newRow("% in the part") << 6 << QStringList { "%", "墙段", "砌体", "", "", "" } << clauseHeader
                                   << QStringList { "4.3.3-1:承重墙承载能力不足", "4.2.4-2:砖石基础长期受潮",
                                          "4.3.3-2:墙体产生裂缝", "4.3.3-9:围护墙倾斜" }
                                   << QStringList {};
    QTest::newRow("% in the structure")
        << 6 << QStringList { "承重结构", "", "砌%", "", "", "" } << clauseHeader
        << QStringList { "4.3.3-1:承重墙承载能力不足", "4.3.3-2:墙体产生裂缝", "4.3.3-7:块材风化" }
        << QStringList {};
    QTest::newRow("nothing added to the texts") << 6 << QStringList { "承重", "", "砌体", "", "", "" }
                                                << clauseHeader << QStringList {} << QStringList {};
    QTest::newRow("empty row") << 6 << QStringList { "", "", "", "", "", "" } << clauseHeader
                               << QStringList {} << QStringList {};
}

void TestComponentTable::choiceLists()
{
    QFETCH(int, column);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, header);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, green);

    Page p;
    QVERIFY(p.active);
    writeClauseLibrary(p.dir.filePath(OwnLibrary));
    p.page.showRows({ line("1"), line("2", cells) });

    p.clickCell(column, 2);
    QCOMPARE(p.listHeader(), header);
    QCOMPARE(p.entries(), entries);
    QCOMPARE(p.greenEntries(), green);
    QCOMPARE(p.errors().size(), 0);

    // The list follows the current cell as the user moves with the keys.
    p.clickCell(1, 1);
    QCOMPARE(p.listHeader(), QStringList({ "序号/40", "房屋组成部分/100" }));
    QTest::keyClick(p.grid, Qt::Key_Down);
    for (int c = 1; c < column; ++c)
        QTest::keyClick(p.grid, Qt::Key_Right);
    QCOMPARE(p.listHeader(), header);
    QCOMPARE(p.entries(), entries);
}

void TestComponentTable::choiceListsByLevels_data()
{
    QTest::addColumn<QString>("layers"); // the report's 层数
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("cells"); // columns 1 to 6 of the line
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QStringList>("entries");

    const QStringList levelHeader = { "序号/40", "楼层/100" };
    const QStringList clauseHeader = { "序号/60", "条文/1000" };
    const QStringList wall = { "2", "墙体", "砌体", "", "", "" };

    QTest::newRow("levels of three storeys")
        << "3" << 1 << wall << levelHeader
        << QStringList { "1:基础", "2:1", "3:2", "4:3", "5:-1", "6:-2", "7:-3" };
    QTest::newRow("storeys from a number with a word")
        << "2层" << 1 << wall << levelHeader
        << QStringList { "1:基础", "2:1", "3:2", "4:-1", "5:-2", "6:-3" };
    QTest::newRow("one storey without a number")
        << "" << 1 << wall << levelHeader << QStringList { "1:基础", "2:1", "3:-1", "4:-2", "5:-3" };
    QTest::newRow("the ten kinds") << "3" << 2 << wall << QStringList { "序号/40", "构件名称/100" }
                                   << QStringList { "1:中柱", "2:边柱", "3:角柱", "4:墙体", "5:屋架",
                                          "6:中梁", "7:边梁", "8:次梁", "9:楼屋面板", "10:围护构件" };
    QTest::newRow("clauses of a kind and structure")
        << "3" << 6 << wall << clauseHeader << QStringList { "5.3.3-2:墙体裂缝" };
    QTest::newRow("every row on the foundation level by 基础")
        << "3" << 6 << QStringList { "基础", "墙体", "砌体", "", "", "" } << clauseHeader
        << QStringList { "5.2.3-1:基础承载力不足" };
    QTest::newRow("another kind, another list")
        << "3" << 6 << QStringList { "-1", "中柱", "砌体", "", "", "" } << clauseHeader
        << QStringList { "5.3.3-1:柱承载力不足" };
}

// A table graded by levels: column 1 holds the level, the choice lists
// offer the levels of the report and the ten kinds, and the clauses are
// those of the row's kind (基础 on the foundation level) and structure.
void TestComponentTable::choiceListsByLevels()
{
    QFETCH(QString, layers);
    QFETCH(int, column);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, header);
    QFETCH(QStringList, entries);

    Page p;
    QVERIFY(p.active);
    writeClauseLibrary(p.dir.filePath(OwnLibrary),
        { { "墙体", "砌体", "5.3.3-2", "墙体裂缝" }, { "基础", "砌体", "5.2.3-1", "基础承载力不足" },
            { "中柱", "砌体", "5.3.3-1", "柱承载力不足" }, { "承重结构", "砌体", "4.3.3-1", "承重墙" } });
    p.page.setLayersSource([layers] { return layers; });
    p.page.showStandard({ AppraisalStandard::Jgj125_2016, GroundState::NotDangerous });
    p.page.showRows({ line("1"), line("2", cells) });
    QCOMPARE(p.grid->horizontalHeaderItem(1)->text(), "楼层");

    p.clickCell(column, 2);
    QCOMPARE(p.listHeader(), header);
    QCOMPARE(p.entries(), entries);
    QCOMPARE(p.errors().size(), 0);
}

// The user's choice of the standard is an edit that keeps the rows; the
// ground check box is offered for JGJ 125-2016 only, and its click is an
// edit too. Showing a report's standard is none.
void TestComponentTable::switchingTheStandard()
{
    Page p;
    QVERIFY(p.active);
    const QList<ComponentRow> rows = { line("1", { "承重结构", "墙段", "砌体", "3", "1", "" }) };
    p.page.showRows(rows);
    auto *choice = p.page.findChild<QComboBox *>("cbbGradeStandard");
    auto *ground = p.page.findChild<QCheckBox *>("chkGroundDangerous");
    QVERIFY(choice && ground);
    QCOMPARE(choice->currentText(), "JGJ 125-99");
    QVERIFY(!ground->isVisible());
    QCOMPARE(p.grid->horizontalHeaderItem(1)->text(), "房屋组成部份");

    p.page.showStandard({ AppraisalStandard::Jgj125_2016, GroundState::Dangerous });
    QCOMPARE(p.edited.size(), 0);
    QVERIFY(ground->isVisible() && ground->isChecked());

    choice->setCurrentIndex(choice->findText("JGJ 125-99"));
    emit choice->activated(choice->currentIndex());
    QCOMPARE(p.edited.size(), 1);
    QCOMPARE(p.page.rows(), rows);
    QCOMPARE(p.grid->horizontalHeaderItem(1)->text(), "房屋组成部份");
    QVERIFY(!ground->isVisible());
    QCOMPARE(p.page.standard(), ReportStandard({ AppraisalStandard::Jgj125_99, GroundState::Dangerous }));

    choice->setCurrentIndex(choice->findText("JGJ 125-2016"));
    emit choice->activated(choice->currentIndex());
    QVERIFY(ground->isVisible());
    QTest::mouseClick(ground, Qt::LeftButton, {}, QPoint(5, ground->height() / 2));
    QCOMPARE(p.edited.size(), 3);
    QCOMPARE(
        p.page.standard(), ReportStandard({ AppraisalStandard::Jgj125_2016, GroundState::NotDangerous }));
    QCOMPARE(p.grid->horizontalHeaderItem(1)->text(), "楼层");
    QCOMPARE(p.page.rows(), rows);
}

void TestComponentTable::choosing_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("part") << 1 << 1 << "承重结构";
    QTest::newRow("component name") << 2 << 3 << "墙段";
    QTest::newRow("structure") << 3 << 6 << "简易结构";
    QTest::newRow("clause") << 6 << 1 << "4.3.3-2";
}

void TestComponentTable::choosing()
{
    QFETCH(int, column);
    QFETCH(int, entry);
    QFETCH(QString, chosen);

    Page p;
    QVERIFY(p.active);
    writeClauseLibrary(p.dir.filePath(OwnLibrary));
    p.page.showRows({ line("1", { "承重结构", "柱", "砌体", "4", "1", "4.3.3-1" }) });
    p.enterCell(column, 1);

    p.clickEntry(entry);
    QCOMPARE(p.page.cell(column, 1), chosen);
    QCOMPARE(p.grid->currentColumn(), column);
    QCOMPARE(p.edited.count(), 0);
    // In the clause column the chosen clause turns green; a word's number
    // never equals the word.
    QCOMPARE(p.greenEntries(), column == 6 ? QStringList { chosen } : QStringList {});
}

void TestComponentTable::entering()
{
    Page p;
    QVERIFY(p.active);
    p.page.ResetComponentGrid();
    QCOMPARE(p.edited.count(), 0);

    p.memo->setFocus(Qt::OtherFocusReason);
    p.clickCell(3, 2);
    QCOMPARE(p.edited.count(), 1);
    QCOMPARE(p.listHeader(), QStringList({ "序号/40", "构件结构/100" }));

    // Coming back from the table's own cell editor, from a pop-up menu or
    // from another window is no new entry.
    QTest::keyClick(p.grid, Qt::Key_F2);
    QVERIFY(p.editor() && p.editor()->hasFocus());
    QTest::keyClick(p.editor(), Qt::Key_Escape);
    QVERIFY(p.grid->hasFocus());
    p.grid->clearFocus();
    p.grid->setFocus(Qt::PopupFocusReason);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    p.page.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.page));
    QVERIFY(p.grid->hasFocus());
    QCOMPARE(p.edited.count(), 1);

    // Tab from another control enters again.
    p.memo->setFocus(Qt::OtherFocusReason);
    p.grid->setFocus(Qt::TabFocusReason);
    QCOMPARE(p.edited.count(), 2);
}

void TestComponentTable::switchingDocumentWindows()
{
    TestAppDir dir;
    QMdiArea area;
    auto *first = new ComponentTablePage;
    auto *second = new ComponentTablePage;
    QMdiSubWindow *firstWindow = area.addSubWindow(first);
    QMdiSubWindow *secondWindow = area.addSubWindow(second);
    first->ResetComponentGrid();
    second->ResetComponentGrid();
    area.resize(1200, 800);
    area.show();
    QVERIFY(QTest::qWaitForWindowActive(&area));
    area.setActiveSubWindow(firstWindow);
    first->resultMemo()->setFocus(Qt::MouseFocusReason);
    QSignalSpy edited(first, &ComponentTablePage::edited);
    first->grid()->setFocus(Qt::MouseFocusReason);
    QCOMPARE(edited.count(), 1);

    // Working in the other window and coming back to the table is no entry.
    area.setActiveSubWindow(secondWindow);
    second->resultMemo()->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(firstWindow, Qt::LeftButton, {}, QPoint(firstWindow->width() / 2, 5));
    QVERIFY(first->grid()->hasFocus());
    QCOMPARE(edited.count(), 1);

    // From another control of the same window it is.
    first->resultMemo()->setFocus(Qt::MouseFocusReason);
    area.setActiveSubWindow(secondWindow);
    area.setActiveSubWindow(firstWindow);
    first->grid()->setFocus(Qt::MouseFocusReason);
    QCOMPARE(edited.count(), 2);
}

void TestComponentTable::typingMarksEdited()
{
    Page p;
    QVERIFY(p.active);
    p.page.ResetComponentGrid();
    p.enterCell(4, 1);

    typeText("12");
    QVERIFY(p.editor());
    QVERIFY(p.edited.count() >= 2);
    // What is typed is in the table before the editor closes, so a save at
    // this moment stores it.
    QCOMPARE(p.page.rows().at(0)[4], QStringLiteral("12"));
    // Escape puts the text back as it was.
    QTest::keyClick(p.editor(), Qt::Key_Escape);
    QCOMPARE(p.page.cell(4, 1), QString());
}

void TestComponentTable::enterMovesToNextCell_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed"); // empty: no cell editor open
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("nextColumn");
    QTest::addColumn<int>("nextRow");

    QTest::newRow("enter") << 2 << 1 << "" << int(Qt::Key_Return) << 3 << 1;
    QTest::newRow("keypad enter") << 2 << 1 << "" << int(Qt::Key_Enter) << 3 << 1;
    QTest::newRow("enter past the last column") << 6 << 1 << "" << int(Qt::Key_Return) << 1 << 2;
    QTest::newRow("enter while editing") << 2 << 2 << "柱" << int(Qt::Key_Return) << 3 << 2;
    QTest::newRow("enter while editing the last column")
        << 6 << 1 << "4.3.3-1" << int(Qt::Key_Return) << 1 << 2;
    QTest::newRow("enter past the last cell") << 6 << 2 << "" << int(Qt::Key_Return) << 1 << 1;
    QTest::newRow("backtab before the first cell") << 1 << 1 << "" << int(Qt::Key_Backtab) << 6 << 2;
    QTest::newRow("tab while editing") << 2 << 2 << "柱" << int(Qt::Key_Tab) << 3 << 2;
}

void TestComponentTable::enterMovesToNextCell()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, nextColumn);
    QFETCH(int, nextRow);

    Page p;
    QVERIFY(p.active);
    writeClauseLibrary(p.dir.filePath(OwnLibrary));
    p.page.showRows({ line("1"), line("2") });
    p.enterCell(column, row);
    if (!typed.isEmpty()) {
        QTest::keyClick(p.grid, Qt::Key_F2);
        typeText(typed);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

    QCOMPARE(p.grid->currentColumn(), nextColumn);
    QCOMPARE(p.grid->currentRow() + 1, nextRow);
    QVERIFY(p.grid->isAncestorOf(QApplication::focusWidget()) || p.grid->hasFocus());
    if (!typed.isEmpty())
        QCOMPARE(p.page.cell(column, row), typed);
    // The list follows to the new cell.
    const QStringList headers
        = { "", "房屋组成部分/100", "构件名称/100", "构件结构/100", "", "", "条文/1000" };
    QCOMPARE(p.listHeader().value(1), headers.at(nextColumn));
}

void TestComponentTable::cellLengthLimit()
{
    Page p;
    QVERIFY(p.active);
    p.page.ResetComponentGrid();
    Prompt::reset();
    const QString longText = QStringLiteral("一二三四五六七八九十abcdefghijklmno"); // 25 characters

    // Typing stops at 20 characters, as the user sees; a longer paste is
    // refused whole with a message naming the cell, never cut.
    p.enterCell(2, 1);
    QTest::keyClick(p.grid, Qt::Key_F2);
    typeText(longText);
    QCOMPARE(p.page.cell(2, 1), longText.left(20));
    QTest::keyClick(p.editor(), Qt::Key_Return);
    QCoreApplication::processEvents();
    QVERIFY(Prompt::shown().isEmpty());
    QGuiApplication::clipboard()->setText(longText);
    QTest::keyClick(p.grid, Qt::Key_F2);
    QTest::keySequence(p.editor(), QKeySequence::Paste);
    QCoreApplication::processEvents();
    QCOMPARE(p.page.cell(3, 1), QString());
    verifyOnlyMessage(
        "第 1 行 构件结构 最多 20 个字符, 输入后会有 25 个, 这次输入没有接受。", PromptIcon::Error);
    QTest::keyClick(p.editor(), Qt::Key_Return);

    // A longer text the program puts into a cell stays whole: editing it
    // only shortens it, and it is stored whole.
    p.page.setCell(5, 1, longText);
    p.enterCell(5, 1);
    QTest::keyClick(p.grid, Qt::Key_F2);
    QTest::keyClick(p.editor(), Qt::Key_End);
    QTest::keyClick(p.editor(), Qt::Key_X);
    QCOMPARE(p.page.cell(5, 1), longText);
    QTest::keyClick(p.editor(), Qt::Key_Backspace);
    QCOMPARE(p.page.cell(5, 1), longText.left(24));
    QTest::keyClick(p.editor(), Qt::Key_Return);
    p.page.setCell(6, 1, longText);

    ReportFile file(1);
    ComponentRows::save(file.connection, "1", p.page.rows());
    const QList<ComponentRow> stored = ComponentRows::load(file.connection, "1");
    QCOMPARE(stored.size(), 10);
    QCOMPARE(stored.at(0)[5], longText.left(24));
    QCOMPARE(stored.at(0)[6], longText);
}

// The clauses come from the library installed with the program, which a new
// package updates, unless the user keeps a library of their own.
void TestComponentTable::installedLibraryUnlessTheUsersOwn_data()
{
    // The one clause of the user's own library (part, structure, number,
    // text); empty: the user has none.
    QTest::addColumn<QStringList>("own");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("installed library")
        << QStringList() << QStringList { "4.3.3-1:承重墙承载能力不足", "4.3.3-2:墙体产生裂缝" };
    QTest::newRow("the user's own library") << QStringList { "承重结构", "砌体", "9.9.9", "本单位补充的条文" }
                                            << QStringList { "9.9.9:本单位补充的条文" };
}

void TestComponentTable::installedLibraryUnlessTheUsersOwn()
{
    QFETCH(QStringList, own);
    QFETCH(QStringList, entries);

    Page p;
    QVERIFY(p.active);
    QTemporaryDir share;
    Process.ShareDir = share.path();
    writeClauseLibrary(share.filePath(InstalledLibrary));
    if (!own.isEmpty())
        writeClauseLibrary(p.dir.filePath(OwnLibrary), { { own[0], own[1], own[2], own[3] } });
    p.page.showRows({ line("1", { "承重结构", "墙段", "砌体", "", "", "" }) });

    p.clickCell(6, 1);
    QCOMPARE(p.entries(), entries);
    QCOMPARE(p.errors().size(), 0);
}

void TestComponentTable::unreadableLibraryReportedOnce_data()
{
    QTest::addColumn<QByteArray>("content"); // the user's own library; empty: none
    QTest::addColumn<QString>("message"); // %1: the path of the library read

    // Without a library of the user's own, the installed one is read.
    QTest::newRow("missing") << QByteArray() << "数据库文件 %1 不存在!";
    QTest::newRow("damaged") << QByteArray("this is no database at all, just some text.")
                             << "文件 %1 不是本系统的数据库!";
}

void TestComponentTable::unreadableLibraryReportedOnce()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);

    Page p;
    QVERIFY(p.active);
    QTemporaryDir share; // an installation without its library
    Process.ShareDir = share.path();
    const QString path = p.dir.filePath(OwnLibrary);
    const QString read = content.isEmpty() ? share.filePath(InstalledLibrary) : path;
    if (!content.isEmpty())
        p.dir.writeFile(OwnLibrary, content);
    p.page.showRows({ line("1", { "承重结构", "墙段", "砌体", "", "", "" }), line("2") });

    // Clicking into the clause column, typing a clause number, moving away
    // and back, the focus coming back after the message box: one message.
    p.clickCell(6, 1);
    typeText("4.3");
    QTest::keyClick(p.editor(), Qt::Key_Return);
    p.clickCell(6, 2);
    p.memo->setFocus(Qt::OtherFocusReason);
    p.clickCell(6, 1);
    p.grid->setFocus(Qt::ActiveWindowFocusReason);
    const QList<PromptRecord> errors = p.errors();
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.at(0).text, message.arg(read));
    QCOMPARE(errors.at(0).caption, AppTitle);
    QCOMPARE(p.listHeader(), QStringList({ "序号/60", "条文/1000" }));
    QCOMPARE(p.entries(), QStringList());
    QCOMPARE(p.page.cell(6, 1), QStringLiteral("4.3"));

    // Once the library can be read, the clauses show; when it fails again,
    // that is told again.
    QFile::remove(path);
    writeClauseLibrary(path);
    p.clickCell(6, 1);
    QCOMPARE(p.entries().size(), 2);
    QFile::remove(path);
    if (!content.isEmpty())
        p.dir.writeFile(OwnLibrary, content);
    p.clickCell(6, 2);
    p.clickCell(6, 1);
    QCOMPARE(p.errors().size(), 2);
}

QTEST_MAIN(TestComponentTable)
#include "tst_componenttable.moc"

#include "app/mainform.h"
#include "base/processstate.h"
#include "base/prompt.h"
#include "db/hadfile.h"
#include "db/reporttemplate.h"
#include "editor/componenttable.h"
#include "editor/fieldtext.h"
#include "editor/reportlist.h"
#include "testframe.h"
#include "windowfixture.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

// The calculate command and the two template commands of the frame, run
// as the user runs them, with the exact prompts they show.
class TestRecordCommands : public QObject
{
    Q_OBJECT

private slots:
    void calculate_data();
    void calculate();
    void calculateRefusesAnInvalidCount_data();
    void calculateRefusesAnInvalidCount();
    void calculateByEachReportsStandard();

    void saveAsTemplate_data();
    void saveAsTemplate();
    void saveAsTemplateFailure_data();
    void saveAsTemplateFailure();

    void instead_data();
    void instead();
};

namespace {

ComponentRow counted(const QString &part, const QString &name, const QString &total, const QString &dangerous)
{
    ComponentRow row;
    row[ComponentColumn::Part] = part;
    row[ComponentColumn::Name] = name;
    row[ComponentColumn::Structure] = QStringLiteral("砖");
    row[ComponentColumn::Total] = total;
    row[ComponentColumn::Dangerous] = dangerous;
    return row;
}

const QList<ComponentRow> WorkedExample = {
    counted("地基基础", "基础", "10", "0"),
    counted("承重结构", "柱", "20", "2"),
    counted("承重结构", "墙段", "30", "3"),
    counted("承重结构", "主梁", "10", "1"),
    counted("承重结构", "板", "40", "0"),
    counted("围护结构", "围护构件", "50", "10"),
};

const QStringList WorkedExampleLines = {
    "地基基础中,危险构件的百分数＝0%; μa＝1.00, μb＝0.00, μc＝0.00, μd＝0.00",
    "承重结构中,危险构件的百分数＝8%; μa＝0.00, μb＝0.88, μc＝0.12, μd＝0.00",
    "围护结构中,危险构件的百分数＝20%; μa＝0.00, μb＝0.40, μc＝0.60, μd＝0.00",
    "",
    "整体隶属度为： μA＝0.30, μB＝0.60, μC＝0.12, μD＝0.00",
    "",
    "综上所述,该房屋的危险性等级为B级",
};

// One masonry storey on its foundation, by levels (JGJ 125-2016).
const QList<ComponentRow> StoreyExample = {
    counted("基础", "基础", "105", "0"),
    counted("1", "墙体", "43", "1"),
    counted("1", "中梁", "7", "0"),
    counted("1", "边梁", "14", "0"),
    counted("1", "次梁", "5", "0"),
    counted("1", "围护构件", "51", "0"),
    counted("1", "楼屋面板", "39", "0"),
};

QStringList storeyExampleLines(const QString &ground, const QString &grade)
{
    return { "地基: " + ground, "基础: 危险构件 0/105, Rf＝0.00%, Au级", "第1层: Rs＝1.11%, Bu级", "",
        "综合比例 R＝0.44%; Du级层数 0", "", "综上所述,该房屋的危险性等级为" + grade };
}

const Columns StoredReport = {
    { "FileNo", "1" },
    { "Client", "甲" },
    { "Address", "民族大道1号" },
    { "ApprCircs", "第一行\r\n第二行" },
    { "BuildAreaHowff", "50" },
};

// The frame on a fresh program folder with one report (its table given)
// open in a report window.
struct Frame
{
    explicit Frame(const QList<ComponentRow> &rows = WorkedExample)
        : file({ StoredReport })
    {
        file.addRows("1", rows);
        form = showFrameOver(file.dir.path());
        window = form->OpenReportWindow(file.path);
    }

    QAction *action(const char *name) const { return form->action(QString::fromLatin1(name)); }
    ComponentTablePage *table() const { return window->componentPage(); }
    QString memo() const { return FieldText::text(table()->resultMemo()); }
    QString templateFolder() const { return file.dir.filePath("Template"); }

    ReportsFile file;
    TestFrame form;
    TfrmChildWin *window = nullptr;
};

// The entry of a command in a menu, as the user picks it there.
QAction *entryIn(const QMenu *menu, const char *command)
{
    for (QAction *entry : menu->actions())
        if (entry->objectName() == QLatin1String(command))
            return entry;
    return nullptr;
}

// Runs the calculate command the way a route offers it.
void calculateBy(const Frame &frame, const QString &route)
{
    if (route == "main menu") {
        QAction *entry = entryIn(frame.form->menu("MI_Record"), "actnRecordCalcu");
        QVERIFY(entry);
        entry->trigger();
    } else if (route == "tool bar") {
        auto *toolBar = frame.form->findChild<QToolBar *>("ToolBar");
        QWidget *button = toolBar->widgetForAction(frame.action("actnRecordCalcu"));
        QVERIFY(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (route == "button under the table") {
        frame.window->showPage(1);
        auto *button = frame.window->findChild<QToolButton *>("btnRecordCalcu");
        QVERIFY(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        const char *menu = route == "table pop-up" ? "PopupMenu2" : "PopupMenu1";
        QAction *entry = entryIn(frame.window->findChild<QMenu *>(menu), "actnRecordCalcu");
        QVERIFY(entry);
        entry->trigger();
    }
}

void checkTemplateDialog(const PromptRecord &dialog, PromptKind kind, const QString &caption,
    const QString &folder, const QString &fileName)
{
    QCOMPARE(dialog.kind, kind);
    QCOMPARE(dialog.caption, caption);
    QCOMPARE(dialog.text, folder);
    QCOMPARE(dialog.fileName, fileName);
    QCOMPARE(dialog.filter, "模板文件 *.Btp|*.Btp");
    QCOMPARE(dialog.defaultSuffix, "Btp");
}

void checkMessage(const PromptRecord &shown, const QString &text, PromptIcon icon, const QString &caption)
{
    QCOMPARE(shown.kind, PromptKind::Message);
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.icon, icon);
    QCOMPARE(shown.caption, caption);
    QCOMPARE(shown.buttons, PromptButtons(PromptButton::Ok));
}

} // namespace

void TestRecordCommands::calculate_data()
{
    QTest::addColumn<QString>("route");
    for (const char *route :
        { "main menu", "tool bar", "button under the table", "table pop-up", "report list pop-up" })
        QTest::newRow(route) << QString::fromLatin1(route);
}

// The worked example: seven lines in Memo1, the grade sentence in a box
// captioned "计算结果" without icon, the report modified. A second run with
// the same result empties and refills the memo, and so marks the report
// modified again.
void TestRecordCommands::calculate()
{
    QFETCH(QString, route);
    Frame frame;
    QVERIFY(!frame.window->Modified());

    calculateBy(frame, route);

    QCOMPARE(frame.memo(), WorkedExampleLines.join("\r\n"));
    QCOMPARE(Prompt::shown().size(), 1);
    checkMessage(Prompt::shown().first(), "综上所述,该房屋的危险性等级为B级。", PromptIcon::None, "计算结果");
    QVERIFY(frame.window->Modified());
    QCOMPARE(frame.file.stored("ApprConclusion"), QStringList({ "<null>" }));

    frame.window->saveReport();
    QVERIFY(!frame.window->Modified());
    calculateBy(frame, route);
    QCOMPARE(frame.memo(), WorkedExampleLines.join("\r\n"));
    QVERIFY(frame.window->Modified());
}

void TestRecordCommands::calculateRefusesAnInvalidCount_data()
{
    QTest::addColumn<QList<ComponentRow>>("rows");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty dangerous count") << QList<ComponentRow> { counted("承重结构", "柱", "20", "") }
                                           << "第 1 行 危险构件数: '' is not a valid integer value";
    QTest::newRow("total that is no number, after a good row") << QList<ComponentRow> {
        counted("承重结构", "板", "40", "0"), counted("地基基础", "基础", "x1", "0")
    } << "第 2 行 构件总数: 'x1' is not a valid integer value";
}

// One file, three reports: by JGJ 125-99 (no standard recorded), by
// JGJ 125-2016, and by JGJ 125-2016 with the ground judged dangerous. The
// calculate command grades each by its own standard; choosing another
// standard in the window grades the same rows by that one.
void TestRecordCommands::calculateByEachReportsStandard()
{
    ReportsFile file({ StoredReport });
    HadFile::addGradeColumns(file.reports);
    file.add({ { "FileNo", "2" }, { "GradeStandard", "2016" } });
    file.add({ { "FileNo", "3" }, { "GradeStandard", "2016" }, { "GroundDangerous", "1" } });
    file.addRows("1", WorkedExample);
    file.addRows("2", StoreyExample);
    file.addRows("3", StoreyExample);
    TestFrame form = showFrameOver(file.dir.path());
    TfrmChildWin *window = form->OpenReportWindow(file.path);
    QVERIFY(window);

    const struct
    {
        QStringList lines;
        QString message;
    } expected[] = {
        { WorkedExampleLines, "综上所述,该房屋的危险性等级为B级。" },
        { storeyExampleLines("非危险状态", "B级"), "综上所述,该房屋的危险性等级为B级。" },
        { storeyExampleLines("危险状态", "D级"), "综上所述,该房屋的危险性等级为D级。" },
    };
    for (int entry = 0; entry < 3; ++entry) {
        window->GoToReport(entry);
        Prompt::reset();
        form->action("actnRecordCalcu")->trigger();
        QCOMPARE(FieldText::text(window->componentPage()->resultMemo()), expected[entry].lines.join("\r\n"));
        QCOMPARE(Prompt::shown().size(), 1);
        checkMessage(Prompt::shown().first(), expected[entry].message, PromptIcon::None, "计算结果");
    }

    // The 2016 report with an invalid count names the row.
    window->componentPage()->setCell(ComponentColumn::Dangerous, 2, "x");
    Prompt::reset();
    form->action("actnRecordCalcu")->trigger();
    QCOMPARE(Prompt::shown().size(), 1);
    checkMessage(Prompt::shown().first(), "第 2 行 危险构件数: 'x' is not a valid integer value",
        PromptIcon::Error, AppTitle);
}

// The general error report alone: Memo1 keeps its lines, no result box,
// Modified as it was.
void TestRecordCommands::calculateRefusesAnInvalidCount()
{
    QFETCH(QList<ComponentRow>, rows);
    QFETCH(QString, message);
    Frame frame(rows);
    FieldText::setText(frame.table()->resultMemo(), "上次的结果\r\n第二行");
    frame.window->setModified(false);

    calculateBy(frame, "button under the table");

    QCOMPARE(Prompt::shown().size(), 1);
    checkMessage(Prompt::shown().first(), message, PromptIcon::Error, AppTitle);
    QCOMPARE(frame.memo(), "上次的结果\r\n第二行");
    QVERIFY(!frame.window->Modified());
}

void TestRecordCommands::saveAsTemplate_data()
{
    QTest::addColumn<QString>("typed"); // relative to AppDir; empty: cancelled
    QTest::addColumn<QString>("written"); // relative to AppDir

    QTest::newRow("another extension") << "Template/a.txt"
                                       << "Template/a.Btp";
    QTest::newRow("no extension") << "Template/b"
                                  << "Template/b.Btp";
    QTest::newRow("the template extension") << "Template/c.Btp"
                                            << "Template/c.Btp";
    QTest::newRow("dots in the name") << "Template/d.e.txt"
                                      << "Template/d.e.Btp";
    QTest::newRow("another folder") << "Data/f.txt"
                                    << "Data/f.Btp";
    QTest::newRow("cancelled") << QString() << QString();
}

// The dialog proposes the address as stored, opens in the Template folder
// (made when it is missing); the file takes what the window shows, unsaved
// edits included, under the chosen name with the extension ".Btp".
void TestRecordCommands::saveAsTemplate()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    Frame frame;
    QVERIFY(QDir(frame.templateFolder()).removeRecursively());
    frame.window->setControlText("Address", "未保存的地址");
    frame.window->setControlText("DisposalAdvi", "加固\r\n观察");
    Prompt::reset();
    Prompt::setNextFileName(typed.isEmpty() ? QString() : frame.file.dir.filePath(typed));

    frame.action("Actn_RecordSaveAsTemplate")->trigger();

    QCOMPARE(Prompt::shown().size(), 1);
    checkTemplateDialog(Prompt::shown().first(), PromptKind::SaveFile, "将当前鉴定报告保存为模板",
        frame.templateFolder(), "民族大道1号");
    QVERIFY(QFileInfo(frame.templateFolder()).isDir());
    if (written.isEmpty()) {
        QVERIFY(QDir(frame.templateFolder()).isEmpty());
        return;
    }
    if (typed != written)
        QVERIFY(!QFileInfo::exists(frame.file.dir.filePath(typed)));
    const ReportTemplate saved = ReportTemplateFile::read(frame.file.dir.filePath(written));
    QCOMPARE(saved.text("Address"), "未保存的地址");
    QCOMPARE(saved.text("Client"), "甲");
    QCOMPARE(saved.text("DisposalAdvi"), "加固\r\n观察");
    QCOMPARE(saved.text("BuildAreaHowff"), "50");
    QCOMPARE(saved.rowCount(), int(WorkedExample.size()) + 1);
    QCOMPARE(saved.lines, WorkedExample);
    QCOMPARE(frame.file.stored("Address"), QStringList({ "民族大道1号" }));
}

void TestRecordCommands::saveAsTemplateFailure_data()
{
    QTest::addColumn<QString>("typed"); // relative to AppDir

    QTest::newRow("folder that does not exist") << "没有/a.txt";
    QTest::newRow("target is a folder") << "Template/folder.txt";
}

void TestRecordCommands::saveAsTemplateFailure()
{
    QFETCH(QString, typed);
    Frame frame;
    QVERIFY(QDir().mkpath(frame.file.dir.filePath("Template/folder.Btp")));
    Prompt::reset();
    Prompt::setNextFileName(frame.file.dir.filePath(typed));

    frame.action("Actn_RecordSaveAsTemplate")->trigger();

    QCOMPARE(Prompt::shown().size(), 2);
    checkMessage(Prompt::shown().last(), "保存模板错误!", PromptIcon::Error, AppTitle);
    QVERIFY(QFileInfo(frame.file.dir.filePath("Template/folder.Btp")).isDir());
}

void TestRecordCommands::instead_data()
{
    QTest::addColumn<QByteArray>("content"); // of the chosen file; null: cancelled
    QTest::addColumn<QString>("message"); // shown after the dialog, if any

    ReportTemplate good;
    good.setText("Client", "模板委托人");
    good.setText("Address", "模板地址");
    good.setText("ApprCircs", "模板\r\n情况");
    good.lines = { counted("地基基础", "地基", "3", "1") };
    QByteArray damaged = ReportTemplateFile::encode(good);
    damaged.chop(5);

    QTest::newRow("template") << ReportTemplateFile::encode(good) << QString();
    QTest::newRow("cancelled") << QByteArray() << QString();
    QTest::newRow("damaged template") << damaged << "文件格式不对...";
}

// No question before the report is replaced; a damaged file is refused
// once and the report stays as it was.
void TestRecordCommands::instead()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    Frame frame;
    const QString path = frame.file.dir.filePath("Template/t.Btp");
    if (!content.isNull())
        frame.file.dir.writeFile("Template/t.Btp", content);
    const ReportTexts before = frame.window->controlTexts();
    Prompt::setNextFileName(content.isNull() ? QString() : path);

    frame.action("Actn_RecordInstead")->trigger();

    checkTemplateDialog(
        Prompt::shown().first(), PromptKind::OpenFile, "选择模板", frame.templateFolder(), QString());
    const bool replaced = !content.isNull() && message.isEmpty();
    QCOMPARE(Prompt::shown().size(), message.isEmpty() ? 1 : 2);
    if (!message.isEmpty())
        checkMessage(Prompt::shown().last(), message, PromptIcon::Error, AppTitle);
    QCOMPARE(frame.window->Modified(), replaced);
    const ReportTexts after = frame.window->controlTexts();
    if (!replaced) {
        QCOMPARE(after.values, before.values);
        QCOMPARE(frame.table()->rows().size(), WorkedExample.size());
        return;
    }
    QCOMPARE(after.text("Client"), "模板委托人");
    QCOMPARE(after.text("Address"), "模板地址");
    QCOMPARE(after.text("ApprCircs"), "模板\r\n情况");
    QCOMPARE(after.text("BuildAreaHowff"), "");
    QCOMPARE(frame.window->areaTotal(), "0");
    QCOMPARE(after.text("FileNo"), "1");
    QCOMPARE(frame.window->reportList()->reportModel()->cellText(0, ReportListModel::Client), "模板委托人");
    QCOMPARE(frame.table()->rows().size(), 1);
    QCOMPARE(frame.table()->cell(ComponentColumn::Name, 1), "地基");
    QCOMPARE(frame.file.stored("Client"), QStringList({ "甲" }));
}

QTEST_MAIN(TestRecordCommands)
#include "tst_recordcommands.moc"

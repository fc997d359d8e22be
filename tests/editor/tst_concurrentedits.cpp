#include "base/errorreport.h"
#include "base/prompt.h"
#include "db/hadfile.h"
#include "editor/componenttable.h"
#include "promptcheck.h"
#include "windowfixture.h"

#include <QtTest>

// Two report windows on one database (a file or a server database), as two
// appraisers have it: a report that one of them saved or deleted is never
// overwritten by the other's save of what it loaded before; the other
// chooses what becomes of the edits.
class TestConcurrentEdits : public QObject
{
    Q_OBJECT

private slots:
    void init() { Prompt::reset(); }

    void staleSaveOffersThreeAnswers_data();
    void staleSaveOffersThreeAnswers();
    void staleMoveAsksToo_data() { addEngineRows(); }
    void staleMoveAsksToo();
    void saveOfAReportDeletedElsewhere_data();
    void saveOfAReportDeletedElsewhere();
    void deleteOfAReportSavedElsewhereAsksFirst_data();
    void deleteOfAReportSavedElsewhereAsksFirst();
};

namespace {

const QString ChangedQuestion
    = QStringLiteral("这份鉴定报告在您载入之后已被他人保存，保存您的修改会覆盖他人的修改。\n"
                     "是: 载入他人保存的版本(放弃您的修改)\n"
                     "否: 把您的修改另存为一份新鉴定报告\n"
                     "取消: 不保存，继续编辑");
const QString DeletedQuestion = QStringLiteral("这份鉴定报告已被他人删除。\n"
                                               "要把您的修改另存为一份新鉴定报告吗?\n"
                                               "否: 不保存，继续编辑");

const QList<Columns> Reports = {
    { { "FileNo", "2024-001" }, { "LinkMan", "李四" }, { "LinkPhone", "0771-1" } },
    { { "FileNo", "2024-002" }, { "LinkMan", "周九" } },
};

// The database with both reports and their component rows, and windows A
// and B opened on it, both showing the first report.
struct TwoWindows
{
    explicit TwoWindows(Engine engine)
        : file(Reports, QStringLiteral("Data/报告.had"), engine)
    {
        file.addRows("2024-001", { componentRow(1, "基础", "原来") });
        file.addRows("2024-002", { componentRow(1, "屋面", "第二份") });
        file.reports.close();
        file.connection.close();
        a = openReportWindow(file.path);
        b = openReportWindow(file.path);
    }

    // A changes 联系人 and saves.
    void aSavesLinkMan()
    {
        a->setControlText("LinkMan", "张三");
        a->componentPage()->showRows({ componentRow(1, "基础", "A的") });
        a->saveReport();
    }

    // B changes 联系电话 and its component table.
    void bEdits()
    {
        b->setControlText("LinkPhone", "0771-2");
        b->componentPage()->showRows({ componentRow(1, "基础", "B的") });
        b->setModified(true);
    }

    QStringList stored(const QString &column)
    {
        HadFile::open(file.connection, file.path);
        return file.stored(column);
    }

    ReportsFile file;
    std::unique_ptr<TfrmChildWin> a;
    std::unique_ptr<TfrmChildWin> b;
};

void verifyQuestion(const QString &text, PromptButtons buttons)
{
    QVERIFY(!Prompt::shown().isEmpty());
    const PromptRecord &shown = Prompt::shown().first();
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.icon, PromptIcon::Warning);
    QCOMPARE(shown.buttons, buttons);
    QCOMPARE(shown.caption, AppTitle);
}

} // namespace

void TestConcurrentEdits::staleSaveOffersThreeAnswers_data()
{
    addEngineColumn();
    QTest::addColumn<PromptButton>("answer");
    for (Engine engine : Engines) {
        newEngineRow(engine, "reload theirs") << PromptButton::Yes;
        newEngineRow(engine, "keep mine as a new report") << PromptButton::No;
        newEngineRow(engine, "keep editing") << PromptButton::Cancel;
    }
}

void TestConcurrentEdits::staleSaveOffersThreeAnswers()
{
    FETCH_ENGINE(engine);
    QFETCH(PromptButton, answer);
    TwoWindows f(engine);
    f.aSavesLinkMan();
    f.bEdits();
    Prompt::setNextAnswer(answer);
    if (answer == PromptButton::Cancel)
        QVERIFY_THROWS_EXCEPTION(CommandCancelled, f.b->saveReport());
    else
        f.b->saveReport();
    verifyQuestion(ChangedQuestion, PromptButton::Yes | PromptButton::No | PromptButton::Cancel);

    // A's save is never overwritten.
    const QStringList numbers = f.stored("FileNo");
    QCOMPARE(f.stored("LinkMan").first(), "张三");
    QCOMPARE(f.stored("LinkPhone").first(), "0771-1");
    QCOMPARE(f.file.rowsOf("2024-001"), QStringList { "基础|A的||||" });

    switch (answer) {
    case PromptButton::Yes:
        QCOMPARE(numbers, QStringList({ "2024-001", "2024-002" }));
        QCOMPARE(textOf(f.b.get(), "labedtLinkMan"), "张三");
        QCOMPARE(textOf(f.b.get(), "labedtLinkPhone1"), "0771-1");
        QCOMPARE(f.b->componentPage()->rows().first()[ComponentColumn::Name], "A的");
        QVERIFY(!f.b->Modified());
        break;
    case PromptButton::No:
        QCOMPARE(numbers, QStringList({ "2024-001", "2024-002", "2024-001-2" }));
        QCOMPARE(f.stored("LinkMan").last(), "李四");
        QCOMPARE(f.stored("LinkPhone").last(), "0771-2");
        QCOMPARE(f.file.rowsOf("2024-001-2"), QStringList { "基础|B的||||" });
        QCOMPARE(textOf(f.b.get(), "labedtFileNo"), "2024-001-2");
        QCOMPARE(listed(f.b.get()), numbers);
        QCOMPARE(Prompt::shown().size(), 2);
        QCOMPARE(Prompt::shown().last().text, "您的修改已另存为一份新鉴定报告，编号为 2024-001-2。");
        QCOMPARE(Prompt::shown().last().icon, PromptIcon::Information);
        QVERIFY(!f.b->Modified());
        break;
    default:
        QCOMPARE(numbers, QStringList({ "2024-001", "2024-002" }));
        QCOMPARE(textOf(f.b.get(), "labedtLinkPhone1"), "0771-2");
        QVERIFY(f.b->Modified());
        return;
    }

    // From the report as it now stands, B saves again without a question.
    Prompt::reset();
    f.b->setControlText("Memory", "再次保存");
    f.b->saveReport();
    QVERIFY(Prompt::shown().isEmpty());
    QCOMPARE(f.stored("Memory").at(answer == PromptButton::Yes ? 0 : 2), "再次保存");
}

// A move stores the fields it leaves: the same check, the same question.
void TestConcurrentEdits::staleMoveAsksToo()
{
    FETCH_ENGINE(engine);
    TwoWindows f(engine);
    f.aSavesLinkMan();
    f.bEdits();
    Prompt::setNextAnswer(PromptButton::Cancel);
    QVERIFY_THROWS_EXCEPTION(CommandCancelled, f.b->storeFields());
    verifyQuestion(ChangedQuestion, PromptButton::Yes | PromptButton::No | PromptButton::Cancel);
    QCOMPARE(f.stored("LinkMan").first(), "张三");
    QCOMPARE(f.stored("LinkPhone").first(), "0771-1");
}

void TestConcurrentEdits::saveOfAReportDeletedElsewhere_data()
{
    addEngineColumn();
    QTest::addColumn<PromptButton>("answer");
    for (Engine engine : Engines) {
        newEngineRow(engine, "store as a new report") << PromptButton::Yes;
        newEngineRow(engine, "keep editing") << PromptButton::No;
    }
}

void TestConcurrentEdits::saveOfAReportDeletedElsewhere()
{
    FETCH_ENGINE(engine);
    QFETCH(PromptButton, answer);
    TwoWindows f(engine);
    QVERIFY(f.a->deleteShownReport());
    f.bEdits();
    Prompt::setNextAnswer(answer);
    if (answer == PromptButton::No)
        QVERIFY_THROWS_EXCEPTION(CommandCancelled, f.b->saveReport());
    else
        f.b->saveReport();
    verifyQuestion(DeletedQuestion, PromptButton::Yes | PromptButton::No);
    if (answer == PromptButton::No) {
        QCOMPARE(f.stored("FileNo"), QStringList { "2024-002" });
        QVERIFY(f.b->Modified());
        return;
    }
    // The number is free again: the report comes back under it, with B's edits.
    QCOMPARE(f.stored("FileNo"), QStringList({ "2024-002", "2024-001" }));
    QCOMPARE(f.stored("LinkPhone").last(), "0771-2");
    QCOMPARE(f.file.rowsOf("2024-001"), QStringList { "基础|B的||||" });
    QVERIFY(!f.b->Modified());
}

void TestConcurrentEdits::deleteOfAReportSavedElsewhereAsksFirst_data()
{
    addEngineColumn();
    QTest::addColumn<PromptButton>("answer");
    for (Engine engine : Engines) {
        newEngineRow(engine, "delete") << PromptButton::Yes;
        newEngineRow(engine, "keep") << PromptButton::No;
    }
}

void TestConcurrentEdits::deleteOfAReportSavedElsewhereAsksFirst()
{
    FETCH_ENGINE(engine);
    QFETCH(PromptButton, answer);
    TwoWindows f(engine);
    f.aSavesLinkMan();
    Prompt::setNextAnswer(answer);
    if (answer == PromptButton::No)
        QVERIFY_THROWS_EXCEPTION(CommandCancelled, f.b->deleteShownReport());
    else
        QVERIFY(f.b->deleteShownReport());
    QCOMPARE(Prompt::shown().size(), 1);
    QCOMPARE(Prompt::shown().first().text, "这份鉴定报告在您载入之后已被他人保存。\n仍要删除吗?");
    QCOMPARE(Prompt::shown().first().icon, PromptIcon::Question);
    QCOMPARE(f.stored("FileNo"),
        answer == PromptButton::Yes ? QStringList { "2024-002" } : QStringList({ "2024-001", "2024-002" }));
    QCOMPARE(f.stored("LinkMan").first(), answer == PromptButton::Yes ? "周九" : "张三");
}

QTEST_MAIN(TestConcurrentEdits)
#include "tst_concurrentedits.moc"

#include "db/connection.h"
#include "grade/storeygrade.h"
#include "testenv.h"

#include <QtTest>

// The clauses of the built clause library for tables graded by levels: each
// names an item that the standard has, in the section of its structure, and
// the clause picker's own query finds them by kind and structure.
class TestStoreyClauses : public QObject
{
    Q_OBJECT

private slots:
    void everyClauseNamesAnItemOfItsSection();
    void pickerFindsClausesByKindAndStructure_data();
    void pickerFindsClausesByKindAndStructure();
};

namespace {

const QString LibraryName = QStringLiteral("ApprStandar.mdb");

// The section on single components of each structure and its number of
// items.
struct Section
{
    QString clause;
    int items;
};

const QMap<QString, Section> Sections { { "砌体", { "5.3.3", 10 } }, { "混凝土", { "5.4.3", 14 } },
    { "木结构", { "5.5.3", 9 } }, { "钢结构", { "5.6.3", 9 } } };
const Section FoundationSection { "5.2.3", 3 };

// The kinds a table by levels holds in its second cell, and the foundation.
QStringList kindsByLevels()
{
    QStringList kinds { "基础" };
    for (const StoreyComponentKind &kind : StoreyComponentKinds())
        kinds << kind.name.toString();
    return kinds;
}

QSqlQuery pickerQuery(const Connection &library, const QString &kind, const QString &structure)
{
    return library.run("select * from ApprStandar where Part like :MainFileNo and Struct like :MainFileNo1",
        { { "MainFileNo", kind }, { "MainFileNo1", structure } });
}

} // namespace

void TestStoreyClauses::everyClauseNamesAnItemOfItsSection()
{
    TestAppDir dir;
    Connection library;
    library.open(copyOfBuilt(dir, LibraryName), { "ApprStandar" });
    const QStringList kinds = kindsByLevels();
    const QRegularExpression number(R"(^(5\.[2-6]\.3)-([1-9][0-9]?)$)");
    int clauses = 0;
    QSqlQuery rows = library.run("select Part, Struct, \"No\", FileItem from ApprStandar");
    while (rows.next()) {
        const QString kind = rows.value(0).toString();
        if (!kinds.contains(kind))
            continue;
        const QString structure = rows.value(1).toString();
        const QString no = rows.value(2).toString();
        const QString where = kind + " " + structure + " " + no;
        const bool foundation = kind == "基础";
        QVERIFY2(Sections.contains(structure) || (foundation && structure == "基础"), qPrintable(where));
        const Section section = foundation ? FoundationSection : Sections[structure];
        const QRegularExpressionMatch match = number.match(no);
        QVERIFY2(match.hasMatch(), qPrintable(where));
        QCOMPARE(match.captured(1), section.clause);
        QVERIFY2(match.captured(2).toInt() <= section.items, qPrintable(where));
        // Items whose limits are not taken into the library.
        QVERIFY2(!QStringList({ "5.3.3-6", "5.4.3-8", "5.4.3-12" }).contains(no), qPrintable(where));
        QVERIFY2(!rows.value(3).toString().isEmpty(), qPrintable(where));
        ++clauses;
    }
    QVERIFY(clauses > 0);
}

void TestStoreyClauses::pickerFindsClausesByKindAndStructure_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("structure");
    QTest::addColumn<bool>("found");
    for (const QString &kind : kindsByLevels())
        for (const QString &structure :
            QStringList { "基础", "砌体", "混凝土", "木结构", "钢结构", "简易结构", "地基" }) {
            // Masonry beams and trusses, and steel walls, are no kinds the
            // standard's items speak of; makeshift structures and the ground
            // have no section on single components; the structure 基础 is the
            // foundation's alone.
            const bool none = QStringList { "简易结构", "地基" }.contains(structure)
                || (structure == "基础" && kind != "基础")
                || (structure == "砌体" && QStringList { "屋架", "中梁", "边梁", "次梁" }.contains(kind))
                || (structure == "钢结构" && kind == "墙体");
            QTest::addRow("%s %s", qPrintable(kind), qPrintable(structure)) << kind << structure << !none;
        }
}

void TestStoreyClauses::pickerFindsClausesByKindAndStructure()
{
    QFETCH(QString, kind);
    QFETCH(QString, structure);
    QFETCH(bool, found);
    TestAppDir dir;
    Connection library;
    library.open(copyOfBuilt(dir, LibraryName), { "ApprStandar" });
    QSqlQuery clauses = pickerQuery(library, kind, structure);
    QSet<QString> numbers;
    while (clauses.next()) {
        const QString number = clauses.value("No").toString();
        QVERIFY(number.size() <= 20);
        QVERIFY2(!numbers.contains(number), qPrintable("clause listed twice: " + number));
        numbers.insert(number);
    }
    QCOMPARE(!numbers.isEmpty(), found);
}

QTEST_GUILESS_MAIN(TestStoreyClauses)
#include "tst_storeyclauses.moc"

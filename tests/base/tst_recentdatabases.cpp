#include "base/recentdatabases.h"
#include "testenv.h"

#include <QtTest>

// The list of databases opened last, as config.ini keeps it.
class TestRecentDatabases : public QObject
{
    Q_OBJECT

private slots:
    void keepsTheNewestEightNewestFirst();
    void locationsReadBackExactly_data();
    void locationsReadBackExactly();
    void removesOneEntry();
    void serverAddressesShowNoPassword_data();
    void serverAddressesShowNoPassword();
    void unreadableConfigIsLeftAlone();
};

void TestRecentDatabases::keepsTheNewestEightNewestFirst()
{
    TestAppDir dir;
    QVERIFY(RecentDatabases::read().isEmpty());
    for (int i = 1; i <= 10; ++i)
        RecentDatabases::add(QStringLiteral("/office/%1.had").arg(i));
    QStringList expected;
    for (int i = 10; i >= 3; --i)
        expected << QStringLiteral("/office/%1.had").arg(i);
    QCOMPARE(RecentDatabases::read(), expected);

    // Opened again, a listed file moves to the top and is listed once.
    RecentDatabases::add("/office/5.had");
    expected.removeAll("/office/5.had");
    expected.prepend("/office/5.had");
    QCOMPARE(RecentDatabases::read(), expected);
}

void TestRecentDatabases::locationsReadBackExactly_data()
{
    QTest::addColumn<QString>("location");
    QTest::newRow("Chinese") << "/home/王/报告 2004.had";
    QTest::newRow("line break") << "/home/a\nb.had";
    QTest::newRow("blank at the end") << "/home/a.had ";
    QTest::newRow("outside code page 936") << "/home/🏠/a.had";
    QTest::newRow("looks like a file URL") << "file:/x.had";
    QTest::newRow("server") << "postgresql://appraiser@db.office/reports";
}

void TestRecentDatabases::locationsReadBackExactly()
{
    QFETCH(QString, location);
    TestAppDir dir;
    dir.writeFile("config.ini", "; mine\r\n[Commond]\r\nAutoSaveTime=9\r\n");
    RecentDatabases::add("/office/other.had");
    RecentDatabases::add(location);
    QCOMPARE(RecentDatabases::read(), QStringList({ location, "/office/other.had" }));
    QVERIFY(dir.readFile("config.ini").startsWith("; mine\r\n[Commond]\r\nAutoSaveTime=9\r\n"));
}

void TestRecentDatabases::removesOneEntry()
{
    TestAppDir dir;
    for (const char *path : { "/a.had", "/b.had", "/c.had" })
        RecentDatabases::add(path);
    RecentDatabases::remove("/b.had");
    QCOMPARE(RecentDatabases::read(), QStringList({ "/c.had", "/a.had" }));
}

void TestRecentDatabases::serverAddressesShowNoPassword_data()
{
    QTest::addColumn<QString>("location");
    QTest::addColumn<bool>("server");
    QTest::addColumn<QString>("shown");
    QTest::newRow("file") << "/office/a.had" << false << "/office/a.had";
    QTest::newRow("file with a colon") << "/office/a://b.had" << false << "/office/a://b.had";
    QTest::newRow("server") << "postgresql://appraiser@db/reports" << true
                            << "postgresql://appraiser@db/reports";
    QTest::newRow("server with password") << "postgresql://appraiser:secret@db:5432/reports" << true
                                          << "postgresql://appraiser@db:5432/reports";
}

void TestRecentDatabases::serverAddressesShowNoPassword()
{
    QFETCH(QString, location);
    QFETCH(bool, server);
    QFETCH(QString, shown);
    QCOMPARE(RecentDatabases::isServerLocation(location), server);
    QCOMPARE(RecentDatabases::displayText(location), shown);
}

// A config.ini that could not be read is not replaced by the list.
void TestRecentDatabases::unreadableConfigIsLeftAlone()
{
    TestAppDir dir;
    const QByteArray content = "[Commond]\r\n" + QByteArray(2 * 1024 * 1024, ';');
    dir.writeFile("config.ini", content);
    RecentDatabases::add("/office/a.had");
    QCOMPARE(dir.readFile("config.ini"), content);
}

QTEST_MAIN(TestRecentDatabases)
#include "tst_recentdatabases.moc"

#include "app/displaycheck.h"

#include <QtTest>

class TestDisplayCheck : public QObject
{
    Q_OBJECT

private slots:
    void needsADisplayOrAChosenPlatform_data();
    void needsADisplayOrAChosenPlatform();
};

void TestDisplayCheck::needsADisplayOrAChosenPlatform_data()
{
    QTest::addColumn<QStringList>("variables"); // NAME=value
    QTest::addColumn<bool>("refused");
    QTest::newRow("nothing set") << QStringList{"HOME=/root"} << true;
    QTest::newRow("empty values count as unset") << QStringList{"DISPLAY=", "WAYLAND_DISPLAY= "} << true;
    QTest::newRow("X11") << QStringList{"DISPLAY=:0"} << false;
    QTest::newRow("Wayland") << QStringList{"WAYLAND_DISPLAY=wayland-0"} << false;
    QTest::newRow("platform chosen") << QStringList{"QT_QPA_PLATFORM=offscreen"} << false;
}

void TestDisplayCheck::needsADisplayOrAChosenPlatform()
{
    QFETCH(QStringList, variables);
    QFETCH(bool, refused);
    QProcessEnvironment environment;
    for (const QString &variable : variables)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    const QString message = DisplayCheck::missingDisplayMessage(environment);
    if (!refused) {
        QVERIFY(message.isEmpty());
        return;
    }
    // One line, naming the program and what is missing.
    QVERIFY(message.startsWith("house-appraisal: "));
    QVERIFY(!message.contains('\n'));
    QVERIFY(message.contains("DISPLAY and WAYLAND_DISPLAY are unset"));
}

QTEST_GUILESS_MAIN(TestDisplayCheck)
#include "tst_displaycheck.moc"

#include "widgets/updatessuspended.h"

#include <QtTest>

#include <memory>

// The drawing guard: nested guards, and a widget guarded while its parent
// is suspended (a report window's choice list filled while the frame opens
// the window), which must draw again with its parent.
class TestUpdatesSuspended : public QObject
{
    Q_OBJECT

private slots:
    void resumesWhereItSuspended();
    void innerGuardLeavesTheOuterOneInCharge();
    void childGuardedWhileItsParentIsSuspended();
};

void TestUpdatesSuspended::resumesWhereItSuspended()
{
    QWidget widget;
    {
        UpdatesSuspended guard(&widget);
        QVERIFY(!widget.updatesEnabled());
    }
    QVERIFY(widget.updatesEnabled());
}

void TestUpdatesSuspended::innerGuardLeavesTheOuterOneInCharge()
{
    QWidget widget;
    {
        UpdatesSuspended outer(&widget);
        {
            UpdatesSuspended inner(&widget);
        }
        QVERIFY(!widget.updatesEnabled());
    }
    QVERIFY(widget.updatesEnabled());
}

void TestUpdatesSuspended::childGuardedWhileItsParentIsSuspended()
{
    QWidget frame;
    auto *child = new QWidget(&frame);
    auto *grandChild = new QWidget(child);
    {
        UpdatesSuspended parent(&frame);
        {
            UpdatesSuspended guard(child);
        }
        QVERIFY(!child->updatesEnabled()); // the parent still holds it
    }
    QVERIFY(child->updatesEnabled());
    QVERIFY(grandChild->updatesEnabled());
}

QTEST_MAIN(TestUpdatesSuspended)
#include "tst_updatessuspended.moc"

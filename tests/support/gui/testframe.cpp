#include "testframe.h"

#include <QCoreApplication>
#include <QtTest>

void TestFrameCloser::operator()(TMainForm *form) const
{
    delete form;
    qunsetenv("APPRAISAL_HOME");
}

TestFrame frameOver(const QString &appDir)
{
    qputenv("APPRAISAL_HOME", appDir.toUtf8());
    TestFrame form(new TMainForm);
    form->resize(1000, 700);
    return form;
}

TestFrame showFrameOver(const QString &appDir)
{
    TestFrame form = frameOver(appDir);
    form->show();
    return form;
}

void activateFrame(TMainForm *form)
{
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form))
        qWarning("frame did not become active");
}

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

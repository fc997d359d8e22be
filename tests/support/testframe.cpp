#include "testframe.h"

void TestFrameCloser::operator()(TMainForm *form) const
{
    delete form;
    qunsetenv("APPRAISAL_HOME");
}

TestFrame showFrameOver(const QString &appDir)
{
    qputenv("APPRAISAL_HOME", appDir.toUtf8());
    TestFrame form(new TMainForm);
    form->resize(1000, 700);
    form->show();
    return form;
}

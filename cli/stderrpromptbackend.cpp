#include "stderrpromptbackend.h"

#include "base/processstate.h"

#include <cstdio>

StderrPromptBackend::StderrPromptBackend(PromptButton answerToQuestions)
    : m_answer(answerToQuestions)
{ }

PromptButton StderrPromptBackend::showMessage(const PromptRecord &prompt)
{
    if (prompt.buttons.testFlag(m_answer))
        return m_answer;
    const QString caption = prompt.caption == AppTitle ? QString() : prompt.caption + QStringLiteral(": ");
    std::fputs((QStringLiteral("hadtool: ") + caption + prompt.text + u'\n').toUtf8().constData(), stderr);
    return PromptButton::Ok;
}

QString StderrPromptBackend::chooseFile(const PromptRecord &)
{
    return QString();
}

PrintChoice StderrPromptBackend::confirmPrint(const PromptRecord &prompt)
{
    return { false, prompt.printerName, prompt.job };
}

QString StderrPromptBackend::askPassword(const PromptRecord &)
{
    return QString();
}

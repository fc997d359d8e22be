#include "stderrpromptbackend.h"

#include "base/processstate.h"
#include "output.h"

StderrPromptBackend::StderrPromptBackend(PromptButton answerToQuestions)
    : m_answer(answerToQuestions)
{ }

PromptButton StderrPromptBackend::showMessage(const PromptRecord &prompt)
{
    if (prompt.buttons.testFlag(m_answer))
        return m_answer;
    const QString caption = prompt.caption == AppTitle ? QString() : prompt.caption + QStringLiteral(": ");
    Output::error(caption + prompt.text);
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

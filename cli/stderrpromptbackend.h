#pragma once

#include "base/prompt.h"

// The command line has no dialogs: messages go to stderr, questions get a
// fixed answer, file and print dialogs are cancelled. Passwords are not
// asked: libpq finds them (~/.pgpass, PGPASSFILE, PGPASSWORD).
class StderrPromptBackend : public PromptBackend
{
public:
    explicit StderrPromptBackend(PromptButton answerToQuestions);

    PromptButton showMessage(const PromptRecord &prompt) override;
    QString chooseFile(const PromptRecord &prompt) override;
    PrintChoice confirmPrint(const PromptRecord &prompt) override;
    QString askPassword(const PromptRecord &prompt) override;

private:
    PromptButton m_answer;
};

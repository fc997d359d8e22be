#pragma once

#include "base/prompt.h"
#include "stderrpromptbackend.h"

// While it lives, the program's messages go to standard error and are
// counted, so that a command can fail when a page was not drawn in full.
class StderrMessages
{
public:
    StderrMessages();
    StderrMessages(const StderrMessages &) = delete;
    StderrMessages &operator=(const StderrMessages &) = delete;
    ~StderrMessages();

    // Messages shown since it began (each also written to stderr).
    int count() const { return m_prompts.messages; }

private:
    struct CountingPrompts : StderrPromptBackend
    {
        CountingPrompts()
            : StderrPromptBackend(PromptButton::No) // drawing asks nothing; messages are printed
        { }
        PromptButton showMessage(const PromptRecord &prompt) override
        {
            ++messages;
            return StderrPromptBackend::showMessage(prompt);
        }
        int messages = 0;
    };

    CountingPrompts m_prompts;
};

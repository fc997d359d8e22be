#include "stderrmessages.h"

StderrMessages::StderrMessages()
{
    Prompt::setBackend(&m_prompts);
}

StderrMessages::~StderrMessages()
{
    Prompt::setBackend(nullptr);
}

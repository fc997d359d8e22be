#include "base/processstate.h"

ProcessState Process;

void resetProcessState()
{
    Process = ProcessState();
}

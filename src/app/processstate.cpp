#include "app/processstate.h"

ProcessState Process;

void resetProcessState()
{
    Process = ProcessState();
}

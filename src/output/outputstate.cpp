#include "output/outputstate.h"

OutputState OutputProcess;

void resetOutputState()
{
    OutputProcess = OutputState();
}

#pragma once

// Back to the state at process start: the process-wide values of every
// layer (base, output, editor, preview) and the current printer.
void resetProgramState();

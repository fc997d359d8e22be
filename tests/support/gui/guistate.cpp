#include "testenv.h"

#include "app/programstate.h"

// A GUI test's program folder starts with the state of every layer reset,
// the editor's, the preview's and the current printer among them. This file
// is part of an object library, so that every GUI test links it and the
// reset is in place before the first test function runs.
static const bool resetsEveryLayer = (TestAppDir::resetStateWith(resetProgramState), true);

#include "app/programstate.h"

#include "base/processstate.h"
#include "editor/editorstate.h"
#include "output/outputstate.h"
#include "preview/previewstate.h"
#include "printing/currentprinter.h"

void resetProgramState()
{
    resetProcessState();
    resetOutputState();
    resetEditorState();
    resetPreviewState();
    CurrentPrinter::reset();
}

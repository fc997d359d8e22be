#include "preview/previewstate.h"

PreviewState PreviewProcess;

void resetPreviewState()
{
    PreviewProcess = PreviewState();
}

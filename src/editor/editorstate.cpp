#include "editor/editorstate.h"

EditorState EditorProcess;

void resetEditorState()
{
    EditorProcess = EditorState();
}

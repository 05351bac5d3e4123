// The character map window: drawing, sizes, pointer, fill and grid.
#include "app/commands.h"

void RedrawMap(EditorState&) {}
void SetMapSize(EditorState&, int, int) {}
void HandleMapCanvasEvent(EditorState&, const ControlEventInfo&) {}
void CmdFillMap(EditorState&) {}
void CmdMapGrid(EditorState&) {}

// The code range, range copy, erase and the drag mode.
#include "app/commands.h"

void UpdateRangeLabels(EditorState&) {}
void CmdSetRangeBegin(EditorState&) {}
void CmdSetRangeEnd(EditorState&) {}
void CmdCopyRange(EditorState&) {}
void CmdEraseAll(EditorState&) {}
void CmdDragSwap(EditorState&) {}
void CmdDragCopy(EditorState&) {}

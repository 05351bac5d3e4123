// Inserting and deleting characters, rows and columns at the right-clicked map cell.
#include "app/commands.h"

void CmdMapInsertCell(EditorState&) {}
void CmdMapDeleteCell(EditorState&) {}
void CmdMapInsertRow(EditorState&) {}
void CmdMapDeleteRow(EditorState&) {}
void CmdMapInsertColumn(EditorState&) {}
void CmdMapDeleteColumn(EditorState&) {}

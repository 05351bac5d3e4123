// Inserting and deleting characters, rows and columns at the right-clicked map cell.
// W = MapWidth, H = MapHeight, (c0, r0) = the popup cell. Column W and row H are the spare
// column and row; the order of the copies decides which value survives.
#include "app/commands.h"

namespace {

void InsertCell(EditorState& s, int c0, int r0) {
    if (c0 < s.MapWidth)
        for (int c = s.MapWidth - 1; c >= c0; --c) s.MapCell(c + 1, r0) = s.MapCell(c, r0);
    s.MapCell(c0, r0) = 0;
}

void DeleteCell(EditorState& s, int c0, int r0) {
    if (c0 < s.MapWidth)
        for (int c = c0; c <= s.MapWidth - 1; ++c) s.MapCell(c, r0) = s.MapCell(c + 1, r0);
    s.MapCell(s.MapWidth - 1, r0) = 0;
}

// Rows carry the spare column along.
void InsertRow(EditorState& s, int, int r0) {
    for (int r = s.MapHeight; r >= r0; --r)
        for (int c = 0; c <= s.MapWidth; ++c) s.MapCell(c, r) = r == r0 ? 0 : s.MapCell(c, r - 1);
}

void DeleteRow(EditorState& s, int, int r0) {
    for (int r = r0; r <= s.MapHeight - 1; ++r)
        for (int c = 0; c <= s.MapWidth; ++c) s.MapCell(c, r) = r < s.MapHeight - 1 ? s.MapCell(c, r + 1) : 0;
}

// Columns leave the spare row alone.
void InsertColumn(EditorState& s, int c0, int) {
    for (int r = 0; r <= s.MapHeight - 1; ++r) {
        for (int c = s.MapWidth - 1; c >= c0; --c) s.MapCell(c + 1, r) = s.MapCell(c, r);
        s.MapCell(c0, r) = 0;
    }
}

void DeleteColumn(EditorState& s, int c0, int) {
    for (int r = 0; r <= s.MapHeight - 1; ++r) {
        for (int c = c0; c <= s.MapWidth - 1; ++c) s.MapCell(c, r) = s.MapCell(c + 1, r);
        s.MapCell(s.MapWidth - 1, r) = 0;
    }
}

// The frame every command runs: nothing at all without a popup cell; otherwise the edit,
// the redraw, and the popup cell back to none.
void EditAtPopupCell(EditorState& s, void (*edit)(EditorState&, int, int)) {
    const int c0 = s.PopupCellColumn, r0 = s.PopupCellRow;
    if (c0 < 0 || r0 < 0) return;
    // A right click gives at most column 79 and row 49; a cell beyond the store is never edited.
    if (c0 >= MapColumns || r0 >= MapRows) return;
    edit(s, c0, r0);
    RedrawMap(s);
    s.PopupCellColumn = s.PopupCellRow = -1;
}

}  // namespace

void CmdMapInsertCell(EditorState& s) { EditAtPopupCell(s, InsertCell); }
void CmdMapDeleteCell(EditorState& s) { EditAtPopupCell(s, DeleteCell); }
void CmdMapInsertRow(EditorState& s) { EditAtPopupCell(s, InsertRow); }
void CmdMapDeleteRow(EditorState& s) { EditAtPopupCell(s, DeleteRow); }
void CmdMapInsertColumn(EditorState& s) { EditAtPopupCell(s, InsertColumn); }
void CmdMapDeleteColumn(EditorState& s) { EditAtPopupCell(s, DeleteColumn); }

// The character map window: drawing, sizes, pointer, fill and grid.
#include <cstdio>
#include <string>

#include "app/commands.h"

namespace {

constexpr int CellSize = 16;
constexpr Colour HighlightColour = Rgb(255, 0, 0);

// Division as a real number, truncated toward zero: -15..-1 give 0.
int CellOf(int position) { return position / CellSize; }

bool InVisibleMap(const EditorState& s, int c, int r) {
    return c >= 0 && c < s.MapWidth && r >= 0 && r < s.MapHeight;
}

// The dotted grid over one cell, plot by plot; the corner's paper plot comes after its
// ink plot, so the corner ends as paper.
void DrawCellGrid(int x, int y, Colour ink, Colour paper) {
    for (int l = 0; l < CellSize; l += 2) {
        FillBox(x + l, y, 1, 1, ink);
        FillBox(x + l + 1, y, 1, 1, paper);
        FillBox(x, y + l, 1, 1, paper);
        FillBox(x, y + l + 1, 1, 1, ink);
    }
}

std::string HoverTitle(int c, int r, int code) {
    char text[64];
    std::snprintf(text, sizeof text, "Character map (%d,%d):%d[%02X]", c, r, code, unsigned(code));
    return text;
}

void DrawHighlight(int c, int r) {
    if (!BeginDrawing(MapCanvas)) return;  // a transient frame: skipped silently
    SetOutlineMode();
    FillBox(CellSize * c, CellSize * r, CellSize, CellSize, HighlightColour);
    EndDrawing();
}

}  // namespace

void RedrawMap(EditorState& s) {
    if (!s.MapWindowAvailable) return;
    if (!BeginDrawing(MapCanvas)) {
        ShowMessage("pxmsa", "draw char map error!");
        return;
    }
    // Cell by cell: each glyph writes its own paper and ink over the whole cell, and the grid
    // touches only that cell's top row and left column, so these are the pixels of a paper
    // box, then every glyph's ink, then the whole grid.
    const bool grid = s.MapGridShown != 0;
    for (int r = 0; r < s.MapHeight; ++r)
        for (int c = 0; c < s.MapWidth; ++c) {
            const int x = CellSize * c, y = CellSize * r;
            DrawBitmap8(x, y, s.Glyph(s.MapCell(c, r) & 255), 2, s.InkColour, s.PaperColour);
            if (grid) DrawCellGrid(x, y, s.InkColour, s.PaperColour);
        }
    EndDrawing();
}

void SetMapSize(EditorState& s, int width, int height) {
    s.MapWidth = width;
    s.MapHeight = height;
    if (!s.MapWindowAvailable) return;
    SetScrollInnerSize(MapScrollArea, CellSize * width, CellSize * height, CellSize);
    RedrawMap(s);
    ShowWindow(MapWindow, true);
}

void HandleMapCanvasEvent(EditorState& s, const ControlEventInfo& e) {
    const bool move = e.type == ControlEventType::Move;
    if (e.type == ControlEventType::RightClick && MenuExists(MapPopup)) {
        s.PopupCellColumn = CellOf(e.x);
        s.PopupCellRow = CellOf(e.y);
        ShowPopupMenu(MapPopup, MapWindow);
    }
    if (move) {
        const int c = CellOf(e.x), r = CellOf(e.y);
        if (InVisibleMap(s, c, r)) {
            RedrawMap(s);
            DrawHighlight(c, r);
            SetWindowTitle(MapWindow, HoverTitle(c, r, s.MapCell(c, r)));
        }
    }
    if (e.type == ControlEventType::LeftDown || (move && (e.buttons & ButtonLeft))) {
        const int c = CellOf(e.x), r = CellOf(e.y);
        if (InVisibleMap(s, c, r)) {
            s.MapCell(c, r) = s.CurrentCode;
            RedrawMap(s);
        }
    }
}

void CmdFillMap(EditorState& s) {
    for (int r = 0; r < s.MapHeight; ++r)
        for (int c = 0; c < s.MapWidth; ++c) s.MapCell(c, r) = s.CurrentCode;
    RedrawMap(s);
}

void CmdMapGrid(EditorState& s) {
    s.MapGridShown = 1 - s.MapGridShown;
    SetMenuCheck(MainMenu, 27, s.MapGridShown != 0);
    RedrawMap(s);
}

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

// The dotted grid of one cell, plotted in its order into the cell's 16 x 16 overlay: the
// corner's paper plot comes after its ink plot, so the corner ends as paper.
struct CellGrid {
    uint8_t px[CellSize][CellSize] = {};
    CellGrid() {
        for (int l = 0; l < CellSize; l += 2) {
            px[0][l] = OverlayInk;
            px[0][l + 1] = OverlayPaper;
            px[l][0] = OverlayPaper;
            px[l + 1][0] = OverlayInk;
        }
    }
};

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
    // The paper box, every glyph's ink and then the grid plots come to the same pixels as each
    // cell's glyph, paper and ink, with its own grid plots after it: the grid of a cell touches
    // only that cell's top row and left column.
    static const CellGrid grid;
    static const uint8_t* glyphs[MapColumns * MapRows];
    for (int r = 0; r < s.MapHeight; ++r)
        for (int c = 0; c < s.MapWidth; ++c) glyphs[r * s.MapWidth + c] = s.Glyph(s.MapCell(c, r) & 255);
    DrawBitmapScreen(0, 0, s.MapWidth, s.MapHeight, glyphs, 2, s.InkColour, s.PaperColour,
                     s.MapGridShown ? &grid.px[0][0] : nullptr);
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
    // A right click counts only inside the canvas rectangle, so the popup cell always
    // lies in the store whatever position a backend reports.
    const bool onCanvas = e.x >= 0 && e.y >= 0 && e.x < PictureWidth(MapCanvas) && e.y < PictureHeight(MapCanvas);
    if (e.type == ControlEventType::RightClick && onCanvas && MenuExists(MapPopup)) {
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

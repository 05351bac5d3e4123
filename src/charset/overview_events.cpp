// Selection, keys, hover and drag on the overview.
#include <cstring>

#include "app/commands.h"

namespace {

using T = ControlEventType;

// Division as a real number, truncated toward zero: -15..-1 give 0.
int CellOf(int position) { return position / 16; }

void SelectByPointer(EditorState& s, const ControlEventInfo& e) {
    s.CursorRow = CellOf(e.y);
    s.CursorColumn = CellOf(e.x);
    s.CurrentCode = uint8_t(16u * unsigned(s.CursorRow) + unsigned(s.CursorColumn));  // low 8 bits; no overflow far out
    RedrawGlyphEditor(s);
    MoveCursor(s, 0, 0);  // brings a computed 16 back to 0
}

void InsertGlyph(EditorState& s) {
    uint8_t* store = s.CharsetStore.data();
    const int first = 8 * s.CurrentCode;
    for (int i = 2039; i >= first; --i) store[i + 8] = store[i];
    std::memset(store + first, 0, 8);
    RedrawCharset(s);
}

void DeleteGlyph(EditorState& s) {
    uint8_t* store = s.CharsetStore.data();
    const int first = 8 * s.CurrentCode;
    if (s.CurrentCode < 255) std::memmove(store + first, store + first + 8, size_t(2040 - first));
    std::memset(store + 2040, 0, 8);
    RedrawCharset(s);
}

struct KeyAction {
    int key;
    void (*act)(EditorState&);
};

const KeyAction KeyActions[] = {
    {KeyLeft, [](EditorState& s) { MoveCursor(s, -1, 0); }},
    {KeyUp, [](EditorState& s) { MoveCursor(s, 0, -1); }},
    {KeyRight, [](EditorState& s) { MoveCursor(s, 1, 0); }},
    {KeyDown, [](EditorState& s) { MoveCursor(s, 0, 1); }},
    {KeyInsert, InsertGlyph},
    {KeyDelete, DeleteGlyph},
};

void KeyReleased(EditorState& s, const ControlEventInfo& e) {
    for (const KeyAction& k : KeyActions)
        if (k.key == e.key) {
            k.act(s);
            return;
        }
}

void HoverFrame(EditorState& s, const ControlEventInfo& e) {
    if (!BeginDrawing(OverviewCanvas)) return;
    DrawPicture(s.OverviewImage, 0, 0);
    DrawCursorPattern(s);
    SetOutlineMode();
    FillBox(16 * CellOf(e.x), 16 * CellOf(e.y), 16, 16, Rgb(0, 255, 0));
    EndDrawing();
}

void DragFrame(EditorState& s, const ControlEventInfo& e) {
    const int floating = CopyPictureRect(s.OverviewImage, 16 * (s.DragSource % 16), 16 * (s.DragSource / 16), 16, 16);
    if (BeginDrawing(OverviewCanvas)) {
        DrawPicture(s.OverviewImage, 0, 0);
        DrawCursorPattern(s);
        DrawPicture(floating, e.x, e.y);
        SetOutlineMode();
        FillBox(16 * CellOf(e.x), 16 * CellOf(e.y), 16, 16, Rgb(255, 0, 0));
        EndDrawing();
    }
    ReleasePicture(floating);
}

void PointerMoved(EditorState& s, const ControlEventInfo& e) {
    if (s.DragActive) DragFrame(s, e);
    else HoverFrame(s, e);
}

void RightClick(EditorState& s, const ControlEventInfo& e) {
    SelectByPointer(s, e);
    if (MenuExists(RangePopup)) ShowPopupMenu(RangePopup, MainWindow);
}

void LeftDown(EditorState& s, const ControlEventInfo& e) {
    if (s.DragActive) return;
    s.DragActive = 1;
    // A press on the canvas's frame can compute column or row 16; take it as 0, the cell
    // the click that follows selects, so the source is always a glyph of the store.
    s.DragSource = 16 * (CellOf(e.y) & 15) + (CellOf(e.x) & 15);
}

void Drop(EditorState& s, const ControlEventInfo& e) {
    if (!s.DragActive) return;
    s.DragActive = 0;
    const int row = CellOf(e.y), column = CellOf(e.x);
    const int64_t target = 16 * int64_t(row) + column;  // far outside, 16 * row overflows int
    if (target == s.DragSource) return;
    const bool swap = IsMenuChecked(MainMenu, 18);
    if (column < 0 || column > 15 || row < 0 || row > 15) return;
    uint8_t* from = s.Glyph(s.DragSource);
    uint8_t* to = s.Glyph(int(target));
    for (int k = 0; k < 8; ++k) {
        const uint8_t sv = from[k], tv = to[k];
        to[k] = sv;
        if (swap) from[k] = tv;
    }
    RedrawCharset(s);
}

struct OverviewRoute {
    ControlEventType type;
    void (*handle)(EditorState&, const ControlEventInfo&);
};

const OverviewRoute OverviewRoutes[] = {
    {T::RightClick, RightClick},
    {T::KeyUp, KeyReleased},
    {T::Move, PointerMoved},
    {T::LeftClick, SelectByPointer},
    {T::LeftDown, LeftDown},
    {T::LeftUp, Drop},
};

}  // namespace

void HandleOverviewEvent(EditorState& s, const ControlEventInfo& e) {
    for (const OverviewRoute& r : OverviewRoutes)
        if (r.type == e.type) {
            r.handle(s, e);
            return;
        }
}

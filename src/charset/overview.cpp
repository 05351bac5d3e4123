// The overview of all 256 glyphs: its picture, the cursor and the main window's title.
#include "app/codepage.h"
#include "app/commands.h"

void RedrawOverview(EditorState& s) {
    if (BeginDrawing(s.OverviewImage)) {
        // Each glyph drawn as paper with 2 x 2 ink blocks for its set bits.
        for (int code = 0; code < 256; ++code)
            DrawBitmap8(16 * (code % 16), 16 * (code / 16), s.Glyph(code), 2, s.InkColour, s.PaperColour);
        EndDrawing();
    } else {
        ShowMessage("pxmsa", "draw image char error!");
    }
    if (!BeginDrawing(OverviewCanvas)) {
        ShowMessage("pxmsa", "draw cursor error!");
        return;
    }
    DrawPicture(s.OverviewImage, 0, 0);
    DrawCursorPattern(s);
    EndDrawing();
}

void DrawCursorPattern(EditorState& s) {
    const Colour dot = Rgb(0, 255, 127);
    for (int i = 0; i < 16; ++i)
        for (int j = 0; j < 16; ++j)
            if ((i ^ j) & 1) FillBox(16 * s.CursorColumn + j, 16 * s.CursorRow + i, 1, 1, dot);
}

void MoveCursor(EditorState& s, int dx, int dy) {
    s.CursorColumn = (s.CursorColumn + dx) & 15;
    s.CursorRow = (s.CursorRow + dy) & 15;
    s.CurrentCode = uint8_t(16 * s.CursorRow + s.CursorColumn);
    RedrawOverview(s);
    RedrawGlyphEditor(s);
    static const char Hex[] = "0123456789ABCDEF";
    const int code = s.CurrentCode;
    std::string title = s.BaseTitle + " " + std::to_string(code) + "($" + Hex[code >> 4] + Hex[code & 15] + ")";
    if (code >= 32) {
        title += '\'';
        title += CharacterOfCode(uint8_t(code));
        title += '\'';
    }
    SetWindowTitle(MainWindow, title);
}

void RedrawCharset(EditorState& s) {
    RedrawOverview(s);
    RedrawGlyphEditor(s);
}

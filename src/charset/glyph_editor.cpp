// The magnified editor of the current glyph and its row bytes as text.
#include <string>

#include "app/commands.h"

void RedrawGlyphEditor(EditorState& s) {
    if (!BeginDrawing(GlyphCanvas)) {
        ShowMessage("pxmsa", "draw character error!");
        return;
    }
    FillBox(0, 0, 128, 128, s.PaperColour);
    const uint8_t* glyph = s.Glyph(s.CurrentCode);
    std::string text;
    for (int r = 0; r < 8; ++r) {
        uint8_t b = glyph[r];
        text += std::to_string(b);
        text += ',';
        for (int c = 0; c < 8; ++c)
            if (b & (0x80 >> c)) FillBox(16 * c, 16 * r, 15, 15, s.InkColour);
    }
    text.pop_back();
    SetControlText(GlyphDataField, text);
    const Colour white = Rgb(255, 255, 255), black = Rgb(0, 0, 0);
    for (int j = 0; j < 8; ++j)
        for (int k = 0; k < 128; k += 2) {
            FillBox(16 * j, k, 1, 1, white);
            FillBox(16 * j, k + 1, 1, 1, black);
            FillBox(k, 16 * j, 1, 1, white);
            FillBox(k + 1, 16 * j, 1, 1, black);
        }
    EndDrawing();
    RedrawMap(s);
}

namespace {

// Division as a real number, truncated toward zero: -15..-1 give 0.
int CellOf(int position) { return position / 16; }

}  // namespace

void HandleGlyphCanvasEvent(EditorState& s, const ControlEventInfo& e) {
    enum { Ignore, Set, Clear } op = Ignore;
    const bool move = e.type == ControlEventType::Move;
    if (e.type == ControlEventType::LeftDown || (move && (e.buttons & ButtonLeft))) op = Set;
    else if (e.type == ControlEventType::RightDown || (move && (e.buttons & ButtonRight))) op = Clear;
    if (op == Ignore) return;
    const int c = CellOf(e.x), r = CellOf(e.y);
    if (c < 0 || c > 7 || r < 0 || r > 7) return;
    uint8_t& row = s.Glyph(s.CurrentCode)[r];
    const uint8_t bit = uint8_t(0x80 >> c);
    row = op == Set ? uint8_t(row | bit) : uint8_t(row & ~bit);
    RedrawCharset(s);
}

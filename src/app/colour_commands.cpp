// The two colour commands: choose the colour of set bits or of clear bits.
#include "app/commands.h"

namespace {

void ChooseColour(EditorState& s, Colour EditorState::*field) {
    int64_t chosen = ShowColourDialog();
    if (chosen < 0) return;
    s.*field = Colour(chosen) & 0xFFFFFFu;
    RedrawCharset(s);
    RedrawMap(s);
}

}  // namespace

void CmdInkColour(EditorState& s) { ChooseColour(s, &EditorState::InkColour); }
void CmdPaperColour(EditorState& s) { ChooseColour(s, &EditorState::PaperColour); }

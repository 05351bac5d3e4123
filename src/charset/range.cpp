// The code range, range copy, erase and the drag mode.
#include <algorithm>
#include <cstring>
#include <string>

#include "app/codepage.h"
#include "app/commands.h"

namespace {

// Sliders hold 0..255; the clamp keeps the store's bounds whatever a backend reports.
int RangePosition(int slider) { return std::clamp(SliderPosition(slider), 0, 255); }

// "65:A" for 65; codes below 32 have no character part.
std::string RangeValueText(int v) {
    std::string t = std::to_string(v);
    if (v >= 32) {
        t += ':';
        t += CharacterOfCode(uint8_t(v));
    }
    return t;
}

}  // namespace

void UpdateRangeLabels(EditorState&) {
    SetControlText(RangeBeginLabel, "BeginRange:" + RangeValueText(RangePosition(RangeBeginSlider)));
    SetControlText(RangeEndLabel, "End range:" + RangeValueText(RangePosition(RangeEndSlider)));
}

void CmdSetRangeBegin(EditorState& s) {
    SetSliderPosition(RangeBeginSlider, s.CurrentCode);
    UpdateRangeLabels(s);
}

void CmdSetRangeEnd(EditorState& s) {
    SetSliderPosition(RangeEndSlider, s.CurrentCode);
    UpdateRangeLabels(s);
}

void CmdCopyRange(EditorState& s) {
    const int begin = RangePosition(RangeBeginSlider), end = RangePosition(RangeEndSlider);
    const int lo = std::min(begin, end), hi = std::max(begin, end);
    const int current = s.CurrentCode;
    if (lo <= current && current <= hi) {
        ShowMessage("Pxmsa", "Range Error!");
        return;
    }
    // Ascending, so a destination below an overlapping source reads each glyph before it is overwritten.
    for (int source = lo; source <= hi; ++source) {
        const int destination = current + (source - lo);
        if (destination > 255) break;  // glyph 255 is the last one written
        std::memcpy(s.Glyph(destination), s.Glyph(source), 8);
    }
    RedrawCharset(s);
}

void CmdEraseAll(EditorState& s) {
    s.CharsetStore.fill(0);
    RedrawCharset(s);
}

void CmdDragSwap(EditorState&) {
    SetMenuCheck(MainMenu, 18, true);
    SetMenuCheck(MainMenu, 19, false);
}

void CmdDragCopy(EditorState&) {
    SetMenuCheck(MainMenu, 18, false);
    SetMenuCheck(MainMenu, 19, true);
}

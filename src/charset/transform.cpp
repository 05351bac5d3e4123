// Whole-glyph transformations on the current glyph or the enabled code range.
#include <algorithm>

#include "app/commands.h"

namespace {

void Invert(EditorState&, uint8_t* g) {
    for (int i = 0; i < 8; ++i) g[i] = uint8_t(g[i] ^ 255);
}

void Clear(EditorState&, uint8_t* g) {
    for (int i = 0; i < 8; ++i) g[i] = 0;
}

void MirrorLeftRight(EditorState& s, uint8_t* g) {
    for (int i = 0; i < 8; ++i) g[i] = uint8_t(s.BitReverseTable[g[i]]);
}

void ShiftLeft(EditorState&, uint8_t* g) {
    for (int i = 0; i < 8; ++i) g[i] = uint8_t((g[i] << 1) | (g[i] >> 7));
}

void ShiftRight(EditorState&, uint8_t* g) {
    for (int i = 0; i < 8; ++i) g[i] = uint8_t((g[i] >> 1) | ((g[i] & 1) << 7));
}

void ShiftUp(EditorState&, uint8_t* g) {
    const uint8_t t = g[0];
    for (int j = 0; j < 7; ++j) g[j] = g[j + 1];
    g[7] = t;
}

void ShiftDown(EditorState&, uint8_t* g) {
    const uint8_t t = g[7];
    for (int j = 7; j > 0; --j) g[j] = g[j - 1];
    g[0] = t;
}

void MirrorUpDown(EditorState&, uint8_t* g) {
    for (int i = 0; i < 4; ++i) std::swap(g[i], g[7 - i]);
}

// In pass j, bit 0 of row k is the old pixel (k, 7-j); it becomes the new pixel (7-j, 7-k).
void RotateClockwise(EditorState& s, uint8_t* g) {
    auto& scratch = s.RotationScratch;
    for (int j = 0; j < 8; ++j) {
        scratch[size_t(7 - j)] = 0;
        for (int k = 0; k < 8; ++k) {
            if (g[k] & 1) scratch[size_t(7 - j)] = uint8_t(scratch[size_t(7 - j)] | (1 << k));
            g[k] = uint8_t(g[k] >> 1);
        }
    }
    std::copy(scratch.begin(), scratch.end(), g);
}

// The old pixel (k, 7-j) becomes the new pixel (j, k); eight shifts fill each entry anew.
void RotateAnticlockwise(EditorState& s, uint8_t* g) {
    auto& scratch = s.RotationScratch;
    for (int j = 0; j < 8; ++j)
        for (int k = 0; k < 8; ++k) {
            scratch[size_t(j)] = uint8_t((scratch[size_t(j)] << 1) | (g[k] & 1));
            g[k] = uint8_t(g[k] >> 1);
        }
    std::copy(scratch.begin(), scratch.end(), g);
}

// Sliders hold 0..255; the clamp keeps the store's bounds whatever a backend reports.
int RangePosition(int slider) { return std::clamp(SliderPosition(slider), 0, 255); }

// Indexed by GlyphOp.
void (*const Transformations[])(EditorState&, uint8_t*) = {
    Invert, Clear, MirrorLeftRight, ShiftLeft, ShiftRight,
    ShiftUp, ShiftDown, MirrorUpDown, RotateClockwise, RotateAnticlockwise,
};

}  // namespace

void TransformGlyphs(EditorState& s, int op) {
    if (op < 0 || op >= int(std::size(Transformations))) return;
    int lo = s.CurrentCode, hi = s.CurrentCode;
    if (IsCheckBoxChecked(RangeCheckBox)) {
        const int begin = RangePosition(RangeBeginSlider), end = RangePosition(RangeEndSlider);
        lo = std::min(begin, end);
        hi = std::max(begin, end);
    }
    for (int g = lo; g <= hi; ++g) Transformations[op](s, s.Glyph(g));
    RedrawCharset(s);
}

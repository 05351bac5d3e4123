// The overview's per-move frames and the chain after an edit of the current glyph, each
// against the floor of writing the same pixel bytes once.
#include <cstdint>

#include "app/commands.h"
#include "budget.h"
#include "platform/headless/headless.h"

namespace {

// An editor with about half the charset's bits set and the largest map with its grid.
EditorState& BusyEditor() {
    static EditorState s;
    HeadlessReset();
    Startup(s, 0, nullptr);
    uint32_t x = 4242;
    for (auto& b : s.CharsetStore) {
        x = x * 1103515245u + 12345u;
        b = uint8_t(x >> 16);
    }
    SetMapSize(s, 80, 50);
    MoveCursor(s, 5, 4);
    return s;
}

constexpr size_t CanvasBytes = 256 * 256 * 4;
constexpr size_t HoverBytes = CanvasBytes;                           // the canvas repainted
constexpr size_t DragBytes = CanvasBytes + 2 * 16 * 16 * 4;          // + the floating glyph copied and drawn
constexpr size_t ChainBytes = (256 * 256 + 256 * 256 + 128 * 128) * 4  // overview picture, canvas, editor
                              + size_t(80 * 16) * size_t(50 * 16) * 4;  // the visible map

// A pointer path over the whole canvas, a little past its edges too.
ControlEventInfo MoveAt(int i, int buttons) {
    return {ControlEventType::Move, (i * 37) % 270 - 7, (i * 23) % 270 - 7, buttons, 0};
}

void BM_OverviewHover(benchmark::State& state) {
    EditorState& s = BusyEditor();
    int i = 0;
    for (auto _ : state) HandleOverviewEvent(s, MoveAt(++i, 0));
}
BENCHMARK(BM_OverviewHover);

void BM_OverviewDrag(benchmark::State& state) {
    EditorState& s = BusyEditor();
    HandleOverviewEvent(s, {ControlEventType::LeftDown, 16 * 9 + 4, 16 * 7 + 4, ButtonLeft, 0});
    int i = 0;
    for (auto _ : state) HandleOverviewEvent(s, MoveAt(++i, ButtonLeft));
    s.DragActive = 0;
}
BENCHMARK(BM_OverviewDrag);

void BM_EditChain(benchmark::State& state) {
    EditorState& s = BusyEditor();
    for (auto _ : state) TransformGlyphs(s, GlyphOpInvert);
}
BENCHMARK(BM_EditChain);

void BM_HoverFloor(benchmark::State& state) { MemsetFloor(state, HoverBytes); }
BENCHMARK(BM_HoverFloor);

void BM_DragFloor(benchmark::State& state) { MemsetFloor(state, DragBytes); }
BENCHMARK(BM_DragFloor);

void BM_EditChainFloor(benchmark::State& state) { MemsetFloor(state, ChainBytes); }
BENCHMARK(BM_EditChainFloor);

}  // namespace

int main(int argc, char** argv) {
    return RunWithBudgets(argc, argv,
                          {{"overview-hover", "BM_OverviewHover", "BM_HoverFloor", 2.0},
                           {"overview-drag", "BM_OverviewDrag", "BM_DragFloor", 2.0},
                           {"edit-chain", "BM_EditChain", "BM_EditChainFloor", 2.0}});
}

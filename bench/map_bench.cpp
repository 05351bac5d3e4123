// The character map at its largest: a full redraw, a hover over it, and the whole chain after
// a glyph edit, each against the floor of writing the same pixel bytes once.
#include <cstdint>

#include "app/commands.h"
#include "budget.h"
#include "platform/headless/headless.h"

namespace {

// An editor with about half the charset's bits set, every code on the 80 x 50 map, the grid on.
EditorState& BusyMap() {
    static EditorState s;
    HeadlessReset();
    Startup(s, 0, nullptr);
    uint32_t x = 777;
    for (auto& b : s.CharsetStore) {
        x = x * 1103515245u + 12345u;
        b = uint8_t(x >> 16);
    }
    for (int r = 0; r < MapRows; ++r)
        for (int c = 0; c < MapColumns; ++c) s.MapCell(c, r) = (c + 80 * r) & 255;
    SetMapSize(s, 80, 50);
    RedrawCharset(s);
    return s;
}

constexpr size_t MapBytes = size_t(80 * 16) * size_t(50 * 16) * 4;
constexpr size_t ChainBytes = MapBytes + (256 * 256 + 256 * 256 + 128 * 128) * 4;  // + overview picture, canvas, editor

void BM_MapRedraw(benchmark::State& state) {
    EditorState& s = BusyMap();
    for (auto _ : state) RedrawMap(s);
}
BENCHMARK(BM_MapRedraw);

void BM_MapHover(benchmark::State& state) {
    EditorState& s = BusyMap();
    int i = 0;
    for (auto _ : state) {
        ++i;
        HandleMapCanvasEvent(s, {ControlEventType::Move, (i * 37) % 1280, (i * 23) % 800, 0, 0});
    }
}
BENCHMARK(BM_MapHover);

void BM_EditChain(benchmark::State& state) {
    EditorState& s = BusyMap();
    int i = 0;
    for (auto _ : state) {
        ++i;
        ControlEventInfo e{(i & 1) ? ControlEventType::LeftDown : ControlEventType::RightDown, (i * 16) & 127, 40, 0, 0};
        HandleGlyphCanvasEvent(s, e);
    }
}
BENCHMARK(BM_EditChain);

void BM_MapFloor(benchmark::State& state) { MemsetFloor(state, MapBytes); }
BENCHMARK(BM_MapFloor);

void BM_EditChainFloor(benchmark::State& state) { MemsetFloor(state, ChainBytes); }
BENCHMARK(BM_EditChainFloor);

}  // namespace

int main(int argc, char** argv) {
    return RunWithBudgets(argc, argv,
                          {{"map-redraw-80x50", "BM_MapRedraw", "BM_MapFloor", 2.0},
                           {"map-hover-80x50", "BM_MapHover", "BM_MapFloor", 2.0},
                           {"edit-chain-80x50", "BM_EditChain", "BM_EditChainFloor", 2.0}});
}

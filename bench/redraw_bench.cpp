// What one accepted pointer event costs: the redraw chain it sets off, against the floor
// of writing the same pixel bytes once.
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
    uint32_t x = 12345;
    for (auto& b : s.CharsetStore) {
        x = x * 1103515245u + 12345u;
        b = uint8_t(x >> 16);
    }
    SetMapSize(s, 80, 50);
    RedrawCharset(s);
    return s;
}

size_t ChainBytes(const EditorState& s) {
    size_t pixels = 256 * 256      // the overview picture
                    + 256 * 256    // the overview canvas
                    + 128 * 128    // the glyph editor
                    + size_t(16 * s.MapWidth) * size_t(16 * s.MapHeight);  // the visible map
    return pixels * 4;
}

void BM_GlyphEditChain(benchmark::State& state) {
    EditorState& s = BusyEditor();
    int i = 0;
    for (auto _ : state) {
        ++i;
        ControlEventInfo e{(i & 1) ? ControlEventType::LeftDown : ControlEventType::RightDown, (i * 16) & 127, 40, 0, 0};
        HandleGlyphCanvasEvent(s, e);
    }
}
BENCHMARK(BM_GlyphEditChain);

void BM_GlyphEditChainFloor(benchmark::State& state) {
    EditorState& s = BusyEditor();
    MemsetFloor(state, ChainBytes(s));
}
BENCHMARK(BM_GlyphEditChainFloor);

}  // namespace

int main(int argc, char** argv) {
    return RunWithBudgets(argc, argv, {{"glyph-edit-chain", "BM_GlyphEditChain", "BM_GlyphEditChainFloor", 2.0}});
}

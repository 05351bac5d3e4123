// Map files of any bytes, loaded at every preset size by a drop on the map and by the Open
// command with the map type. Input: a mode byte (bit 0: drop, else Open; above it the size
// whose canvas is compared), then the file's bytes.
#include "fuzz_support.h"

namespace {

EditorState s;

struct Preset {
    int command, w, h;
};
const Preset Presets[] = {{21, 32, 24}, {22, 40, 24}, {23, 40, 25}, {24, 80, 50}, {25, 64, 30}};

int Before(int x, int y) { return (x * 7 + y * 13 + 5) & 255; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    const uint8_t mode = in.Byte();
    const bool drop = mode & 1;
    const int viewChecked = (mode >> 1) % 5;  // the canvas is compared at one size: it is the slow part
    const std::vector<uint8_t> bytes = in.Rest();
    const std::string path = FuzzDir() / "screen.map";
    WriteBytes(path, bytes);
    StartedEditor(s);
    for (int k = 0; k < 5; ++k) {
        const Preset& p = Presets[k];
        PostMenuCommand(p.command);
        Event ev;
        while (WaitMessage(ev)) HandleEvent(s, ev);
        for (int y = 0; y < MapRows; ++y)
            for (int x = 0; x < MapColumns; ++x) s.MapCell(x, y) = Before(x, y);
        RedrawMap(s);
        ClearRecords();
        if (drop) {
            PostFilesDropped(MapCanvas, path);
        } else {
            ScriptOpenDialog(path, 1);
            PostMenuCommand(0);
        }
        while (WaitMessage(ev)) HandleEvent(s, ev);

        const std::string at = " at " + std::to_string(p.w) + "x" + std::to_string(p.h);
        Require(s.MapWidth == p.w && s.MapHeight == p.h, "the load changed the map size" + at);
        const size_t cells = size_t(p.w) * size_t(p.h);
        const bool tooBig = bytes.size() > cells;
        const auto& messages = MessagesShown();
        if (tooBig)
            Require(messages.size() == 1 && messages[0].title == "Open File" && messages[0].text == "to big map:" + path,
                    "a file larger than the map must say \"to big map:\"" + at);
        else
            Require(messages.empty(), "a file that fits must load without a message" + at);
        for (int y = 0; y < MapRows; ++y)
            for (int x = 0; x < MapColumns; ++x) {
                const size_t i = size_t(y) * size_t(p.w) + size_t(x);
                const bool loaded = !tooBig && x < p.w && y < p.h && i < bytes.size();
                const int want = loaded ? bytes[i] : Before(x, y);
                if (s.MapCell(x, y) != want) Require(false, "map cell " + std::to_string(x) + "," + std::to_string(y) + " after loading " +
                                                     std::to_string(bytes.size()) + " bytes" + at);
            }
        RequireWhole(s);
        if (k == viewChecked) Require(FirstDifference(MapCanvas, RefMapCanvas(s)).empty(), "map canvas after the load" + at);
    }
    return 0;
}

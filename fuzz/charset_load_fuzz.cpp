// Charset files of any bytes, loaded at any current code by every route: the loader itself,
// a drop on the overview, the Open command with the font type, and the command line.
// Input: current code, route (mod 8: 7 the command line, else mod 3: the loader, a drop, Open),
// then the file's bytes.
#include <algorithm>

#include "fuzz_support.h"

namespace {

EditorState s;

// The store before the load: every byte different from its neighbours.
uint8_t Before(size_t i) { return uint8_t(i * 7 + (i >> 8) + 1); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in{data, size};
    const int code = in.Byte();
    const int routeByte = in.Byte() % 8;
    const int route = routeByte == 7 ? 3 : routeByte % 3;  // the command line needs a real start: kept rare
    const std::vector<uint8_t> bytes = in.Rest();
    const std::string path = FuzzDir() / "charset.fnt";
    WriteBytes(path, bytes);

    if (route == 3) {  // the command line loads at code 0, before the first drawing
        HeadlessReset();
        SetArguments({path});
        Require(Startup(s, 0, nullptr), "the editor did not start with a file argument");
    } else {
        StartedEditor(s);
        for (size_t i = 0; i < s.CharsetStore.size(); ++i) s.CharsetStore[i] = Before(i);
        MoveCursor(s, code % 16, code / 16);
        s.LastDirectory.clear();
        ClearRecords();
        if (route == 0) {
            LoadCharsetFile(s, path);
            RedrawCharset(s);
        } else if (route == 1) {
            PostFilesDropped(OverviewCanvas, path);
        } else {
            ScriptOpenDialog(path, 0);
            PostMenuCommand(0);
        }
        Event ev;
        while (WaitMessage(ev)) HandleEvent(s, ev);
    }
    const size_t start = route == 3 ? 0 : 8 * size_t(code);
    const size_t used = std::min(bytes.size(), 2048 - start);
    for (size_t i = 0; i < s.CharsetStore.size(); ++i) {
        const uint8_t before = route == 3 ? 0 : Before(i);
        const uint8_t want = i >= start && i < start + used ? bytes[i - start] : before;
        if (s.CharsetStore[i] != want) Require(false, "store byte " + std::to_string(i) + " after loading " +
                                                std::to_string(bytes.size()) + " bytes at code " + std::to_string(start / 8));
    }
    const auto& messages = MessagesShown();
    if (bytes.empty()) {
        Require(messages.size() == 1 && messages[0].title == "No file" && messages[0].text == path, "an empty file must say \"No file\"");
    } else {
        Require(messages.empty(), "a readable file must load without a message");
        Require(s.LastDirectory == FuzzDir().Slash(), "LastDirectory must be the file's directory");
    }
    RequireWhole(s);
    const RefPicture image = RefOverviewImage(s);
    Require(FirstDifference(s.OverviewImage, image).empty(), "overview picture after the load");
    Require(FirstDifference(OverviewCanvas, RefOverviewCanvas(s, image)).empty(), "overview canvas after the load");
    Require(FirstDifference(GlyphCanvas, RefGlyphCanvas(s)).empty(), "glyph canvas after the load");
    return 0;
}

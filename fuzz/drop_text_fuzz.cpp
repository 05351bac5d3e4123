// Any dropped-file text, on the overview and on the map, as the event loop hands it on.
// Input: a mode byte (bit 0: the text is put after this target's directory), then the text.
// The directory holds a few files, a directory and a FIFO for the text to name.
#include <sys/stat.h>

#include <algorithm>

#include "fuzz_support.h"

namespace {

EditorState s;

void MakeFiles() {
    static bool made = false;
    if (made) return;
    made = true;
    const TempDir& dir = FuzzDir();
    WriteBytes(dir / "a.fnt", Pattern(16, 1));
    WriteBytes(dir / "b.map", Pattern(100, 2));
    WriteBytes(dir / "c d", Pattern(3, 3));
    WriteBytes(dir / "big", Pattern(5000, 4));
    WriteBytes(dir / "empty", {});
    std::filesystem::create_directory(dir / "sub");
    mkfifo((dir / "pipe").c_str(), 0600);  // must be refused, never waited on
}

void RunPosted() {
    Event ev;
    while (WaitMessage(ev)) HandleEvent(s, ev);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    MakeFiles();
    FuzzInput in{data, size};
    const uint8_t mode = in.Byte();
    const std::vector<uint8_t> rest = in.Rest();
    const std::string text = (mode & 1 ? FuzzDir().Slash() : std::string()) + std::string(rest.begin(), rest.end());
    StartedEditor(s);
    MoveCursor(s, mode >> 4, (mode >> 1) & 7);
    ClearRecords();

    // The overview: a charset at the current code, or a message, or nothing for blank text.
    const auto storeBefore = s.CharsetStore;
    const std::string dirBefore = s.LastDirectory;
    PostFilesDropped(OverviewCanvas, text);
    RunPosted();
    const bool blank = text.find_first_not_of(' ') == std::string::npos;
    const int64_t n = FileSize(text);
    std::vector<uint8_t> file;
    const bool readable = !blank && n > 0 && ReadFileBytes(text, 2048, file) == ReadResult::Ok;
    const size_t start = 8 * size_t(s.CurrentCode);
    if (readable) {
        auto want = storeBefore;
        std::copy_n(file.begin(), std::min(file.size(), 2048 - start), want.begin() + long(start));
        Require(s.CharsetStore == want, "the dropped file did not land at the current code");
        Require(MessagesShown().empty(), "a readable drop showed a message");
        const size_t sep = text.find_last_of("/\\");
        Require(s.LastDirectory == (sep == std::string::npos ? std::string() : text.substr(0, sep + 1)),
                "a loaded drop must set LastDirectory to the file's directory");
    } else {
        Require(s.CharsetStore == storeBefore, "a drop that names no file changed the store");
        Require(s.LastDirectory == dirBefore, "a drop that names no file changed LastDirectory");
        if (blank) Require(MessagesShown().empty(), "a blank drop showed a message");
        else
            Require(MessagesShown().size() == 1 && MessagesShown()[0].title == "No file" && MessagesShown()[0].text == text,
                    "a drop that names no file must say \"No file\" with the text");
    }
    RequireWhole(s);
    Require(FirstDifference(OverviewCanvas, RefOverviewCanvas(s)).empty(), "overview canvas after the drop");

    // The map: cells from the top left, or a message.
    ClearRecords();
    const auto mapBefore = s.MapStore;
    const std::string dirAfterCharset = s.LastDirectory;
    PostFilesDropped(MapCanvas, text);
    RunPosted();
    const int64_t cells = int64_t(s.MapWidth) * s.MapHeight;
    std::vector<uint8_t> mapFile;
    const bool tooBig = n > cells;
    const bool opened = !tooBig && ReadFileBytes(text, size_t(cells), mapFile) == ReadResult::Ok;
    if (tooBig)
        Require(MessagesShown().size() == 1 && MessagesShown()[0].text == "to big map:" + text, "a too big map must say so");
    else if (!opened)
        Require(MessagesShown().size() == 1 && MessagesShown()[0].text == "unable to open:" + text, "an unreadable map must say so");
    else
        Require(MessagesShown().empty(), "a readable map drop showed a message");
    for (int y = 0; y < MapRows; ++y)
        for (int x = 0; x < MapColumns; ++x) {
            const size_t i = size_t(y) * size_t(s.MapWidth) + size_t(x);
            const bool loaded = opened && x < s.MapWidth && y < s.MapHeight && i < mapFile.size();
            if (s.MapCell(x, y) != (loaded ? mapFile[i] : mapBefore[size_t(x) * MapRows + size_t(y)]))
                Require(false, "map cell " + std::to_string(x) + "," + std::to_string(y) + " after the drop");
        }
    Require(s.LastDirectory == dirAfterCharset, "a map drop changed LastDirectory");
    RequireWhole(s);
    return 0;
}

// Map files on real files: the bytes in row order, loading at the current size with its
// wrapping, the refusals, drops on the map, and saves.
#include <sys/stat.h>

#include "files/files.h"
#include "support/fixture.h"
#include "support/temp_dir.h"

namespace {

class MapFilesTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        // Every cell of the store distinct enough that a misplaced byte shows.
        for (int x = 0; x < MapColumns; ++x)
            for (int y = 0; y < MapRows; ++y) s.MapCell(x, y) = (x * 7 + y * 13) & 0xFF;
        before = s.MapStore;
        ClearRecords();
    }
    void SetSize(int w, int h) {
        s.MapWidth = w;
        s.MapHeight = h;
    }
    TempDir dir;
    std::array<int32_t, MapColumns * MapRows> before{};
};

TEST_F(MapFilesTest, SaveWritesTheVisibleCellsRowAfterRow) {
    const struct {
        int command, w, h;
    } sizes[] = {{21, 32, 24}, {22, 40, 24}, {23, 40, 25}, {24, 80, 50}, {25, 64, 30}};
    for (const auto& z : sizes) {
        SCOPED_TRACE(std::to_string(z.w) + "x" + std::to_string(z.h));
        DispatchCommand(s, z.command);
        ScriptSaveDialog(dir / "screen");
        DispatchCommand(s, 5);
        std::vector<uint8_t> file = ReadBytes(dir / "screen.map");
        ASSERT_EQ(file.size(), size_t(z.w * z.h));
        for (int r = 0; r < z.h; ++r)
            for (int c = 0; c < z.w; ++c) ASSERT_EQ(file[size_t(r * z.w + c)], s.MapCell(c, r)) << c << "," << r;
    }
    EXPECT_TRUE(MessagesShown().empty());
}

TEST_F(MapFilesTest, SaveIgnoresTheCharsetSizeLimitAndUsesTheMapTypes) {
    s.CurrentCode = 255;
    s.CursorColumn = s.CursorRow = 15;
    s.LastDirectory = "start/";
    ScriptSaveDialog(dir / "screen");
    DispatchCommand(s, 5);
    ASSERT_EQ(DialogsShown().size(), 1u);
    EXPECT_EQ(DialogsShown()[0].title, "Please choose file to save");
    EXPECT_EQ(DialogsShown()[0].directory, "start/");
    ASSERT_EQ(DialogsShown()[0].types.size(), 1u);
    EXPECT_EQ(DialogsShown()[0].types[0].label, "Character map (*.map)");
    EXPECT_EQ(DialogsShown()[0].types[0].pattern, "*.map");
    EXPECT_EQ(ReadBytes(dir / "screen.map").size(), 960u);
    EXPECT_TRUE(MessagesShown().empty());
    EXPECT_EQ(s.MapStore, before);
}

TEST_F(MapFilesTest, SaveAppendsMapUnlessTheNameEndsInIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"screen", "screen.map"}, {"SCREEN.MAP", "SCREEN.MAP"}, {"notes.txt", "notes.txt.map"}, {"set.fnt", "set.fnt.map"}};
    for (const auto& [typed, saved] : cases) {
        ScriptSaveDialog(dir / typed);
        DispatchCommand(s, 5);
        EXPECT_EQ(ReadBytes(dir / saved).size(), 960u) << typed;
    }
    EXPECT_EQ(dir.Entries().size(), std::size(cases));
}

TEST_F(MapFilesTest, RoundTripRestoresTheVisibleCellsOnly) {
    ScriptSaveDialog(dir / "screen.map");
    DispatchCommand(s, 5);
    // Scramble the whole store, then load the file back at the same size.
    for (int32_t& cell : s.MapStore) cell = 255 - cell;
    auto scrambled = s.MapStore;
    LoadMapFile(s, dir / "screen.map");
    for (int x = 0; x < MapColumns; ++x)
        for (int y = 0; y < MapRows; ++y) {
            const bool visible = x < 40 && y < 24;
            ASSERT_EQ(s.MapCell(x, y), visible ? before[size_t(x * MapRows + y)] : scrambled[size_t(x * MapRows + y)])
                << x << "," << y;
        }
    EXPECT_TRUE(MessagesShown().empty());
}

struct WrapCase {
    const char* name;
    size_t fileSize;
    int w, h;
    bool refused;
};

const WrapCase WrapCases[] = {
    {"768 bytes at 40x24 fill rows 0..18 and 8 cells of row 19", 768, 40, 24, false},
    {"1000 bytes at 40x24 are too big", 1000, 40, 24, true},
    {"1000 bytes at 80x50 fill rows 0..11 and 40 cells of row 12", 1000, 80, 50, false},
    {"960 bytes at 32x24 are too big", 960, 32, 24, true},
    {"960 bytes at 40x24 replace every visible cell", 960, 40, 24, false},
    {"4000 bytes at 80x50 replace every visible cell", 4000, 80, 50, false},
    {"one byte sets the top-left cell", 1, 64, 30, false},
};

TEST_F(MapFilesTest, LoadWrapsAtTheCurrentWidthAndRefusesWhatDoesNotFit) {
    for (const WrapCase& c : WrapCases) {
        SCOPED_TRACE(c.name);
        ClearRecords();
        s.MapStore = before;
        SetSize(c.w, c.h);
        const std::vector<uint8_t> file = Pattern(c.fileSize, 12);
        WriteBytes(dir / "screen.map", file);
        LoadMapFile(s, dir / "screen.map");
        if (c.refused) {
            ASSERT_EQ(MessagesShown().size(), 1u);
            EXPECT_EQ(MessagesShown()[0].title, "Open File");
            EXPECT_EQ(MessagesShown()[0].text, "to big map:" + dir / "screen.map");
            EXPECT_EQ(s.MapStore, before);
            continue;
        }
        EXPECT_TRUE(MessagesShown().empty());
        for (int x = 0; x < MapColumns; ++x)
            for (int y = 0; y < MapRows; ++y) {
                const size_t index = size_t(y * c.w + x);
                const bool fromFile = x < c.w && y < c.h && index < c.fileSize;
                ASSERT_EQ(s.MapCell(x, y), fromFile ? file[index] : before[size_t(x * MapRows + y)]) << x << "," << y;
            }
        EXPECT_EQ(s.MapWidth, c.w);
        EXPECT_EQ(s.MapHeight, c.h);
    }
}

TEST_F(MapFilesTest, LoadThatCannotOpenChangesNothing) {
    mkdir((dir / "folder").c_str(), 0755);
    mkfifo((dir / "pipe").c_str(), 0644);
    WriteBytes(dir / "a.map", Pattern(10, 1));
    WriteBytes(dir / "b.map", Pattern(10, 2));
    const std::string paths[] = {dir / "missing.map", dir / "folder", dir / "pipe", dir / "a.map" + "\n" + dir / "b.map", ""};
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        ClearRecords();
        LoadMapFile(s, path);
        ASSERT_EQ(MessagesShown().size(), 1u);
        EXPECT_EQ(MessagesShown()[0].title, "Open File");
        EXPECT_EQ(MessagesShown()[0].text, "unable to open:" + path);
        EXPECT_EQ(s.MapStore, before);
    }
}

TEST_F(MapFilesTest, EmptyFileLoadsWithoutAMessage) {
    WriteBytes(dir / "empty.map", {});
    LoadMapFile(s, dir / "empty.map");
    EXPECT_TRUE(MessagesShown().empty());
    EXPECT_EQ(s.MapStore, before);
}

TEST_F(MapFilesTest, DropOnTheMapLoadsWithoutMovingLastDirectory) {
    const std::vector<uint8_t> file = Pattern(40, 13);
    WriteBytes(dir / "row.map", file);
    s.LastDirectory = "start/";
    PostFilesDropped(MapCanvas, dir / "row.map");
    ASSERT_TRUE(RunPostedEvents(s));
    for (int c = 0; c < 40; ++c) EXPECT_EQ(s.MapCell(c, 0), file[size_t(c)]) << c;
    EXPECT_EQ(s.MapCell(0, 1), before[1]);
    EXPECT_EQ(s.LastDirectory, "start/");
    EXPECT_TRUE(MessagesShown().empty());
    // The next dialog opens where it did before the drop.
    DispatchCommand(s, 0);
    ASSERT_EQ(DialogsShown().size(), 1u);
    EXPECT_EQ(DialogsShown()[0].directory, "start/");
}

TEST_F(MapFilesTest, TwoFilesDroppedOnTheMapShowOneMessageWithBothPaths) {
    WriteBytes(dir / "a.map", Pattern(10, 1));
    WriteBytes(dir / "b.map", Pattern(10, 2));
    const std::string joined = dir / "a.map" + "\n" + dir / "b.map";
    PostFilesDropped(MapCanvas, joined);
    ASSERT_TRUE(RunPostedEvents(s));
    ASSERT_EQ(MessagesShown().size(), 1u);
    EXPECT_EQ(MessagesShown()[0].text, "unable to open:" + joined);
    EXPECT_EQ(s.MapStore, before);
}

TEST_F(MapFilesTest, OpeningACharsetFileAsAMapIsRefusedWhenTooBig) {
    WriteBytes(dir / "set.fnt", Pattern(2048, 3));
    ScriptOpenDialog(dir / "set.fnt", 1);
    DispatchCommand(s, 0);
    ASSERT_EQ(MessagesShown().size(), 1u);
    EXPECT_EQ(MessagesShown()[0].title, "Open File");
    EXPECT_EQ(MessagesShown()[0].text, "to big map:" + dir / "set.fnt");
    EXPECT_EQ(s.MapStore, before);
    EXPECT_EQ(s.LastDirectory, dir.Slash());
}

TEST_F(MapFilesTest, SaveCutShortMidwayKeepsTheOldFile) {
    const std::vector<uint8_t> old = Pattern(4000, 14);
    WriteBytes(dir / "old.map", old);
    const int status = RunWithFileSizeLimit(100, [&] {
        ScriptSaveDialog(dir / "old.map");
        DispatchCommand(s, 5);
        const auto& m = MessagesShown();
        return m.size() == 1 && m[0].title == "Save file" && m[0].text == "File Error:" + dir / "old.map" ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(dir / "old.map"), old);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"old.map"});
}

}  // namespace

// Charset files on real files: loading at the current code, the Open command, the saves,
// the extension rule, and the folder the next dialog opens in.
#include <sys/stat.h>

#include <functional>

#include "files/files.h"
#include "support/fixture.h"
#include "support/temp_dir.h"

namespace {

class CharsetFilesTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        before = Pattern(2048, 1);
        std::copy(before.begin(), before.end(), s.CharsetStore.begin());
        ClearRecords();
    }
    std::vector<uint8_t> Store() const { return {s.CharsetStore.begin(), s.CharsetStore.end()}; }
    void SetCurrentCode(int code) {
        s.CurrentCode = uint8_t(code);
        s.CursorColumn = code % 16;
        s.CursorRow = code / 16;
    }
    TempDir dir;
    std::vector<uint8_t> before;
};

struct LoadCase {
    const char* name;
    int code;
    size_t fileSize;
    size_t firstByte;  // where the file's first byte lands
    size_t used;       // how many of its bytes are used
};

const LoadCase LoadCases[] = {
    {"whole set at code 0", 0, 2048, 0, 2048},
    {"2048 bytes at code 200 are cut at code 255", 200, 2048, 1600, 448},
    {"five bytes replace five rows", 0, 5, 0, 5},
    {"nine bytes at code 255 never wrap to code 0", 255, 9, 2040, 8},
    {"768 bytes at code 160 end exactly at code 255", 160, 768, 1280, 768},
    {"a part glyph in the middle", 3, 100, 24, 100},
};

TEST_F(CharsetFilesTest, LoadPutsTheFileAtTheCurrentCodeAndCutsAtTheEnd) {
    for (const LoadCase& c : LoadCases) {
        SCOPED_TRACE(c.name);
        std::copy(before.begin(), before.end(), s.CharsetStore.begin());
        s.LastDirectory = "elsewhere/";
        SetCurrentCode(c.code);
        std::vector<uint8_t> file = Pattern(c.fileSize, 2);
        WriteBytes(dir / "set.fnt", file);

        LoadCharsetFile(s, dir / "set.fnt");

        std::vector<uint8_t> expected = before;
        std::copy_n(file.begin(), c.used, expected.begin() + ptrdiff_t(c.firstByte));
        EXPECT_EQ(Store(), expected);
        EXPECT_EQ(s.LastDirectory, dir.Slash());
        EXPECT_EQ(s.CurrentCode, c.code);
        EXPECT_TRUE(MessagesShown().empty());
    }
}

TEST_F(CharsetFilesTest, LoadThatFindsNoFileChangesNothing) {
    mkdir((dir / "folder").c_str(), 0755);
    WriteBytes(dir / "empty.fnt", {});
    mkfifo((dir / "pipe").c_str(), 0644);
    WriteBytes(dir / "a.fnt", Pattern(8, 3));
    WriteBytes(dir / "b.fnt", Pattern(8, 4));
    const std::string twoDropped = dir / "a.fnt" + "\n" + dir / "b.fnt";
    const struct {
        std::string path;
        std::vector<MessageRecord> messages;
    } cases[] = {
        {dir / "empty.fnt", {{"No file", dir / "empty.fnt"}}},
        {dir / "folder", {{"No file", dir / "folder"}}},
        {dir / "missing.fnt", {{"No file", dir / "missing.fnt"}}},
        {dir / "pipe", {{"No file", dir / "pipe"}}},  // a FIFO never blocks the editor
        {twoDropped, {{"No file", twoDropped}}},
        {"   ", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        ClearRecords();
        s.LastDirectory = "elsewhere/";
        LoadCharsetFile(s, c.path);
        ASSERT_EQ(MessagesShown().size(), c.messages.size());
        for (size_t i = 0; i < c.messages.size(); ++i) {
            EXPECT_EQ(MessagesShown()[i].title, c.messages[i].title);
            EXPECT_EQ(MessagesShown()[i].text, c.messages[i].text);
        }
        EXPECT_EQ(Store(), before);
        EXPECT_EQ(s.LastDirectory, "elsewhere/");
    }
}

TEST_F(CharsetFilesTest, PathWithSurroundingSpacesIsUsedAsGiven) {
    // The trimmed path only decides whether there is a path at all.
    WriteBytes(dir / "set.fnt", Pattern(8, 5));
    const std::string padded = " " + dir / "set.fnt";
    LoadCharsetFile(s, padded);
    ASSERT_EQ(MessagesShown().size(), 1u);
    EXPECT_EQ(MessagesShown()[0].title, "No file");
    EXPECT_EQ(MessagesShown()[0].text, padded);
    EXPECT_EQ(Store(), before);
}

TEST_F(CharsetFilesTest, FileThatDeliversLessThanItsSizeChangesNothing) {
    // A kernel attribute file claims a page but reads a few bytes: the read falls short.
    const std::string path = "/sys/kernel/mm/transparent_hugepage/enabled";
    if (FileSize(path) != 4096 || ReadBytes(path).size() >= 2048) GTEST_SKIP() << "no short-reading file here";
    s.LastDirectory = "elsewhere/";
    LoadCharsetFile(s, path);
    ASSERT_EQ(MessagesShown().size(), 1u);
    EXPECT_EQ(MessagesShown()[0].title, "Read error");
    EXPECT_EQ(MessagesShown()[0].text, path);
    EXPECT_EQ(Store(), before);
    EXPECT_EQ(s.LastDirectory, "elsewhere/");
}

TEST_F(CharsetFilesTest, DropOnOverviewLoadsAndShowsAtOnce) {
    std::vector<uint8_t> file(8, 0xFF);  // glyph 0 all ink
    WriteBytes(dir / "set.fnt", file);
    PostFilesDropped(OverviewCanvas, dir / "set.fnt");
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(Rows(s, 0), std::vector<int>(8, 255));
    EXPECT_EQ(PixelAt(s.OverviewImage, 15, 15), s.InkColour);
    EXPECT_EQ(s.LastDirectory, dir.Slash());
}

TEST_F(CharsetFilesTest, TwoFilesDroppedAtOnceLoadNothingButRedraw) {
    WriteBytes(dir / "a.fnt", Pattern(8, 3));
    WriteBytes(dir / "b.fnt", Pattern(8, 4));
    const std::string joined = dir / "a.fnt" + "\n" + dir / "b.fnt";
    PostFilesDropped(OverviewCanvas, joined);
    ASSERT_TRUE(RunPostedEvents(s));
    ASSERT_EQ(MessagesShown().size(), 1u);
    EXPECT_EQ(MessagesShown()[0].title, "No file");
    EXPECT_EQ(MessagesShown()[0].text, joined);
    EXPECT_EQ(Store(), before);
    // The redraw ran all the same: the overview shows the store set up before the drop.
    const bool topLeftInk = before[0] & 0x80;
    EXPECT_EQ(PixelAt(s.OverviewImage, 0, 0), topLeftInk ? s.InkColour : s.PaperColour);
}

TEST(CharsetFilesStartup, OneArgumentLoadsAtCodeZero) {
    TempDir dir;
    std::vector<uint8_t> file = Pattern(768, 6);
    WriteBytes(dir / "zx.fnt", file);
    EditorState s;
    StartEditor(s, {dir / "zx.fnt"});
    std::vector<uint8_t> expected(2048, 0);
    std::copy(file.begin(), file.end(), expected.begin());
    EXPECT_EQ(std::vector<uint8_t>(s.CharsetStore.begin(), s.CharsetStore.end()), expected);
    EXPECT_EQ(s.LastDirectory, dir.Slash());
    const bool topLeftInk = file[0] & 0x80;
    EXPECT_EQ(PixelAt(s.OverviewImage, 0, 0), topLeftInk ? s.InkColour : s.PaperColour);

    StartEditor(s, {dir / "zx.fnt", dir / "zx.fnt"});
    EXPECT_EQ(std::vector<uint8_t>(s.CharsetStore.begin(), s.CharsetStore.end()), std::vector<uint8_t>(2048, 0));
    EXPECT_EQ(s.LastDirectory, CurrentDirectory());
}

TEST(CharsetFilesStartup, BareNameIsReadFromTheWorkingDirectory) {
    TempDir dir;
    WriteBytes(dir / "font.fnt", std::vector<uint8_t>(16, 0x3C));
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path);
    EditorState s;
    StartEditor(s, {"font.fnt"});
    std::filesystem::current_path(previous);
    EXPECT_EQ(Rows(s, 1), std::vector<int>(8, 0x3C));
    EXPECT_EQ(s.LastDirectory, "");
}

TEST_F(CharsetFilesTest, OpenReadsByTheSelectedTypeNotTheName) {
    std::vector<uint8_t> file = Pattern(16, 7);
    WriteBytes(dir / "screen.map", file);
    SetCurrentCode(10);
    s.LastDirectory = "start/";

    ScriptOpenDialog(dir / "screen.map", 0);
    DispatchCommand(s, 0);
    ASSERT_EQ(DialogsShown().size(), 1u);
    const DialogRecord& d = DialogsShown()[0];
    EXPECT_EQ(d.kind, "open");
    EXPECT_EQ(d.title, "Please choose file to load");
    EXPECT_EQ(d.directory, "start/");
    ASSERT_EQ(d.types.size(), 2u);
    EXPECT_EQ(d.types[0].label, "Font (*.fnt)");
    EXPECT_EQ(d.types[0].pattern, "*.fnt");
    EXPECT_EQ(d.types[1].label, "Character map (*.map)");
    EXPECT_EQ(d.types[1].pattern, "*.map");
    std::vector<uint8_t> expected = before;
    std::copy(file.begin(), file.end(), expected.begin() + 80);
    EXPECT_EQ(Store(), expected);
    EXPECT_EQ(s.LastDirectory, dir.Slash());

    // The same file with the map entry: its bytes become map cells, the glyphs stay.
    ScriptOpenDialog(dir / "screen.map", 1);
    DispatchCommand(s, 0);
    EXPECT_EQ(Store(), expected);
    for (int c = 0; c < 16; ++c) EXPECT_EQ(s.MapCell(c, 0), file[size_t(c)]) << c;
    EXPECT_TRUE(MessagesShown().empty());
}

TEST_F(CharsetFilesTest, OpenWithAMistypedNameSaysNoFile) {
    ScriptOpenDialog(dir / "mistyped.fnt", 0);
    DispatchCommand(s, 0);
    ASSERT_EQ(MessagesShown().size(), 1u);
    EXPECT_EQ(MessagesShown()[0].title, "No file");
    EXPECT_EQ(MessagesShown()[0].text, dir / "mistyped.fnt");
    EXPECT_EQ(Store(), before);
    EXPECT_EQ(s.LastDirectory, dir.Slash());  // the dialog returned a name
}

struct SaveCase {
    int command;
    int code;
    size_t bytes;  // 0: "out of size"
};

const SaveCase SaveCases[] = {
    {2, 0, 768},   {2, 160, 768}, {2, 161, 0}, {2, 255, 0},  {3, 0, 1024},
    {3, 128, 1024}, {3, 129, 0},  {4, 0, 2048}, {4, 1, 0},
};

TEST_F(CharsetFilesTest, SaveWritesTheCountFromTheCurrentCodeOrRefusesBeforeAnyDialog) {
    for (const SaveCase& c : SaveCases) {
        SCOPED_TRACE("command " + std::to_string(c.command) + " at code " + std::to_string(c.code));
        ClearRecords();
        std::filesystem::remove(dir / "out.fnt");
        SetCurrentCode(c.code);
        if (c.bytes != 0) ScriptSaveDialog(dir / "out.fnt");
        DispatchCommand(s, c.command);
        if (c.bytes == 0) {
            ASSERT_EQ(MessagesShown().size(), 1u);
            EXPECT_EQ(MessagesShown()[0].title, "Save File");
            EXPECT_EQ(MessagesShown()[0].text, "out of size");
            EXPECT_TRUE(DialogsShown().empty());
            EXPECT_TRUE(dir.Entries().empty());
            continue;
        }
        EXPECT_TRUE(MessagesShown().empty());
        ASSERT_EQ(DialogsShown().size(), 1u);
        EXPECT_EQ(DialogsShown()[0].title, "Please choose file to save");
        ASSERT_EQ(DialogsShown()[0].types.size(), 1u);
        EXPECT_EQ(DialogsShown()[0].types[0].label, "Font (*.fnt)");
        EXPECT_EQ(DialogsShown()[0].types[0].pattern, "*.fnt");
        const auto first = before.begin() + 8 * c.code;
        EXPECT_EQ(ReadBytes(dir / "out.fnt"), std::vector<uint8_t>(first, first + ptrdiff_t(c.bytes)));
    }
}

TEST_F(CharsetFilesTest, SaveAppendsTheExtensionByTheLastFourCharacters) {
    const struct {
        const char* typed;
        const char* saved;
    } cases[] = {
        {"sheet", "sheet.fnt"},
        {"SHEET.FNT", "SHEET.FNT"},
        {"sheet.fn", "sheet.fn.fnt"},
        {"sheet.fnt.bak", "sheet.fnt.bak.fnt"},
        {"notes.txt", "notes.txt.fnt"},
        {"fnt", "fnt.fnt"},
        {".fnt", ".fnt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ScriptSaveDialog(dir / c.typed);
        DispatchCommand(s, 4);
        EXPECT_EQ(ReadBytes(dir / c.saved), before);
    }
    EXPECT_TRUE(MessagesShown().empty());
    EXPECT_EQ(dir.Entries().size(), std::size(cases));
}

TEST_F(CharsetFilesTest, SaveReplacesAnExistingFileSilently) {
    WriteBytes(dir / "old.fnt", Pattern(5000, 8));
    ScriptSaveDialog(dir / "old.fnt");
    DispatchCommand(s, 2);
    EXPECT_EQ(ReadBytes(dir / "old.fnt"), std::vector<uint8_t>(before.begin(), before.begin() + 768));
    EXPECT_TRUE(MessagesShown().empty());
    EXPECT_EQ(DialogsShown().size(), 1u);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"old.fnt"});
}

TEST_F(CharsetFilesTest, SaveThatCannotCreateTheFileSaysSoAndLeavesEverything) {
    mkdir((dir / "taken.fnt").c_str(), 0755);
    const std::string cases[] = {dir / "no/such/folder/set.fnt", dir / "taken.fnt"};
    for (const std::string& path : cases) {
        SCOPED_TRACE(path);
        ClearRecords();
        s.LastDirectory = "elsewhere/";
        ScriptSaveDialog(path);
        DispatchCommand(s, 4);
        ASSERT_EQ(MessagesShown().size(), 1u);
        EXPECT_EQ(MessagesShown()[0].title, "Save file");
        EXPECT_EQ(MessagesShown()[0].text, "File Error:" + path);
        EXPECT_EQ(s.LastDirectory, DirectoryPart(path));
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken.fnt"));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"taken.fnt"});
}

TEST_F(CharsetFilesTest, SaveCutShortMidwayKeepsTheOldFile) {
    const std::vector<uint8_t> old = Pattern(3000, 9);
    WriteBytes(dir / "old.fnt", old);
    const int status = RunWithFileSizeLimit(1000, [&] {
        ScriptSaveDialog(dir / "old.fnt");
        DispatchCommand(s, 4);
        const auto& m = MessagesShown();
        return m.size() == 1 && m[0].title == "Save file" && m[0].text == "File Error:" + dir / "old.fnt" ? 0 : 1;
    });
    EXPECT_EQ(status, 0) << "the child saw no \"File Error:\" message, or was ended by the limit";
    EXPECT_EQ(ReadBytes(dir / "old.fnt"), old);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"old.fnt"});
}

TEST_F(CharsetFilesTest, LastDirectoryFollowsEveryRoute) {
    WriteBytes(dir / "set.fnt", Pattern(8, 10));
    WriteBytes(dir / "screen.map", Pattern(8, 11));
    const std::string other = "other/";
    const struct {
        const char* route;
        std::function<void()> run;
        std::string expected;
    } cases[] = {
        {"open a charset", [&] { ScriptOpenDialog(dir / "set.fnt", 0); DispatchCommand(s, 0); }, dir.Slash()},
        {"open a map", [&] { ScriptOpenDialog(dir / "screen.map", 1); DispatchCommand(s, 0); }, dir.Slash()},
        {"open cancelled", [&] { DispatchCommand(s, 0); }, other},
        {"save a charset", [&] { ScriptSaveDialog(dir / "x"); DispatchCommand(s, 4); }, dir.Slash()},
        {"save a map", [&] { ScriptSaveDialog(dir / "x"); DispatchCommand(s, 5); }, dir.Slash()},
        {"save a picture", [&] { ScriptSaveDialog(dir / "x"); DispatchCommand(s, 6); }, dir.Slash()},
        {"save cancelled", [&] { DispatchCommand(s, 4); }, other},
        {"save out of size", [&] { SetCurrentCode(1); DispatchCommand(s, 4); SetCurrentCode(0); }, other},
        {"save named with backslashes", [&] { ScriptSaveDialog(dir / "a\\b\\c"); DispatchCommand(s, 5); },
         dir / "a\\b\\"},
        {"load a charset", [&] { LoadCharsetFile(s, dir / "set.fnt"); }, dir.Slash()},
        {"load that fails", [&] { LoadCharsetFile(s, dir / "none.fnt"); }, other},
        {"drop on the overview", [&] { PostFilesDropped(OverviewCanvas, dir / "set.fnt"); RunPostedEvents(s); },
         dir.Slash()},
        {"drop on the map", [&] { PostFilesDropped(MapCanvas, dir / "screen.map"); RunPostedEvents(s); }, other},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.route);
        s.LastDirectory = other;
        ClearRecords();
        c.run();
        EXPECT_EQ(s.LastDirectory, c.expected);
        for (const DialogRecord& d : DialogsShown()) EXPECT_EQ(d.directory, other);
    }
}

TEST(FileDialogRules, PatternTextBecomesTheTypeList) {
    const struct {
        std::string text;
        std::vector<std::pair<std::string, std::string>> types;
    } cases[] = {
        {"Font (*.fnt)|*.fnt|Character map (*.map)|*.map",
         {{"Font (*.fnt)", "*.fnt"}, {"Character map (*.map)", "*.map"}}},
        {"Character map (*.map)|*.map", {{"Character map (*.map)", "*.map"}}},
        {".bmp", {{".bmp", ""}}},
        {"A|*.a|B", {{"A", "*.a"}, {"B", ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<std::pair<std::string, std::string>> got;
        for (const FileType& t : FileTypesFromPattern(c.text)) got.emplace_back(t.label, t.pattern);
        EXPECT_EQ(got, c.types);
    }
}

TEST(FileDialogRules, DirectoryPartEndsAtTheLastSeparatorOfEitherKind) {
    const std::pair<std::string, std::string> cases[] = {
        {"/home/ann/set.fnt", "/home/ann/"}, {"C:\\fonts\\set.fnt", "C:\\fonts\\"}, {"a/b\\c", "a/b\\"},
        {"a\\b/c", "a\\b/"},                 {"set.fnt", ""},                         {"/set.fnt", "/"},
    };
    for (const auto& [path, part] : cases) EXPECT_EQ(DirectoryPart(path), part) << path;
}

}  // namespace

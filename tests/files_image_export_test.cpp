// The overview picture export: the BMP bytes exactly, and how the save behaves.
#include "files/files.h"
#include "support/fixture.h"
#include "support/temp_dir.h"

namespace {

const uint8_t ExpectedHeader[54] = {
    'B', 'M', 0x36, 0x00, 0x03, 0x00, 0, 0, 0, 0, 54, 0, 0, 0,      // file header: size 196662, pixels at 54
    40, 0, 0, 0, 0x00, 0x01, 0, 0, 0x00, 0x01, 0, 0,                // 40-byte info header, 256 x 256
    1, 0, 24, 0, 0, 0, 0, 0, 0x00, 0x00, 0x03, 0x00,                // 1 plane, 24 bits, no compression, 196608
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                 // resolutions and colour counts
};

class ImageExportTest : public EditorTest {
protected:
    std::vector<uint8_t> Export(const std::string& name) {
        ScriptSaveDialog(dir / name);
        DispatchCommand(s, 6);
        return ReadBytes(dir / name);
    }
    TempDir dir;
};

TEST_F(ImageExportTest, EmptyCharsetInDefaultColoursIsTheHeaderAndBlackPixels) {
    std::vector<uint8_t> file = Export("overview.bmp");
    ASSERT_EQ(file.size(), 196662u);
    EXPECT_EQ(std::vector<uint8_t>(file.begin(), file.begin() + 54), std::vector<uint8_t>(std::begin(ExpectedHeader), std::end(ExpectedHeader)));
    EXPECT_EQ(std::vector<uint8_t>(file.begin() + 54, file.end()), std::vector<uint8_t>(196608, 0));
    EXPECT_TRUE(MessagesShown().empty());
}

TEST_F(ImageExportTest, TopLeftPixelIsStoredLastRowFirstInBlueGreenRed) {
    s.InkColour = Rgb(255, 0, 0);
    s.PaperColour = Rgb(0x10, 0x20, 0x30);
    s.CharsetStore[0] = 0x80;  // glyph 0, row 0: only the leftmost pixel
    RedrawCharset(s);
    std::vector<uint8_t> file = Export("overview.bmp");
    ASSERT_EQ(file.size(), 196662u);
    auto at = [&](int x, int y) {
        const size_t o = 54 + size_t(255 - y) * 768 + size_t(x) * 3;
        return std::vector<int>{file[o], file[o + 1], file[o + 2]};
    };
    const std::vector<int> ink = {0x00, 0x00, 0xFF}, paper = {0x30, 0x20, 0x10};
    EXPECT_EQ(std::vector<int>(file.begin() + 54 + 255 * 768, file.begin() + 54 + 255 * 768 + 3), ink);
    EXPECT_EQ(at(1, 0), ink);
    EXPECT_EQ(at(0, 1), ink);
    EXPECT_EQ(at(1, 1), ink);
    EXPECT_EQ(at(2, 0), paper);
    EXPECT_EQ(at(0, 2), paper);
    EXPECT_EQ(at(255, 255), paper);
}

TEST_F(ImageExportTest, EveryPixelShowsItsGlyphBit) {
    const std::vector<uint8_t> glyphs = Pattern(2048, 15);
    std::copy(glyphs.begin(), glyphs.end(), s.CharsetStore.begin());
    s.InkColour = Rgb(1, 2, 3);
    s.PaperColour = Rgb(250, 251, 252);
    RedrawCharset(s);
    std::vector<uint8_t> file = Export("overview.bmp");
    ASSERT_EQ(file.size(), 196662u);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const int code = 16 * (y / 16) + x / 16;
            const bool set = glyphs[size_t(8 * code + (y % 16) / 2)] >> (7 - (x % 16) / 2) & 1;
            const size_t o = 54 + size_t(255 - y) * 768 + size_t(x) * 3;
            const std::vector<int> expected = set ? std::vector<int>{3, 2, 1} : std::vector<int>{252, 251, 250};
            ASSERT_EQ((std::vector<int>{file[o], file[o + 1], file[o + 2]}), expected) << x << "," << y;
        }
}

TEST_F(ImageExportTest, TwoExportsAreByteIdentical) {
    const std::vector<uint8_t> glyphs = Pattern(2048, 16);
    std::copy(glyphs.begin(), glyphs.end(), s.CharsetStore.begin());
    RedrawCharset(s);
    EXPECT_EQ(Export("first.bmp"), Export("second.bmp"));
}

TEST_F(ImageExportTest, SaveDialogNamesAndReplacing) {
    s.LastDirectory = "start/";
    WriteBytes(dir / "Overview.BMP", Pattern(300000, 17));
    const std::pair<const char*, const char*> cases[] = {{"overview", "overview.bmp"}, {"Overview.BMP", "Overview.BMP"}};
    for (const auto& [typed, saved] : cases) {
        ScriptSaveDialog(dir / typed);
        DispatchCommand(s, 6);
        EXPECT_EQ(ReadBytes(dir / saved).size(), 196662u) << typed;
    }
    ASSERT_EQ(DialogsShown().size(), 2u);
    EXPECT_EQ(DialogsShown()[0].title, "Please choose file to save");
    EXPECT_EQ(DialogsShown()[0].directory, "start/");
    ASSERT_EQ(DialogsShown()[0].types.size(), 1u);
    EXPECT_EQ(DialogsShown()[0].types[0].label, ".bmp");
    EXPECT_EQ(DialogsShown()[0].types[0].pattern, "");
    EXPECT_EQ(DialogsShown()[1].directory, dir.Slash());
    EXPECT_TRUE(MessagesShown().empty());
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"Overview.BMP", "overview.bmp"}));
}

TEST_F(ImageExportTest, CancelWritesNothing) {
    s.LastDirectory = "start/";
    DispatchCommand(s, 6);
    EXPECT_EQ(DialogsShown().size(), 1u);
    EXPECT_EQ(s.LastDirectory, "start/");
    EXPECT_TRUE(MessagesShown().empty());
    EXPECT_TRUE(dir.Entries().empty());
}

TEST_F(ImageExportTest, SaveCutShortMidwayKeepsTheOldFile) {
    const std::vector<uint8_t> old = Pattern(250000, 18);
    WriteBytes(dir / "old.bmp", old);
    const int status = RunWithFileSizeLimit(100000, [&] {
        ScriptSaveDialog(dir / "old.bmp");
        DispatchCommand(s, 6);
        const auto& m = MessagesShown();
        return m.size() == 1 && m[0].title == "Save file" && m[0].text == "File Error:" + dir / "old.bmp" ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(dir / "old.bmp"), old);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"old.bmp"});
}

TEST_F(ImageExportTest, SaveIntoAMissingFolderSaysSo) {
    ScriptSaveDialog(dir / "gone/overview");
    DispatchCommand(s, 6);
    ASSERT_EQ(MessagesShown().size(), 1u);
    EXPECT_EQ(MessagesShown()[0].title, "Save file");
    EXPECT_EQ(MessagesShown()[0].text, "File Error:" + dir / "gone/overview.bmp");
    EXPECT_TRUE(dir.Entries().empty());
}

}  // namespace

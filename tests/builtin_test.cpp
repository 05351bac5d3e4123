#include "support/fixture.h"

#include <algorithm>

#include "builtin/tables.h"

namespace {

using Command = void (*)(EditorState&);
using RowList = std::vector<int>;

struct SetInfo {
    const char* name;
    Command command;
    int number;  // menu command number
    Colour ink;
    Colour paper;
};

const SetInfo Sets[] = {
    {"IBM PC CGA", CmdSetIbmCga, 28, Rgb(255, 255, 255), Rgb(0, 0, 0)},
    {"C64 CAPS", CmdSetC64, 29, Rgb(112, 109, 235), Rgb(46, 44, 155)},
    {"Atari XL", CmdSetAtariXl, 30, Rgb(97, 174, 253), Rgb(1, 78, 157)},
    {"IBM PC 866", CmdSetIbm866, 31, Rgb(255, 255, 255), Rgb(0, 0, 0)},
    {"ZX Spectrum", CmdSetZxSpectrum, 32, Rgb(0, 0, 0), Rgb(203, 203, 203)},
    {"ZX80", CmdSetZx80, 33, Rgb(0, 0, 0), Rgb(255, 255, 255)},
    {"Microsha", CmdSetMicrosha, 34, Rgb(255, 255, 255), Rgb(0, 0, 0)},
    {"Jupiter Ace", CmdSetJupiterAce, 35, Rgb(255, 255, 255), Rgb(0, 0, 0)},
    {"Hex numbers", CmdSetHexNumbers, 36, Rgb(255, 255, 255), Rgb(0, 0, 0)},
};

const RowList Blank = {0, 0, 0, 0, 0, 0, 0, 0};
const RowList Solid = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

// A store in which every byte differs from its neighbours, to see which codes a set leaves.
void FillWithPattern(EditorState& s) {
    for (size_t i = 0; i < s.CharsetStore.size(); ++i) s.CharsetStore[i] = uint8_t(i * 7 + 3);
}

struct RowCase {
    Command command;
    const char* what;
    int code;
    RowList rows;
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << c.what << " at code " << c.code; }

class BuiltinRows : public EditorTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(BuiltinRows, GlyphHasTheGivenRows) {
    const RowCase& c = GetParam();
    FillWithPattern(s);
    c.command(s);
    EXPECT_EQ(Rows(s, c.code), c.rows) << c.what << ", code " << c.code;
}

INSTANTIATE_TEST_SUITE_P(IbmCga, BuiltinRows, ::testing::Values(
    RowCase{CmdSetIbmCga, "blank", 0, Blank},
    RowCase{CmdSetIbmCga, "smiling face", 1, {0x7E, 0x81, 0xA5, 0x81, 0xBD, 0x99, 0x81, 0x7E}},
    RowCase{CmdSetIbmCga, "0", 48, {0x3C, 0x42, 0x46, 0x4A, 0x52, 0x62, 0x3C, 0x00}},
    RowCase{CmdSetIbmCga, "A", 65, {0x18, 0x24, 0x42, 0x42, 0x7E, 0x42, 0x42, 0x00}},
    RowCase{CmdSetIbmCga, "C cedilla", 128, {0x3C, 0x42, 0x40, 0x42, 0x3C, 0x0C, 0x02, 0x3C}},
    RowCase{CmdSetIbmCga, "light shade", 176, {0x22, 0x88, 0x22, 0x88, 0x22, 0x88, 0x22, 0x88}},
    RowCase{CmdSetIbmCga, "full block", 219, Solid},
    RowCase{CmdSetIbmCga, "small square", 254, {0x00, 0x00, 0x3C, 0x3C, 0x3C, 0x3C, 0x00, 0x00}},
    RowCase{CmdSetIbmCga, "blank", 255, Blank}));

INSTANTIATE_TEST_SUITE_P(Ibm866, BuiltinRows, ::testing::Values(
    RowCase{CmdSetIbm866, "A", 65, {0x30, 0x48, 0x84, 0x84, 0xFC, 0x84, 0x84, 0x00}},
    RowCase{CmdSetIbm866, "Cyrillic A", 128, {0x3E, 0x42, 0x82, 0x82, 0xFE, 0x82, 0x82, 0x00}},
    RowCase{CmdSetIbm866, "Cyrillic YA", 159, {0x7E, 0x82, 0x82, 0x82, 0x7E, 0x22, 0xC2, 0x00}},
    RowCase{CmdSetIbm866, "Cyrillic er", 224, {0x00, 0x00, 0xFC, 0x82, 0x82, 0xFC, 0x80, 0x00}},
    RowCase{CmdSetIbm866, "Cyrillic IO", 252, {0x24, 0x7E, 0x40, 0x40, 0x7C, 0x40, 0x7E, 0x00}},
    RowCase{CmdSetIbm866, "Cyrillic io", 253, {0x44, 0x00, 0x7C, 0x82, 0xFE, 0x80, 0x7C, 0x00}},
    RowCase{CmdSetIbm866, "last code", 255, {0x00, 0x00, 0x00, 0x00, 0x00, 0x82, 0xFE, 0x00}}));

INSTANTIATE_TEST_SUITE_P(ZxSpectrum, BuiltinRows, ::testing::Values(
    RowCase{CmdSetZxSpectrum, "blank", 0, Blank},
    RowCase{CmdSetZxSpectrum, "blank", 31, Blank},
    RowCase{CmdSetZxSpectrum, "0", 48, {0x00, 0x3C, 0x46, 0x4A, 0x52, 0x62, 0x3C, 0x00}},
    RowCase{CmdSetZxSpectrum, "A", 65, {0x00, 0x3C, 0x42, 0x42, 0x7E, 0x42, 0x42, 0x00}},
    RowCase{CmdSetZxSpectrum, "pound sign", 96, {0x00, 0x1C, 0x22, 0x78, 0x20, 0x20, 0x7E, 0x00}},
    RowCase{CmdSetZxSpectrum, "copyright sign", 127, {0x3C, 0x42, 0x99, 0xA1, 0xA1, 0x99, 0x42, 0x3C}},
    RowCase{CmdSetZxSpectrum, "blank graphic", 128, Blank},
    RowCase{CmdSetZxSpectrum, "full graphic", 143, Solid}));

INSTANTIATE_TEST_SUITE_P(Zx80, BuiltinRows, ::testing::Values(
    RowCase{CmdSetZx80, "space", 0, Blank},
    RowCase{CmdSetZx80, "double quote", 1, {0x00, 0x14, 0x14, 0x00, 0x00, 0x00, 0x00, 0x00}},
    RowCase{CmdSetZx80, "left half", 2, {0xF0, 0xF0, 0xF0, 0xF0, 0xF0, 0xF0, 0xF0, 0xF0}},
    RowCase{CmdSetZx80, "bottom half", 3, {0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}},
    RowCase{CmdSetZx80, "top left", 4, {0xF0, 0xF0, 0xF0, 0xF0, 0x00, 0x00, 0x00, 0x00}},
    RowCase{CmdSetZx80, "top right", 5, {0x0F, 0x0F, 0x0F, 0x0F, 0x00, 0x00, 0x00, 0x00}},
    RowCase{CmdSetZx80, "bottom left", 6, {0x00, 0x00, 0x00, 0x00, 0xF0, 0xF0, 0xF0, 0xF0}},
    RowCase{CmdSetZx80, "bottom right", 7, {0x00, 0x00, 0x00, 0x00, 0x0F, 0x0F, 0x0F, 0x0F}},
    RowCase{CmdSetZx80, "top right and bottom left", 8, {0x0F, 0x0F, 0x0F, 0x0F, 0xF0, 0xF0, 0xF0, 0xF0}},
    RowCase{CmdSetZx80, "chequer", 9, {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}},
    RowCase{CmdSetZx80, "bottom chequer", 10, {0x00, 0x00, 0x00, 0x00, 0xAA, 0x55, 0xAA, 0x55}},
    RowCase{CmdSetZx80, "top chequer", 11, {0xAA, 0x55, 0xAA, 0x55, 0x00, 0x00, 0x00, 0x00}},
    RowCase{CmdSetZx80, "pound sign", 12, {0x00, 0x1E, 0x21, 0x78, 0x20, 0x20, 0x7F, 0x00}},
    RowCase{CmdSetZx80, "0", 28, {0x00, 0x1C, 0x22, 0x41, 0x41, 0x22, 0x1C, 0x00}},
    RowCase{CmdSetZx80, "A", 38, {0x00, 0x3E, 0x41, 0x41, 0x7F, 0x41, 0x41, 0x00}},
    RowCase{CmdSetZx80, "inverse space", 64, Solid}));

INSTANTIATE_TEST_SUITE_P(JupiterAce, BuiltinRows, ::testing::Values(
    RowCase{CmdSetJupiterAce, "top right", 1, {0x0F, 0x0F, 0x0F, 0x0F, 0x00, 0x00, 0x00, 0x00}},
    RowCase{CmdSetJupiterAce, "all but bottom left", 7, {0xFF, 0xFF, 0xFF, 0xFF, 0x0F, 0x0F, 0x0F, 0x0F}},
    RowCase{CmdSetJupiterAce, "U", 85, {0x00, 0x42, 0x42, 0x42, 0x42, 0x42, 0x3E, 0x00}},
    RowCase{CmdSetJupiterAce, "a", 97, {0x00, 0x00, 0x38, 0x04, 0x3C, 0x44, 0x3E, 0x00}},
    RowCase{CmdSetJupiterAce, "d", 100, {0x00, 0x04, 0x04, 0x3C, 0x44, 0x44, 0x3E, 0x00}},
    RowCase{CmdSetJupiterAce, "u", 117, {0x00, 0x00, 0x44, 0x44, 0x44, 0x44, 0x3C, 0x00}},
    RowCase{CmdSetJupiterAce, "{", 123, {0x00, 0x0E, 0x08, 0x30, 0x30, 0x08, 0x0E, 0x00}},
    RowCase{CmdSetJupiterAce, "}", 125, {0x00, 0x70, 0x10, 0x0C, 0x0C, 0x10, 0x70, 0x00}},
    RowCase{CmdSetJupiterAce, "~", 126, {0x00, 0x32, 0x4C, 0x00, 0x00, 0x00, 0x00, 0x00}},
    RowCase{CmdSetJupiterAce, "copyright sign", 127, {0x3C, 0x42, 0x99, 0xA1, 0xA1, 0x99, 0x42, 0x3C}},
    RowCase{CmdSetJupiterAce, "inverse copyright", 255, {0xC3, 0xBD, 0x66, 0x5E, 0x5E, 0x66, 0xBD, 0xC3}}));

INSTANTIATE_TEST_SUITE_P(C64, BuiltinRows, ::testing::Values(
    RowCase{CmdSetC64, "at sign", 0, {0x3C, 0x66, 0x6E, 0x6E, 0x60, 0x62, 0x3C, 0x00}},
    RowCase{CmdSetC64, "A", 1, {0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x66, 0x00}},
    RowCase{CmdSetC64, "pound sign", 28, {0x0C, 0x12, 0x30, 0x7C, 0x30, 0x62, 0xFC, 0x00}},
    RowCase{CmdSetC64, "upward arrow", 30, {0x00, 0x18, 0x3C, 0x7E, 0x18, 0x18, 0x18, 0x18}},
    RowCase{CmdSetC64, "first graphic", 64, {0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00}},
    RowCase{CmdSetC64, "reverse at sign", 128, {0xC3, 0x99, 0x91, 0x91, 0x9F, 0x99, 0xC3, 0xFF}}));

INSTANTIATE_TEST_SUITE_P(AtariXl, BuiltinRows, ::testing::Values(
    RowCase{CmdSetAtariXl, "space", 0, Blank},
    RowCase{CmdSetAtariXl, "0", 16, {0x00, 0x3C, 0x66, 0x6E, 0x76, 0x66, 0x3C, 0x00}},
    RowCase{CmdSetAtariXl, "A", 33, {0x00, 0x18, 0x3C, 0x66, 0x66, 0x7E, 0x66, 0x00}},
    RowCase{CmdSetAtariXl, "heart", 64, {0x00, 0x36, 0x7F, 0x7F, 0x3E, 0x1C, 0x08, 0x00}},
    RowCase{CmdSetAtariXl, "diamond", 96, {0x00, 0x18, 0x3C, 0x7E, 0x7E, 0x3C, 0x18, 0x00}},
    RowCase{CmdSetAtariXl, "a", 97, {0x00, 0x00, 0x3C, 0x06, 0x3E, 0x66, 0x3E, 0x00}},
    RowCase{CmdSetAtariXl, "spade", 123, {0x00, 0x18, 0x3C, 0x7E, 0x7E, 0x18, 0x3C, 0x00}},
    RowCase{CmdSetAtariXl, "inverse space", 128, Solid},
    RowCase{CmdSetAtariXl, "inverse A", 161, {0xFF, 0xE7, 0xC3, 0x99, 0x99, 0x81, 0x99, 0xFF}}));

INSTANTIATE_TEST_SUITE_P(Microsha, BuiltinRows, ::testing::Values(
    RowCase{CmdSetMicrosha, "A", 65, {0x04, 0x0A, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x00}},
    RowCase{CmdSetMicrosha, "Cyrillic YU", 96, {0x12, 0x15, 0x15, 0x1D, 0x15, 0x15, 0x12, 0x00}},
    RowCase{CmdSetMicrosha, "Cyrillic A", 97, {0x04, 0x0A, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x00}},
    RowCase{CmdSetMicrosha, "solid block", 127, {0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x3F, 0x00}}));

INSTANTIATE_TEST_SUITE_P(HexNumbers, BuiltinRows, ::testing::Values(
    RowCase{CmdSetHexNumbers, "00", 0x00, {0x00, 0xEE, 0xAA, 0xAA, 0xAA, 0xAA, 0xEE, 0x00}},
    RowCase{CmdSetHexNumbers, "1F", 0x1F, {0x00, 0x4E, 0x48, 0x4C, 0x48, 0x48, 0x48, 0x00}},
    RowCase{CmdSetHexNumbers, "A5", 0xA5, {0x00, 0x4E, 0xA8, 0xEE, 0xA2, 0xA2, 0xAE, 0x00}},
    RowCase{CmdSetHexNumbers, "FF", 0xFF, {0x00, 0xEE, 0x88, 0xCC, 0x88, 0x88, 0x88, 0x00}}));

// Rows of a quarter-block glyph: the four quarters as flags.
RowList Quarters(bool topLeft, bool topRight, bool bottomLeft, bool bottomRight, int left, int right) {
    int top = (topLeft ? left : 0) | (topRight ? right : 0);
    int bottom = (bottomLeft ? left : 0) | (bottomRight ? right : 0);
    return {top, top, top, top, bottom, bottom, bottom, bottom};
}

TEST_F(EditorTest, SpectrumGraphicsFollowTheQuarterBits) {
    CmdSetZxSpectrum(s);
    for (int b = 0; b < 16; ++b)
        EXPECT_EQ(Rows(s, 128 + b), Quarters(b & 2, b & 1, b & 8, b & 4, 0xF0, 0x0F)) << "code " << 128 + b;
}

TEST_F(EditorTest, JupiterAceGraphicsRepeatEightQuartersFourTimes) {
    CmdSetJupiterAce(s);
    for (int c = 0; c < 32; ++c)
        EXPECT_EQ(Rows(s, c), Quarters(c & 2, c & 1, false, c & 4, 0xF0, 0x0F)) << "code " << c;
}

TEST_F(EditorTest, MicroshaGraphicsFillTheSixColumnCell) {
    CmdSetMicrosha(s);
    for (int c : {0, 1, 2, 3, 4, 5, 6, 7, 16, 17, 18, 19, 20, 21, 22, 23})
        EXPECT_EQ(Rows(s, c), Quarters(c & 1, c & 2, c & 16, c & 4, 0x38, 0x07)) << "code " << c;
}

TEST_F(EditorTest, MicroshaGlyphsStayInTheSixRightColumns) {
    CmdSetMicrosha(s);
    for (int i = 0; i < 1024; ++i) EXPECT_EQ(s.CharsetStore[size_t(i)] & 0xC0, 0) << "code " << i / 8;
}

TEST_F(EditorTest, JupiterAceSharesTheSpectrumAsciiButSevenGlyphs) {
    CmdSetZxSpectrum(s);
    EditorState spectrum = s;
    CmdSetJupiterAce(s);
    std::vector<int> differing;
    for (int c = 32; c < 128; ++c)
        if (Rows(s, c) != Rows(spectrum, c)) differing.push_back(c);
    EXPECT_EQ(differing, (std::vector<int>{85, 97, 100, 117, 123, 125, 126}));
}

TEST_F(EditorTest, SpectrumControlCodesAreBlank) {
    FillWithPattern(s);
    CmdSetZxSpectrum(s);
    for (int c = 0; c < 32; ++c) EXPECT_EQ(Rows(s, c), Blank) << "code " << c;
}

TEST_F(EditorTest, C64ReverseHalfIsTheInverseButForTheAtSign) {
    CmdSetC64(s);
    for (int i = 8; i < 1024; ++i)
        EXPECT_EQ(s.CharsetStore[size_t(1024 + i)], s.CharsetStore[size_t(i)] ^ 0xFF) << "byte " << i;
    EXPECT_EQ(s.CharsetStore[8 * 128 + 5], 0x99);  // not 9D, the inverse of row 5 of code 0
}

struct InverseCase {
    Command command;
    const uint8_t* table;
    size_t length;
};

void PrintTo(const InverseCase& c, std::ostream* os) { *os << c.length << "-byte table"; }

class InverseGeneration : public EditorTest, public ::testing::WithParamInterface<InverseCase> {};

TEST_P(InverseGeneration, SecondPartIsTheInverseOfTheTable) {
    const InverseCase& c = GetParam();
    FillWithPattern(s);
    c.command(s);
    for (size_t i = 0; i < c.length; ++i) {
        ASSERT_EQ(s.CharsetStore[i], c.table[i]) << "byte " << i;
        ASSERT_EQ(s.CharsetStore[c.length + i], c.table[i] ^ 0xFF) << "byte " << c.length + i;
    }
}

INSTANTIATE_TEST_SUITE_P(Sets, InverseGeneration, ::testing::Values(
    InverseCase{CmdSetZx80, Zx80Table.data(), Zx80Table.size()},
    InverseCase{CmdSetAtariXl, AtariXlTable.data(), AtariXlTable.size()},
    InverseCase{CmdSetMicrosha, MicroshaTable.data(), MicroshaTable.size()},
    InverseCase{CmdSetJupiterAce, JupiterAceTable.data(), JupiterAceTable.size()}));

TEST_F(EditorTest, SpectrumAfterCgaKeepsTheCgaGlyphsFrom144) {
    CmdSetIbmCga(s);
    CmdSetZxSpectrum(s);
    for (int c = 0; c < 144; ++c)
        ASSERT_TRUE(std::equal(s.Glyph(c), s.Glyph(c) + 8, ZxSpectrumTable.data() + 8 * c)) << "code " << c;
    for (int c = 144; c < 256; ++c)
        ASSERT_TRUE(std::equal(s.Glyph(c), s.Glyph(c) + 8, IbmCgaTable.data() + 8 * c)) << "code " << c;
    EXPECT_EQ(s.InkColour, Rgb(0, 0, 0));
    EXPECT_EQ(s.PaperColour, Rgb(203, 203, 203));
}

TEST_F(EditorTest, Zx80LeavesCodesFrom128AsTheyWere) {
    FillWithPattern(s);
    EditorState before = s;
    CmdSetZx80(s);
    EXPECT_TRUE(std::equal(s.CharsetStore.begin() + 1024, s.CharsetStore.end(), before.CharsetStore.begin() + 1024));
}

TEST_F(EditorTest, FullSetsReplaceEveryCode) {
    for (Command command : {CmdSetIbmCga, CmdSetC64, CmdSetIbm866, CmdSetAtariXl, CmdSetMicrosha,
                            CmdSetJupiterAce, CmdSetHexNumbers}) {
        FillWithPattern(s);
        command(s);
        EditorState first = s;
        s.CharsetStore.fill(0x5A);
        command(s);
        EXPECT_EQ(s.CharsetStore, first.CharsetStore);
    }
}

TEST_F(EditorTest, HexNumbersTwiceGiveTheSameStore) {
    CmdSetHexNumbers(s);
    EditorState once = s;
    CmdSetHexNumbers(s);
    EXPECT_EQ(s.CharsetStore, once.CharsetStore);
}

void PrintTo(const SetInfo& set, std::ostream* os) { *os << set.name; }

class EverySet : public EditorTest, public ::testing::WithParamInterface<SetInfo> {};

TEST_P(EverySet, SetsItsColoursAndRedrawsTheOverview) {
    const SetInfo& set = GetParam();
    s.InkColour = Rgb(10, 20, 30);
    s.PaperColour = Rgb(40, 50, 60);
    set.command(s);
    EXPECT_EQ(s.InkColour, set.ink);
    EXPECT_EQ(s.PaperColour, set.paper);
    // The picture shows the new glyphs in the set's two colours and nothing else.
    bool sawInk = false, sawPaper = false;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            Colour c = PixelAt(s.OverviewImage, x, y);
            sawInk |= c == set.ink;
            sawPaper |= c == set.paper;
            ASSERT_TRUE(c == set.ink || c == set.paper) << set.name << " at " << x << "," << y;
        }
    EXPECT_TRUE(sawInk && sawPaper) << set.name;
}

TEST_P(EverySet, LeavesCursorTitleAndRangeAlone) {
    const SetInfo& set = GetParam();
    s.CurrentCode = 65;
    s.CursorColumn = 1;
    s.CursorRow = 4;
    ClickCheckBox(RangeCheckBox);
    SetSliderPosition(RangeBeginSlider, 100);
    SetSliderPosition(RangeEndSlider, 120);
    std::string title = WindowTitle(MainWindow);
    set.command(s);
    EXPECT_EQ(s.CurrentCode, 65);
    EXPECT_EQ(s.CursorColumn, 1);
    EXPECT_EQ(s.CursorRow, 4);
    EXPECT_TRUE(IsCheckBoxChecked(RangeCheckBox));
    EXPECT_EQ(SliderPosition(RangeBeginSlider), 100);
    EXPECT_EQ(SliderPosition(RangeEndSlider), 120);
    EXPECT_EQ(WindowTitle(MainWindow), title);
    // The editor shows the new glyph of the current code.
    RowList rows = Rows(s, 65);
    std::string expected;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i) expected += ',';
        expected += std::to_string(rows[i]);
    }
    EXPECT_EQ(ControlText(GlyphDataField), expected) << set.name;
}

TEST_P(EverySet, MenuCommandLoadsTheSameStore) {
    const SetInfo& set = GetParam();
    FillWithPattern(s);
    EditorState direct = s;
    set.command(direct);
    PostMenuCommand(set.number);
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(s.CharsetStore, direct.CharsetStore) << set.name;
    EXPECT_EQ(s.InkColour, set.ink);
}

INSTANTIATE_TEST_SUITE_P(Sets, EverySet, ::testing::ValuesIn(Sets));

}  // namespace

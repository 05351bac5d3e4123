#include "support/fixture.h"

namespace {

using T = ControlEventType;

struct StrokeCase {
    const char* what;
    T type;
    int x, y, buttons;
    int startRow0;   // row 0 of the current glyph before
    int row;         // the row looked at afterwards
    int expected;    // its value
};

class GlyphCanvasEvents : public EditorTest, public ::testing::WithParamInterface<StrokeCase> {};

TEST_P(GlyphCanvasEvents, EditsTheBitUnderThePointer) {
    const StrokeCase& c = GetParam();
    s.CharsetStore[0] = uint8_t(c.startRow0);
    RedrawCharset(s);
    HandleGlyphCanvasEvent(s, {c.type, c.x, c.y, c.buttons, 0});
    EXPECT_EQ(s.CharsetStore[size_t(c.row)], c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, GlyphCanvasEvents, ::testing::Values(
    StrokeCase{"left down on column 3 row 0", T::LeftDown, 3 * 16 + 5, 4, ButtonLeft, 0, 0, 16},
    StrokeCase{"move with left held sets", T::Move, 0, 0, ButtonLeft, 0, 0, 128},
    StrokeCase{"move with both held sets: left first", T::Move, 0, 0, ButtonLeft | ButtonRight, 0, 0, 128},
    StrokeCase{"right down clears", T::RightDown, 16, 0, ButtonLeft | ButtonRight, 0xFF, 0, 0xBF},
    StrokeCase{"move with right held clears", T::Move, 127, 0, ButtonRight, 0xFF, 0, 0xFE},
    StrokeCase{"move without buttons ignored", T::Move, 0, 0, 0, 0, 0, 0},
    StrokeCase{"first move after entering ignored", T::Enter, 0, 0, ButtonLeft, 0, 0, 0},
    StrokeCase{"left up ignored", T::LeftUp, 0, 0, 0, 0, 0, 0},
    StrokeCase{"click ignored", T::LeftClick, 0, 0, 0, 0, 0, 0},
    StrokeCase{"wheel ignored", T::Wheel, 0, 0, ButtonLeft, 0, 0, 0},
    StrokeCase{"key ignored", T::KeyUp, 0, 0, ButtonLeft, 0, 0, 0},
    StrokeCase{"-15 truncates to column 0", T::Move, -15, -15, ButtonLeft, 0, 0, 128},
    StrokeCase{"-16 is outside", T::Move, -16, 0, ButtonLeft, 0, 0, 0},
    StrokeCase{"128 is outside", T::LeftDown, 128, 0, ButtonLeft, 0, 0, 0},
    StrokeCase{"row 7 column 7", T::LeftDown, 127, 127, ButtonLeft, 0, 7, 1},
    StrokeCase{"below the bottom is outside", T::LeftDown, 0, 130, ButtonLeft, 0, 7, 0}));

TEST_F(EditorTest, DataFieldListsTheRowBytes) {
    EXPECT_EQ(ControlText(GlyphDataField), "0,0,0,0,0,0,0,0");
    SetRows(s, 0, {24, 60, 102, 126, 102, 102, 102, 0});
    RedrawGlyphEditor(s);
    EXPECT_EQ(ControlText(GlyphDataField), "24,60,102,126,102,102,102,0");
    HandleGlyphCanvasEvent(s, {ControlEventType::LeftDown, 127, 127, ButtonLeft, 0});
    EXPECT_EQ(ControlText(GlyphDataField), "24,60,102,126,102,102,102,1");
}

TEST_F(EditorTest, EditorPixelsShowInkBlocksAndTheDottedGrid) {
    s.InkColour = Rgb(200, 10, 20);
    s.PaperColour = Rgb(1, 2, 3);
    SetRows(s, 0, {0x80, 0, 0, 0, 0, 0, 0, 0x01});
    RedrawGlyphEditor(s);
    const Colour white = Rgb(255, 255, 255), black = Rgb(0, 0, 0);
    // Ink block of (0,0): inside it, and the paper gap on its right and bottom.
    EXPECT_EQ(PixelAt(GlyphCanvas, 5, 5), s.InkColour);
    EXPECT_EQ(PixelAt(GlyphCanvas, 15, 5), s.PaperColour);
    EXPECT_EQ(PixelAt(GlyphCanvas, 5, 15), s.PaperColour);
    // Block of (row 7, column 7) reaches the right and bottom edges minus the gap; no line at 127.
    EXPECT_EQ(PixelAt(GlyphCanvas, 126, 126), s.InkColour);
    EXPECT_EQ(PixelAt(GlyphCanvas, 127, 120), s.PaperColour);
    EXPECT_EQ(PixelAt(GlyphCanvas, 120, 127), s.PaperColour);
    // Grid lines alternate white on even and black on odd positions; crossings are white.
    for (int j = 0; j < 8; ++j)
        for (int k = 0; k < 128; ++k) {
            if (k % 16 == 0) continue;
            Colour expected = (k % 2 == 0) ? white : black;
            ASSERT_EQ(PixelAt(GlyphCanvas, 16 * j, k), expected) << "vertical line " << j << " at " << k;
            ASSERT_EQ(PixelAt(GlyphCanvas, k, 16 * j), expected) << "horizontal line " << j << " at " << k;
        }
    for (int a = 0; a < 8; ++a)
        for (int b = 0; b < 8; ++b) EXPECT_EQ(PixelAt(GlyphCanvas, 16 * a, 16 * b), white);
    // The grid does not follow ink and paper.
    EXPECT_EQ(PixelAt(GlyphCanvas, 1, 0), black);
}

TEST_F(EditorTest, FailedDrawingReportsAndKeepsTheOldText) {
    SetRows(s, 0, {1, 2, 3, 4, 5, 6, 7, 8});
    ClearRecords();
    FailDrawing(GlyphCanvas, 1);
    RedrawGlyphEditor(s);
    ASSERT_EQ(MessagesShown().size(), 1u);
    EXPECT_EQ(MessagesShown()[0].title, "pxmsa");
    EXPECT_EQ(MessagesShown()[0].text, "draw character error!");
    EXPECT_EQ(ControlText(GlyphDataField), "0,0,0,0,0,0,0,0");
}

TEST_F(EditorTest, PaintingRedrawsTheOverviewToo) {
    HandleGlyphCanvasEvent(s, {ControlEventType::LeftDown, 0, 0, ButtonLeft, 0});
    EXPECT_EQ(PixelAt(s.OverviewImage, 0, 0), s.InkColour);
    EXPECT_EQ(PixelAt(s.OverviewImage, 1, 1), s.InkColour);
    EXPECT_EQ(PixelAt(s.OverviewImage, 2, 0), s.PaperColour);
}

}  // namespace

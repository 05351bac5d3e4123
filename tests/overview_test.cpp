#include <algorithm>
#include <array>

#include "support/fixture.h"

namespace {

using T = ControlEventType;

const Colour CursorDot = Rgb(0, 255, 127);
const Colour HoverGreen = Rgb(0, 255, 0);
const Colour DropRed = Rgb(255, 0, 0);

// Glyph c with rows c, 255 - c, then fixed bits, so every glyph differs from every other.
void FillDistinct(EditorState& s) {
    for (int c = 0; c < 256; ++c) SetRows(s, c, {c, 255 - c, 0x81, 0x42, 0x24, 0x18, 0x0F, 0xF0});
}

// A point inside the cell of `code`.
int XOf(int code) { return 16 * (code % 16) + 5; }
int YOf(int code) { return 16 * (code / 16) + 9; }

void Post(T type, int x = 0, int y = 0, int buttons = 0, int key = 0) {
    PostControlEvent(OverviewCanvas, type, x, y, buttons, key);
}

void ClickOn(int code) {
    Post(T::LeftDown, XOf(code), YOf(code), ButtonLeft);
    Post(T::LeftUp, XOf(code), YOf(code));
    Post(T::LeftClick, XOf(code), YOf(code));
}

void Select(EditorState& s, int code) {
    ClickOn(code);
    ASSERT_TRUE(RunPostedEvents(s));
    ASSERT_EQ(s.CurrentCode, code);
}

void ReleaseKey(int key) { Post(T::KeyUp, 0, 0, 0, key); }

struct ArrowCase {
    int from, key, to;
};

TEST_F(EditorTest, ArrowKeysWrapEachAxisOnRelease) {
    const ArrowCase cases[] = {
        {15, KeyRight, 0},   {250, KeyDown, 10}, {0, KeyLeft, 15},   {0, KeyUp, 240},
        {255, KeyRight, 240}, {255, KeyDown, 15}, {16, KeyLeft, 31}, {17, KeyUp, 1},
        {100, KeyRight, 101}, {100, KeyDown, 116},
    };
    for (const ArrowCase& c : cases) {
        Select(s, c.from);
        Post(T::KeyDown, 0, 0, 0, c.key);  // presses and their repeats do nothing
        Post(T::KeyDown, 0, 0, 0, c.key);
        ASSERT_TRUE(RunPostedEvents(s));
        EXPECT_EQ(s.CurrentCode, c.from) << "pressed";
        ReleaseKey(c.key);
        ASSERT_TRUE(RunPostedEvents(s));
        EXPECT_EQ(s.CurrentCode, c.to) << c.from << " key " << c.key;
        EXPECT_EQ(s.CurrentCode, 16 * s.CursorRow + s.CursorColumn);
    }
    const auto before = s.CharsetStore;
    for (int key : {13, 32, 65, 36}) ReleaseKey(key);
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(s.CurrentCode, 116);
    EXPECT_EQ(s.CharsetStore, before);
}

TEST_F(EditorTest, MoveCursorTakesTheLowFourBitsOfEachAxis) {
    MoveCursor(s, -17, 33);
    EXPECT_EQ(s.CursorColumn, 15);
    EXPECT_EQ(s.CursorRow, 1);
    EXPECT_EQ(s.CurrentCode, 31);
}

TEST_F(EditorTest, TitleNamesTheCurrentCode) {
    EXPECT_EQ(WindowTitle(MainWindow), "pixmosa v2 0.9d");
    const std::pair<int, const char*> cases[] = {
        {0, "pixmosa v2 0.9d 0($00)"},
        {7, "pixmosa v2 0.9d 7($07)"},
        {31, "pixmosa v2 0.9d 31($1F)"},
        {32, "pixmosa v2 0.9d 32($20)' '"},
        {65, "pixmosa v2 0.9d 65($41)'A'"},
        {66, "pixmosa v2 0.9d 66($42)'B'"},
        {127, "pixmosa v2 0.9d 127($7F)'\x7F'"},
        {0x80, "pixmosa v2 0.9d 128($80)'\u20AC'"},
        {0x81, "pixmosa v2 0.9d 129($81)'\uFFFD'"},
        {0xC4, "pixmosa v2 0.9d 196($C4)'\u00C4'"},
        {255, "pixmosa v2 0.9d 255($FF)'\u00FF'"},
    };
    for (auto [code, title] : cases) {
        Select(s, code);
        EXPECT_EQ(WindowTitle(MainWindow), title);
    }
}

TEST_F(EditorTest, EditingDoesNotTouchTheTitle) {
    Select(s, 65);
    HandleGlyphCanvasEvent(s, {T::LeftDown, 0, 0, ButtonLeft, 0});
    TransformGlyphs(s, GlyphOpInvert);
    EXPECT_EQ(WindowTitle(MainWindow), "pixmosa v2 0.9d 65($41)'A'");
}

struct SelectCase {
    const char* what;
    T type;
    int x, y, code;
};

TEST_F(EditorTest, ClicksSelectTheCellUnderThePointer) {
    const SelectCase cases[] = {
        {"left click", T::LeftClick, 3 * 16 + 2, 4 * 16 + 15, 67},
        {"right click", T::RightClick, 15 * 16, 15 * 16 + 15, 255},
        {"left of the grid truncates to column 0", T::LeftClick, -2, 20, 16},
        {"column 16 wraps to 0 in the same row", T::LeftClick, 257, 20, 16},
        {"row 16 wraps to 0 in the same column", T::LeftClick, 20, 257, 1},
        {"both 16", T::RightClick, 256, 256, 0},
    };
    for (const SelectCase& c : cases) {
        Select(s, 100);
        Post(c.type, c.x, c.y);
        ASSERT_TRUE(RunPostedEvents(s));
        EXPECT_EQ(s.CurrentCode, c.code) << c.what;
        EXPECT_EQ(16 * s.CursorRow + s.CursorColumn, c.code) << c.what;
    }
}

TEST_F(EditorTest, SelectionRedrawsTheEditorWithTheNewGlyph) {
    FillDistinct(s);
    RedrawCharset(s);
    Select(s, 65);
    EXPECT_EQ(ControlText(GlyphDataField), "65,190,129,66,36,24,15,240");
}

TEST_F(EditorTest, RightClickSelectsThenOpensTheRangePopup) {
    ClearRecords();
    Post(T::RightDown, XOf(70), YOf(70), ButtonRight);
    Post(T::RightUp, XOf(70), YOf(70));
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_TRUE(PopupsShown().empty());
    EXPECT_EQ(s.CurrentCode, 0);
    Post(T::RightClick, XOf(70), YOf(70));
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(s.CurrentCode, 70);
    EXPECT_EQ(PopupsShown(), std::vector<int>{RangePopup});
    // The cursor was drawn before the popup opened.
    EXPECT_EQ(PixelAt(OverviewCanvas, 16 * 6 + 1, 16 * 4), CursorDot);
}

TEST(Overview, WithoutTheRangePopupARightClickStillSelects) {
    HeadlessReset();
    FailMenu(RangePopup);
    EditorState s;
    ASSERT_TRUE(Startup(s, 0, nullptr));
    PostControlEvent(OverviewCanvas, T::RightClick, XOf(70), YOf(70));
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(s.CurrentCode, 70);
    EXPECT_TRUE(PopupsShown().empty());
}

struct GapCase {
    const char* what;
    int key, at;
    std::vector<std::pair<int, int>> expect;  // glyph, former glyph it holds (-1: empty)
};

TEST_F(EditorTest, InsertAndDeleteOpenAndCloseAGap) {
    const GapCase cases[] = {
        {"insert at 0", KeyInsert, 0, {{0, -1}, {1, 0}, {2, 1}, {128, 127}, {255, 254}}},
        {"insert at 255", KeyInsert, 255, {{0, 0}, {254, 254}, {255, -1}}},
        {"insert at 100", KeyInsert, 100, {{99, 99}, {100, -1}, {101, 100}, {255, 254}}},
        {"delete at 0", KeyDelete, 0, {{0, 1}, {1, 2}, {254, 255}, {255, -1}}},
        {"delete at 255", KeyDelete, 255, {{0, 0}, {254, 254}, {255, -1}}},
        {"delete at 100", KeyDelete, 100, {{99, 99}, {100, 101}, {254, 255}, {255, -1}}},
    };
    for (const GapCase& c : cases) {
        StartEditor(s);
        FillDistinct(s);
        ClickCheckBox(RangeCheckBox);  // the range plays no part
        SetSliderPosition(RangeEndSlider, 255);
        Select(s, c.at);
        const EditorState before = s;
        Post(T::KeyDown, 0, 0, 0, c.key);
        ASSERT_TRUE(RunPostedEvents(s));
        EXPECT_EQ(s.CharsetStore, before.CharsetStore) << c.what << ": the press does nothing";
        ReleaseKey(c.key);
        ASSERT_TRUE(RunPostedEvents(s));
        for (auto [glyph, former] : c.expect)
            EXPECT_EQ(Rows(s, glyph), former < 0 ? std::vector<int>(8, 0) : Rows(before, former))
                << c.what << ": glyph " << glyph;
        // Every glyph moved by exactly one place on its side of the gap.
        const int shift = c.key == KeyInsert ? -1 : 1;
        for (int g = 0; g < 256; ++g) {
            const int former = g < c.at ? g : g + shift;
            if (g == c.at && c.key == KeyInsert) continue;
            if (former < 0 || former > 255) continue;
            ASSERT_EQ(Rows(s, g), Rows(before, former)) << c.what << ": glyph " << g;
        }
        EXPECT_EQ(s.CurrentCode, c.at) << c.what;
        EXPECT_EQ(s.MapStore, before.MapStore) << c.what;
        // The views follow: the current glyph's data shows the new content.
        EXPECT_EQ(ControlText(GlyphDataField),
                  c.key == KeyInsert || c.at == 255 ? "0,0,0,0,0,0,0,0" : std::to_string(c.at + 1) + "," + std::to_string(254 - c.at) + ",129,66,36,24,15,240")
            << c.what;
    }
}

// Drags glyph `from` to (x, y) with a move in between, as the canvas reports it.
void Drag(int from, int x, int y, bool clickFollows) {
    Post(T::LeftDown, XOf(from), YOf(from), ButtonLeft);
    Post(T::Move, (XOf(from) + x) / 2, (YOf(from) + y) / 2, ButtonLeft);
    Post(T::Move, x, y, ButtonLeft);
    Post(T::LeftUp, x, y);
    if (clickFollows) Post(T::LeftClick, x, y);
}

struct DragCase {
    const char* what;
    int mode;       // command choosing the drag mode, or -1 to keep the start-up mode
    int from;
    int x, y;       // the release point
    bool over;      // the release lies over the canvas: a click follows
    std::vector<std::pair<int, int>> expect;  // glyph, former glyph it holds
    int selected;
};

TEST_F(EditorTest, DraggingCopiesOrSwapsByTheMenuMode) {
    const DragCase cases[] = {
        {"swap at start-up", -1, 65, XOf(66), YOf(66), true, {{65, 66}, {66, 65}}, 66},
        {"swap chosen", 18, 0, XOf(255), YOf(255), true, {{0, 255}, {255, 0}}, 255},
        {"copy", 19, 65, XOf(66), YOf(66), true, {{65, 65}, {66, 65}}, 66},
        {"copy to the first glyph", 19, 200, 0, 0, true, {{0, 200}, {200, 200}}, 0},
        {"drop on the source", -1, 65, XOf(65) + 7, YOf(65) - 5, true, {}, 65},
        {"drop on the frame right of the grid", -1, 65, 257, YOf(66), true, {}, 64},
        {"drop right of the canvas", -1, 65, 300, YOf(66), false, {}, 10},
        {"drop below the canvas", 19, 65, XOf(66), 400, false, {}, 10},
        {"drop far left of the canvas", -1, 65, -40, YOf(66), false, {}, 10},
        {"drop far above the canvas", -1, 65, XOf(65), -17, false, {}, 10},
    };
    for (const DragCase& c : cases) {
        StartEditor(s);
        FillDistinct(s);
        RedrawCharset(s);
        Select(s, 10);
        if (c.mode >= 0) PostMenuCommand(c.mode);
        const auto before = s;
        Drag(c.from, c.x, c.y, c.over);
        ASSERT_TRUE(RunPostedEvents(s));
        EXPECT_EQ(s.DragActive, 0) << c.what;
        std::vector<bool> changed(256, false);
        for (auto [glyph, former] : c.expect) {
            EXPECT_EQ(Rows(s, glyph), Rows(before, former)) << c.what << ": glyph " << glyph;
            changed[size_t(glyph)] = true;
        }
        for (int g = 0; g < 256; ++g) {
            if (!changed[size_t(g)]) {
                ASSERT_EQ(Rows(s, g), Rows(before, g)) << c.what << ": glyph " << g;
            }
        }
        EXPECT_EQ(s.CurrentCode, c.selected) << c.what;
        EXPECT_EQ(s.MapStore, before.MapStore) << c.what;
    }
}

TEST_F(EditorTest, DragToAnotherCellEndsWithThatCellSelectedAndShown) {
    FillDistinct(s);
    RedrawCharset(s);
    Drag(65, XOf(66), YOf(66), true);
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(WindowTitle(MainWindow), "pixmosa v2 0.9d 66($42)'B'");
    // The swapped glyphs are in the overview picture: row 0 of cell 66 now holds 65.
    for (int l = 0; l < 8; ++l)
        EXPECT_EQ(PixelAt(s.OverviewImage, 16 * 2 + 2 * l, 16 * 4), (65 & (0x80 >> l)) ? s.InkColour : s.PaperColour);
    EXPECT_EQ(ControlText(GlyphDataField), "65,190,129,66,36,24,15,240");
}

TEST(Overview, WithoutTheMenuBarADragCopies) {
    HeadlessReset();
    FailMenu(MainMenu);
    EditorState s;
    ASSERT_TRUE(Startup(s, 0, nullptr));
    FillDistinct(s);
    Drag(65, XOf(66), YOf(66), true);
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(Rows(s, 66), Rows(s, 65));
    EXPECT_EQ(s.CharsetStore[8 * 65], 65);
}

TEST_F(EditorTest, ASecondPressDuringADragKeepsTheFirstSource) {
    FillDistinct(s);
    const auto before = s.CharsetStore;
    Post(T::LeftDown, XOf(3), YOf(3), ButtonLeft);
    Post(T::LeftDown, XOf(4), YOf(4), ButtonLeft);
    Post(T::LeftUp, XOf(5), YOf(5));
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(s.CharsetStore[8 * 5], 3);
    EXPECT_EQ(s.CharsetStore[8 * 3], 5);
    EXPECT_EQ(s.CharsetStore[8 * 4], before[8 * 4]);
    // A release with no drag active does nothing.
    Post(T::LeftUp, XOf(6), YOf(6));
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(s.CharsetStore[8 * 6], 6);
}

TEST_F(EditorTest, APressOnTheFrameDragsTheCellItsClickWouldSelect) {
    FillDistinct(s);
    Post(T::LeftDown, 257, YOf(33), ButtonLeft);  // column 16 of row 2: column 0
    Post(T::LeftUp, XOf(40), YOf(40));
    Post(T::LeftDown, XOf(50), 257, ButtonLeft);  // row 16 of column 2: row 0
    Post(T::LeftUp, XOf(60), YOf(60));
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(s.CharsetStore[8 * 40], 32);
    EXPECT_EQ(s.CharsetStore[8 * 32], 40);
    EXPECT_EQ(s.CharsetStore[8 * 60], 2);
    EXPECT_EQ(s.CharsetStore[8 * 2], 60);
    EXPECT_LE(s.DragSource, 255);
}

TEST_F(EditorTest, OverviewPictureShowsEveryGlyphInTwoByTwoBlocks) {
    s.InkColour = Rgb(250, 200, 10);
    s.PaperColour = Rgb(3, 40, 90);
    FillDistinct(s);
    RedrawCharset(s);
    for (int code = 0; code < 256; ++code)
        for (int k = 0; k < 8; ++k)
            for (int l = 0; l < 8; ++l) {
                const Colour expected = (s.Glyph(code)[k] & (0x80 >> l)) ? s.InkColour : s.PaperColour;
                const int x = 16 * (code % 16) + 2 * l, y = 16 * (code / 16) + 2 * k;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        ASSERT_EQ(PixelAt(s.OverviewImage, x + dx, y + dy), expected) << code << " " << k << "," << l;
            }
}

TEST_F(EditorTest, CanvasShowsThePictureWithTheCursorChecker) {
    FillDistinct(s);
    Select(s, 0x5C);  // column 12, row 5
    const int cx = 16 * 12, cy = 16 * 5;
    int dots = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const bool inCell = x >= cx && x < cx + 16 && y >= cy && y < cy + 16;
            const bool dot = inCell && (((x - cx) ^ (y - cy)) & 1);
            const Colour expected = dot ? CursorDot : PixelAt(s.OverviewImage, x, y);
            ASSERT_EQ(PixelAt(OverviewCanvas, x, y), expected) << x << "," << y;
            dots += dot;
        }
    EXPECT_EQ(dots, 128);
    EXPECT_NE(PixelAt(OverviewCanvas, cx, cy), CursorDot);
    EXPECT_EQ(PixelAt(OverviewCanvas, cx + 1, cy), CursorDot);
    // The picture itself never holds the cursor.
    EXPECT_NE(PixelAt(s.OverviewImage, cx + 1, cy), CursorDot);
}

// Every pixel of the canvas as the frame should draw it over the picture and the cursor.
void ExpectFrame(const EditorState& s, int fx, int fy, Colour frame, int floatX, int floatY, int source) {
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            Colour expected = PixelAt(s.OverviewImage, x, y);
            const int cx = 16 * s.CursorColumn, cy = 16 * s.CursorRow;
            if (x >= cx && x < cx + 16 && y >= cy && y < cy + 16 && (((x - cx) ^ (y - cy)) & 1)) expected = CursorDot;
            if (source >= 0 && x >= floatX && x < floatX + 16 && y >= floatY && y < floatY + 16)
                expected = PixelAt(s.OverviewImage, 16 * (source % 16) + x - floatX, 16 * (source / 16) + y - floatY);
            const bool border = x >= fx && x < fx + 16 && y >= fy && y < fy + 16 &&
                                (x == fx || x == fx + 15 || y == fy || y == fy + 15);
            if (border) expected = frame;
            ASSERT_EQ(PixelAt(OverviewCanvas, x, y), expected) << x << "," << y;
        }
}

TEST_F(EditorTest, HoverDrawsAGreenOutlineOfTheCellUnderThePointer) {
    FillDistinct(s);
    RedrawCharset(s);
    Post(T::Move, 40, 70);  // cell (2, 4)
    ASSERT_TRUE(RunPostedEvents(s));
    ExpectFrame(s, 32, 64, HoverGreen, 0, 0, -1);
    // The next move replaces the frame: nothing of the old one stays.
    Post(T::Move, 255, 255);
    ASSERT_TRUE(RunPostedEvents(s));
    ExpectFrame(s, 240, 240, HoverGreen, 0, 0, -1);
    // The pointer-entered event draws nothing.
    Post(T::Enter, 40, 70);
    ASSERT_TRUE(RunPostedEvents(s));
    ExpectFrame(s, 240, 240, HoverGreen, 0, 0, -1);
}

TEST_F(EditorTest, DragFrameFloatsTheSourceAtThePointerUnderARedOutline) {
    FillDistinct(s);
    RedrawCharset(s);
    const int probe = CreatePicture(1, 1);  // the number the frame's temporary picture gets
    ReleasePicture(probe);
    Post(T::LeftDown, XOf(0x21), YOf(0x21), ButtonLeft);
    Post(T::Move, 100, 37, ButtonLeft);  // cell (6, 2), off its corner
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(s.DragActive, 1);
    EXPECT_EQ(s.DragSource, 0x21);
    ExpectFrame(s, 96, 32, DropRed, 100, 37, 0x21);
    EXPECT_EQ(PictureWidth(probe), 0) << "the temporary picture is released";
    // Near the edge the floating glyph is clipped.
    Post(T::Move, 250, 251, ButtonLeft);
    ASSERT_TRUE(RunPostedEvents(s));
    ExpectFrame(s, 240, 240, DropRed, 250, 251, 0x21);
}

TEST_F(EditorTest, FramesAreSkippedSilentlyWhenDrawingFails) {
    RedrawCharset(s);
    Post(T::Move, 40, 70);
    ASSERT_TRUE(RunPostedEvents(s));
    const std::vector<uint32_t> shown(PicturePixels(OverviewCanvas), PicturePixels(OverviewCanvas) + 256 * 256);
    ClearRecords();
    FailDrawing(OverviewCanvas, 2);
    Post(T::Move, 200, 200);
    Post(T::LeftDown, 200, 200, ButtonLeft);
    Post(T::Move, 100, 100, ButtonLeft);
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_TRUE(MessagesShown().empty());
    EXPECT_TRUE(std::equal(shown.begin(), shown.end(), PicturePixels(OverviewCanvas)));
}

TEST_F(EditorTest, RedrawFailuresAreReported) {
    FillDistinct(s);
    ClearRecords();
    FailDrawing(s.OverviewImage, 1);
    RedrawOverview(s);
    ASSERT_EQ(MessagesShown().size(), 1u);
    EXPECT_EQ(MessagesShown()[0].title, "pxmsa");
    EXPECT_EQ(MessagesShown()[0].text, "draw image char error!");
    // The picture kept its old (blank) content and the canvas was still repainted from it.
    EXPECT_EQ(PixelAt(s.OverviewImage, 16 * 5, 16 * 5), s.PaperColour);
    EXPECT_EQ(PixelAt(OverviewCanvas, 1, 0), CursorDot);

    ClearRecords();
    RedrawOverview(s);
    const Colour shown = PixelAt(OverviewCanvas, 16 * 5 + 2 * 7, 16 * 5);
    FailDrawing(OverviewCanvas, 1);
    SetRows(s, 85, {0, 0, 0, 0, 0, 0, 0, 0});
    RedrawOverview(s);
    ASSERT_EQ(MessagesShown().size(), 1u);
    EXPECT_EQ(MessagesShown()[0].title, "pxmsa");
    EXPECT_EQ(MessagesShown()[0].text, "draw cursor error!");
    EXPECT_EQ(PixelAt(OverviewCanvas, 16 * 5 + 2 * 7, 16 * 5), shown);
    EXPECT_EQ(PixelAt(s.OverviewImage, 16 * 5 + 2 * 7, 16 * 5), s.PaperColour);
}

}  // namespace

#include <algorithm>

#include "support/fixture.h"

namespace {

// Glyph c with rows c, 255 - c, then fixed bits, so every glyph differs from every other.
void FillDistinct(EditorState& s) {
    for (int c = 0; c < 256; ++c) SetRows(s, c, {c, 255 - c, 0x81, 0x42, 0x24, 0x18, 0x0F, 0xF0});
}

void Select(EditorState& s, int code) {
    PostControlEvent(OverviewCanvas, ControlEventType::LeftClick, 16 * (code % 16) + 3, 16 * (code / 16) + 3);
    ASSERT_TRUE(RunPostedEvents(s));
    ASSERT_EQ(s.CurrentCode, code);
}

TEST_F(EditorTest, LabelsFollowTheSliders) {
    EXPECT_EQ(ControlText(RangeBeginLabel), "Begin range:0");
    EXPECT_EQ(ControlText(RangeEndLabel), "End range:0");
    const std::pair<int, const char*> endCases[] = {
        {31, "End range:31"}, {32, "End range:32: "}, {33, "End range:33:!"}, {40, "End range:40:("},
        {65, "End range:65:A"}, {0, "End range:0"}, {255, "End range:255:\u00FF"}, {0x80, "End range:128:\u20AC"},
    };
    for (auto [v, text] : endCases) {
        PostSliderMove(RangeEndSlider, v);
        ASSERT_TRUE(RunPostedEvents(s));
        EXPECT_EQ(ControlText(RangeEndLabel), text);
        EXPECT_EQ(ControlText(RangeBeginLabel), "BeginRange:0") << "the first update rewrites both";
    }
    const std::pair<int, const char*> beginCases[] = {
        {31, "BeginRange:31"}, {32, "BeginRange:32: "}, {33, "BeginRange:33:!"}, {40, "BeginRange:40:("},
        {65, "BeginRange:65:A"}, {0xC4, "BeginRange:196:\u00C4"},
    };
    for (auto [v, text] : beginCases) {
        PostSliderMove(RangeBeginSlider, v);
        ASSERT_TRUE(RunPostedEvents(s));
        EXPECT_EQ(ControlText(RangeBeginLabel), text);
        EXPECT_EQ(ControlText(RangeEndLabel), "End range:128:\u20AC");
    }
}

TEST_F(EditorTest, SetBeginAndEndTakeTheCurrentCode) {
    PostSliderMove(RangeEndSlider, 40);
    ASSERT_TRUE(RunPostedEvents(s));
    Select(s, 65);
    PostMenuCommand(16);
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(SliderPosition(RangeBeginSlider), 65);
    EXPECT_EQ(ControlText(RangeBeginLabel), "BeginRange:65:A");
    EXPECT_EQ(ControlText(RangeEndLabel), "End range:40:(");
    Select(s, 7);
    PostMenuCommand(17);
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(SliderPosition(RangeBeginSlider), 65);
    EXPECT_EQ(SliderPosition(RangeEndSlider), 7);
    EXPECT_EQ(ControlText(RangeEndLabel), "End range:7");
    EXPECT_EQ(s.CurrentCode, 7);
}

TEST_F(EditorTest, RangeCommandsFromThePopupAfterARightClick) {
    PostControlEvent(OverviewCanvas, ControlEventType::RightClick, 16 * 2 + 1, 16 * 3 + 1);  // 50
    PostMenuCommand(16);  // the item chosen in the popup
    PostControlEvent(OverviewCanvas, ControlEventType::RightClick, 16 * 4 + 1, 16 * 3 + 1);  // 52
    PostMenuCommand(17);
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(PopupsShown(), (std::vector<int>{RangePopup, RangePopup}));
    EXPECT_EQ(ControlText(RangeBeginLabel), "BeginRange:50:2");
    EXPECT_EQ(ControlText(RangeEndLabel), "End range:52:4");
}

struct CopyCase {
    const char* what;
    int begin, end, current;
    int first, count;  // glyphs first.. first+count-1 end up as the former glyphs lo..
};

TEST_F(EditorTest, CopyRangeCopiesAscendingAndStopsAfterTheLastGlyph) {
    const CopyCase cases[] = {
        {"top of the charset to the start", 250, 255, 0, 0, 6},
        {"past the end stops after 255", 0, 9, 250, 250, 6},
        {"overlapping below the source", 10, 20, 5, 5, 11},
        {"sliders in falling order", 20, 10, 5, 5, 11},
        {"one code", 7, 7, 8, 8, 1},
        {"just below the range", 100, 140, 99, 99, 41},
        {"just above the range", 100, 110, 111, 111, 11},
        {"whole rest of the charset from 1", 1, 255, 0, 0, 255},
    };
    for (const CopyCase& c : cases) {
        StartEditor(s);
        FillDistinct(s);
        RedrawCharset(s);
        ClearRecords();
        PostSliderMove(RangeBeginSlider, c.begin);
        PostSliderMove(RangeEndSlider, c.end);
        Select(s, c.current);
        const auto before = s;
        PostMenuCommand(20);
        ASSERT_TRUE(RunPostedEvents(s));
        EXPECT_TRUE(MessagesShown().empty()) << c.what;
        const int lo = std::min(c.begin, c.end);
        for (int g = 0; g < 256; ++g) {
            const bool copied = g >= c.first && g < c.first + c.count;
            ASSERT_EQ(Rows(s, g), Rows(before, copied ? lo + g - c.first : g)) << c.what << ": glyph " << g;
        }
        EXPECT_EQ(s.CurrentCode, c.current) << c.what;
        EXPECT_EQ(s.MapStore, before.MapStore) << c.what;
        // The views were redrawn: the current glyph's data shows its new rows.
        EXPECT_EQ(ControlText(GlyphDataField).substr(0, std::to_string(lo).size() + 1), std::to_string(lo) + ",") << c.what;
    }
}

TEST_F(EditorTest, CopyRangeIgnoresTheRangeCheckBox) {
    FillDistinct(s);
    PostSliderMove(RangeBeginSlider, 3);
    PostSliderMove(RangeEndSlider, 4);
    Select(s, 9);
    ASSERT_FALSE(IsCheckBoxChecked(RangeCheckBox));
    PostMenuCommand(20);
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(s.CharsetStore[8 * 9], 3);
    EXPECT_EQ(s.CharsetStore[8 * 10], 4);
}

TEST_F(EditorTest, CopyRangeRefusesACurrentCodeInsideTheRange) {
    for (int current : {10, 15, 20}) {
        StartEditor(s);
        FillDistinct(s);
        RedrawCharset(s);
        PostSliderMove(RangeBeginSlider, 20);
        PostSliderMove(RangeEndSlider, 10);
        Select(s, current);
        const auto before = s.CharsetStore;
        ClearRecords();
        FailDrawing(s.OverviewImage, 1);  // a redraw would report this
        PostMenuCommand(20);
        ASSERT_TRUE(RunPostedEvents(s));
        FailDrawing(s.OverviewImage, 0);
        ASSERT_EQ(MessagesShown().size(), 1u) << current;
        EXPECT_EQ(MessagesShown()[0].title, "Pxmsa");
        EXPECT_EQ(MessagesShown()[0].text, "Range Error!");
        EXPECT_EQ(s.CharsetStore, before) << current;
    }
}

TEST_F(EditorTest, EraseAllClearsOnlyTheCharset) {
    FillDistinct(s);
    s.InkColour = Rgb(1, 2, 3);
    RedrawCharset(s);
    Select(s, 77);
    PostSliderMove(RangeBeginSlider, 5);
    ClickCheckBox(RangeCheckBox);
    const EditorState before = s;
    for (int i = 0; i < 2; ++i) {
        PostMenuCommand(10);
        ASSERT_TRUE(RunPostedEvents(s));
        EXPECT_TRUE(std::all_of(s.CharsetStore.begin(), s.CharsetStore.end(), [](uint8_t b) { return b == 0; }));
        EXPECT_EQ(s.CurrentCode, 77);
        EXPECT_EQ(s.InkColour, before.InkColour);
        EXPECT_EQ(s.MapStore, before.MapStore);
        EXPECT_EQ(SliderPosition(RangeBeginSlider), 5);
        EXPECT_TRUE(IsCheckBoxChecked(RangeCheckBox));
        EXPECT_EQ(ControlText(GlyphDataField), "0,0,0,0,0,0,0,0");
        EXPECT_EQ(PixelAt(s.OverviewImage, 16 * 13, 16 * 4 + 2), s.PaperColour);  // glyph 77, row 1 column 0: was ink
    }
}

TEST_F(EditorTest, DragModeCommandsMoveTheCheckMark) {
    const std::pair<int, bool> steps[] = {{19, false}, {19, false}, {18, true}, {18, true}, {19, false}};
    EXPECT_TRUE(IsMenuChecked(MainMenu, 18));
    EXPECT_FALSE(IsMenuChecked(MainMenu, 19));
    for (auto [command, swap] : steps) {
        PostMenuCommand(command);
        ASSERT_TRUE(RunPostedEvents(s));
        EXPECT_EQ(IsMenuChecked(MainMenu, 18), swap) << command;
        EXPECT_EQ(IsMenuChecked(MainMenu, 19), !swap) << command;
    }
    EXPECT_TRUE(IsMenuChecked(MainMenu, 27)) << "other marks stay";
}

}  // namespace

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <random>

#include "support/fixture.h"

namespace {

using Rows8 = std::vector<int>;

struct WorkedCase {
    int op;
    Rows8 before, after;
};

TEST_F(EditorTest, WorkedExamples) {
    const Rows8 corner = {128, 0, 0, 0, 0, 0, 0, 0};
    const Rows8 hook = {240, 128, 128, 0, 0, 0, 0, 0};
    const WorkedCase cases[] = {
        {GlyphOpInvert, corner, {127, 255, 255, 255, 255, 255, 255, 255}},
        {GlyphOpClear, corner, {0, 0, 0, 0, 0, 0, 0, 0}},
        {GlyphOpMirrorLeftRight, corner, {1, 0, 0, 0, 0, 0, 0, 0}},
        {GlyphOpShiftLeft, corner, {1, 0, 0, 0, 0, 0, 0, 0}},
        {GlyphOpShiftRight, corner, {64, 0, 0, 0, 0, 0, 0, 0}},
        {GlyphOpShiftUp, corner, {0, 0, 0, 0, 0, 0, 0, 128}},
        {GlyphOpShiftDown, corner, {0, 128, 0, 0, 0, 0, 0, 0}},
        {GlyphOpMirrorUpDown, corner, {0, 0, 0, 0, 0, 0, 0, 128}},
        {GlyphOpRotateClockwise, corner, {1, 0, 0, 0, 0, 0, 0, 0}},
        {GlyphOpRotateAnticlockwise, corner, {0, 0, 0, 0, 0, 0, 0, 128}},
        {GlyphOpRotateClockwise, hook, {7, 1, 1, 1, 0, 0, 0, 0}},
        {GlyphOpRotateAnticlockwise, hook, {0, 0, 0, 0, 128, 128, 128, 224}},
        {GlyphOpMirrorLeftRight, {1, 3, 15, 18, 255, 0, 0x81, 0x5A}, {128, 192, 240, 72, 255, 0, 0x81, 0x5A}},
        {GlyphOpShiftRight, {1, 3, 0x81, 0, 0, 0, 0, 0}, {128, 129, 0xC0, 0, 0, 0, 0, 0}},
        {GlyphOpShiftLeft, {0x80, 0xC0, 0x81, 0, 0, 0, 0, 0}, {1, 0x81, 0x03, 0, 0, 0, 0, 0}},
    };
    for (const WorkedCase& c : cases) {
        SetRows(s, 0, c.before);
        TransformGlyphs(s, c.op);
        EXPECT_EQ(Rows(s, 0), c.after) << "op " << c.op;
    }
}

bool Pixel(const std::array<uint8_t, 8>& g, int r, int c) { return g[size_t(r)] & (0x80 >> c); }

// The definition of each operation pixel by pixel: new(r, c) = old(...).
struct PixelLaw {
    int op;
    std::function<bool(const std::array<uint8_t, 8>&, int, int)> value;
};

TEST_F(EditorTest, EveryOperationFollowsItsPixelMappingOnRandomGlyphs) {
    const PixelLaw laws[] = {
        {GlyphOpInvert, [](auto& g, int r, int c) { return !Pixel(g, r, c); }},
        {GlyphOpClear, [](auto&, int, int) { return false; }},
        {GlyphOpMirrorLeftRight, [](auto& g, int r, int c) { return Pixel(g, r, 7 - c); }},
        {GlyphOpShiftLeft, [](auto& g, int r, int c) { return Pixel(g, r, (c + 1) % 8); }},
        {GlyphOpShiftRight, [](auto& g, int r, int c) { return Pixel(g, r, (c + 7) % 8); }},
        {GlyphOpShiftUp, [](auto& g, int r, int c) { return Pixel(g, (r + 1) % 8, c); }},
        {GlyphOpShiftDown, [](auto& g, int r, int c) { return Pixel(g, (r + 7) % 8, c); }},
        {GlyphOpMirrorUpDown, [](auto& g, int r, int c) { return Pixel(g, 7 - r, c); }},
        {GlyphOpRotateClockwise, [](auto& g, int r, int c) { return Pixel(g, 7 - c, r); }},
        {GlyphOpRotateAnticlockwise, [](auto& g, int r, int c) { return Pixel(g, c, 7 - r); }},
    };
    std::mt19937 random(7);
    for (auto& b : s.CharsetStore) b = uint8_t(random());
    ClickCheckBox(RangeCheckBox);
    SetSliderPosition(RangeEndSlider, 255);
    for (const PixelLaw& law : laws) {
        const auto before = s.CharsetStore;
        TransformGlyphs(s, law.op);
        for (int code = 0; code < 256; ++code) {
            std::array<uint8_t, 8> old;
            std::copy_n(before.begin() + 8 * code, 8, old.begin());
            for (int r = 0; r < 8; ++r)
                for (int c = 0; c < 8; ++c)
                    ASSERT_EQ(bool(s.Glyph(code)[r] & (0x80 >> c)), law.value(old, r, c))
                        << "op " << law.op << " glyph " << code << " pixel " << r << "," << c;
        }
    }
}

struct InverseLaw {
    const char* what;
    std::vector<int> ops;
};

TEST_F(EditorTest, InverseLawsRestoreEveryGlyph) {
    auto times = [](int op, int n) { return std::vector<int>(size_t(n), op); };
    const InverseLaw laws[] = {
        {"four clockwise rotations", times(GlyphOpRotateClockwise, 4)},
        {"four anticlockwise rotations", times(GlyphOpRotateAnticlockwise, 4)},
        {"clockwise then anticlockwise", {GlyphOpRotateClockwise, GlyphOpRotateAnticlockwise}},
        {"anticlockwise then clockwise", {GlyphOpRotateAnticlockwise, GlyphOpRotateClockwise}},
        {"two left-right mirrors", times(GlyphOpMirrorLeftRight, 2)},
        {"two up-down mirrors", times(GlyphOpMirrorUpDown, 2)},
        {"two inversions", times(GlyphOpInvert, 2)},
        {"eight shifts left", times(GlyphOpShiftLeft, 8)},
        {"eight shifts right", times(GlyphOpShiftRight, 8)},
        {"eight shifts up", times(GlyphOpShiftUp, 8)},
        {"eight shifts down", times(GlyphOpShiftDown, 8)},
        {"left then right", {GlyphOpShiftLeft, GlyphOpShiftRight}},
        {"up then down", {GlyphOpShiftUp, GlyphOpShiftDown}},
    };
    std::mt19937 random(11);
    for (auto& b : s.CharsetStore) b = uint8_t(random());
    ClickCheckBox(RangeCheckBox);
    SetSliderPosition(RangeBeginSlider, 255);  // the whole charset, sliders in falling order
    const auto original = s.CharsetStore;
    for (const InverseLaw& law : laws) {
        for (size_t i = 0; i + 1 < law.ops.size(); ++i) TransformGlyphs(s, law.ops[i]);
        EXPECT_NE(s.CharsetStore, original) << law.what << ": a part alone changes the glyphs";
        TransformGlyphs(s, law.ops.back());
        EXPECT_EQ(s.CharsetStore, original) << law.what;
    }
}

// Glyph c with rows c, 255 - c, then fixed bits, so every glyph differs from every other.
void FillDistinct(EditorState& s) {
    for (int c = 0; c < 256; ++c) SetRows(s, c, {c, 255 - c, 0x81, 0x42, 0x24, 0x18, 0x0F, 0xF0});
}

std::vector<int> ChangedGlyphs(const EditorState& s, const std::array<uint8_t, 2048>& before) {
    std::vector<int> changed;
    for (int c = 0; c < 256; ++c)
        if (!std::equal(before.begin() + 8 * c, before.begin() + 8 * c + 8, s.CharsetStore.begin() + 8 * c))
            changed.push_back(c);
    return changed;
}

struct RangeCase {
    const char* what;
    bool enabled;
    int begin, end, current;
    int first, last;  // the glyphs expected to change
};

TEST_F(EditorTest, TheRangeOrTheCurrentGlyphIsTransformed) {
    const RangeCase cases[] = {
        {"range off: the current glyph whatever the sliders show", false, 10, 20, 100, 100, 100},
        {"range on, begin above end", true, 70, 65, 3, 65, 70},
        {"range on, begin below end; current inside", true, 65, 70, 67, 65, 70},
        {"range of one code", true, 10, 10, 200, 10, 10},
        {"whole charset", true, 0, 255, 0, 0, 255},
    };
    for (const RangeCase& c : cases) {
        StartEditor(s);
        FillDistinct(s);
        for (int i = 0; i < 3; ++i) s.MapCell(i, 0) = 65 + i;
        const auto map = s.MapStore;
        if (c.enabled) ClickCheckBox(RangeCheckBox);
        PostSliderMove(RangeBeginSlider, c.begin);
        PostSliderMove(RangeEndSlider, c.end);
        PostControlEvent(OverviewCanvas, ControlEventType::LeftClick, 16 * (c.current % 16), 16 * (c.current / 16));
        ASSERT_TRUE(RunPostedEvents(s));
        const auto before = s.CharsetStore;
        TransformGlyphs(s, GlyphOpInvert);
        std::vector<int> expected;
        for (int g = c.first; g <= c.last; ++g) expected.push_back(g);
        EXPECT_EQ(ChangedGlyphs(s, before), expected) << c.what;
        EXPECT_EQ(s.CurrentCode, c.current) << c.what;
        EXPECT_EQ(SliderPosition(RangeBeginSlider), c.begin) << c.what;
        EXPECT_EQ(SliderPosition(RangeEndSlider), c.end) << c.what;
        EXPECT_EQ(s.MapStore, map) << c.what;
    }
}

TEST_F(EditorTest, ClearOverTheWholeRangeEmptiesTheCharsetAndRedrawsOnce) {
    FillDistinct(s);
    RedrawCharset(s);
    ClickCheckBox(RangeCheckBox);
    SetSliderPosition(RangeEndSlider, 255);
    // Every redraw of the picture would report this failure: one report, one redraw.
    ClearRecords();
    FailDrawing(s.OverviewImage, 1000);
    TransformGlyphs(s, GlyphOpClear);
    EXPECT_EQ(MessagesShown().size(), 1u);
    FailDrawing(s.OverviewImage, 0);
    EXPECT_TRUE(std::all_of(s.CharsetStore.begin(), s.CharsetStore.end(), [](uint8_t b) { return b == 0; }));
    TransformGlyphs(s, GlyphOpClear);
    // The views show the result: overview picture, editor and its data field.
    for (int y = 0; y < 256; y += 3)
        for (int x = 0; x < 256; x += 5) ASSERT_EQ(PixelAt(s.OverviewImage, x, y), s.PaperColour) << x << "," << y;
    EXPECT_EQ(PixelAt(GlyphCanvas, 40, 40), s.PaperColour);
    EXPECT_EQ(ControlText(GlyphDataField), "0,0,0,0,0,0,0,0");
}

struct Trigger {
    const char* what;
    std::function<void()> fire;
    int op;
};

TEST_F(EditorTest, MenuCommandsShortcutAndButtonsReachTheirOperation) {
    const Trigger triggers[] = {
        {"Invert", [] { PostMenuCommand(7); }, GlyphOpInvert},
        {"Ctrl+I in the main window", [] { PressCtrlShortcut(MainWindow, 'I'); }, GlyphOpInvert},
        {"Revert char left-right", [] { PostMenuCommand(8); }, GlyphOpMirrorLeftRight},
        {"Revert char up-down", [] { PostMenuCommand(9); }, GlyphOpMirrorUpDown},
        {"Clear character", [] { PostMenuCommand(11); }, GlyphOpClear},
        {"Char shift left", [] { PostMenuCommand(12); }, GlyphOpShiftLeft},
        {"Char shift right", [] { PostMenuCommand(13); }, GlyphOpShiftRight},
        {"Char shift up", [] { PostMenuCommand(14); }, GlyphOpShiftUp},
        {"Char shift down", [] { PostMenuCommand(15); }, GlyphOpShiftDown},
        {"rotate clockwise", [] { PostMenuCommand(39); }, GlyphOpRotateClockwise},
        {"rotate anticlockwise", [] { PostMenuCommand(40); }, GlyphOpRotateAnticlockwise},
        {"< button", [] { PostButtonClick(ShiftLeftButton); }, GlyphOpShiftLeft},
        {"> button", [] { PostButtonClick(ShiftRightButton); }, GlyphOpShiftRight},
        {"^ button", [] { PostButtonClick(ShiftUpButton); }, GlyphOpShiftUp},
        {"v button", [] { PostButtonClick(ShiftDownButton); }, GlyphOpShiftDown},
    };
    const Rows8 sample = {0xE0, 0x90, 0x88, 0x84, 0x02, 0x01, 0x00, 0x3C};
    for (const Trigger& t : triggers) {
        SetRows(s, 0, sample);
        TransformGlyphs(s, t.op);
        const Rows8 expected = Rows(s, 0);
        SetRows(s, 0, sample);
        t.fire();
        ASSERT_TRUE(RunPostedEvents(s));
        EXPECT_EQ(Rows(s, 0), expected) << t.what;
    }
}

TEST_F(EditorTest, CtrlIFromTheMapWindowDoesNothing) {
    SetRows(s, 0, {1, 2, 3, 4, 5, 6, 7, 8});
    PressCtrlShortcut(MapWindow, 'I');
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(Rows(s, 0), (Rows8{1, 2, 3, 4, 5, 6, 7, 8}));
    PressCtrlShortcut(MainWindow, 'I');
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(Rows(s, 0), (Rows8{254, 253, 252, 251, 250, 249, 248, 247}));
}

}  // namespace

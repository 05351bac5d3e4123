// Faults that the random session, the fuzzers and the sanitizers found, each kept as the
// smallest case that showed it.
#include <climits>

#include "support/fixture.h"

namespace {

using T = ControlEventType;

// A right click reported outside the map canvas once set the popup cell far beyond the
// store; the next map edit then had nothing to stand on.
TEST_F(EditorTest, RightClickOutsideTheMapCanvasLeavesThePopupCell) {
    const int outside[][2] = {{1280, 10}, {10, 800}, {-1, 10}, {10, -1}, {115734, 297}, {-5000, -5000}};
    for (const auto& p : outside) {
        ClearRecords();
        HandleMapCanvasEvent(s, {T::RightClick, p[0], p[1], 0, 0});
        EXPECT_EQ(s.PopupCellColumn, -1) << p[0] << "," << p[1];
        EXPECT_EQ(s.PopupCellRow, -1) << p[0] << "," << p[1];
        EXPECT_TRUE(PopupsShown().empty()) << p[0] << "," << p[1];
    }
    HandleMapCanvasEvent(s, {T::RightClick, 1279, 799, 0, 0});
    EXPECT_EQ(s.PopupCellColumn, 79);
    EXPECT_EQ(s.PopupCellRow, 49);
}

}  // namespace

// Pointer positions near the ends of int once overflowed the clipping of the hover and drag
// frames and the cell arithmetic of the overview; the frames are simply not seen there.
TEST_F(EditorTest, PointerPositionsAtTheEndsOfIntAreHarmless) {
    const int ends[] = {INT_MIN, INT_MIN + 15, -(1 << 30), 1 << 30, INT_MAX - 15, INT_MAX};
    const std::vector<int> glyph = {1, 2, 3, 4, 5, 6, 7, 8};
    SetRows(s, 17, glyph);
    for (int x : ends)
        for (int y : ends) {
            for (int canvas : {OverviewCanvas, GlyphCanvas, MapCanvas})
                for (T type : {T::Move, T::LeftClick, T::RightClick, T::LeftDown, T::LeftUp, T::RightDown})
                    for (int buttons : {0, int(ButtonLeft), int(ButtonRight)}) PostControlEvent(canvas, type, x, y, buttons);
            // A drag picked up on a glyph and dragged and dropped far outside.
            PostControlEvent(OverviewCanvas, T::LeftDown, 16 + 3, 16 + 3, ButtonLeft);
            PostControlEvent(OverviewCanvas, T::Move, x, y, ButtonLeft);
            PostControlEvent(OverviewCanvas, T::LeftUp, x, y, 0);
        }
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(s.DragActive, 0);
    EXPECT_EQ(s.CurrentCode, 16 * s.CursorRow + s.CursorColumn);
    EXPECT_LE(s.CursorRow, 15);
    EXPECT_LE(s.CursorColumn, 15);
    EXPECT_EQ(s.PopupCellColumn, -1);
}

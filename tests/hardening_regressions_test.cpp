// Faults that the random session, the fuzzers and the sanitizers found, each kept as the
// smallest case that showed it.
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

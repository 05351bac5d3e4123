// The editor started as the program starts, driven by real pointer and key input through
// the Qt backend on the offscreen platform.
#include "app/commands.h"
#include "qt_support.h"

namespace {

class Editor : public RunningEditorTest {
protected:
    QPoint Glyph(int x, int y) { return InWindow(GlyphCanvas, {x, y}); }
};

TEST_F(Editor, PressMoveAndReleaseOnTheGlyphCanvasSetPixels) {
    const Colour ink = s.InkColour;
    QTest::mouseMove(win, Glyph(3 * 16 + 4, 4));  // entering: edits nothing
    QTest::mouseMove(win, Glyph(3 * 16 + 5, 4));
    ASSERT_TRUE(Handle());
    EXPECT_EQ(s.Glyph(0)[0], 0);

    QTest::mousePress(win, Qt::LeftButton, {}, Glyph(3 * 16 + 5, 4));  // column 3 of row 0
    ASSERT_TRUE(Handle());
    EXPECT_EQ(s.Glyph(0)[0], 16);
    EXPECT_EQ(ControlText(GlyphDataField), "16,0,0,0,0,0,0,0");
    QTest::mouseMove(win, Glyph(3 * 16 + 5, 2 * 16 + 8));  // down to row 2
    QTest::mouseMove(win, Glyph(-10, 2 * 16 + 8));        // past the left edge: column 0
    QTest::mouseRelease(win, Qt::LeftButton, {}, Glyph(-10, 2 * 16 + 8));
    ASSERT_TRUE(Handle());
    EXPECT_EQ(s.Glyph(0)[2], 16 | 128);
    // The editor's picture and the overview show the new pixels.
    EXPECT_EQ(PixelAt(GlyphCanvas, 3 * 16 + 8, 2 * 16 + 8), ink);
    EXPECT_EQ(PixelAt(GlyphCanvas, 8, 2 * 16 + 8), ink);
    EXPECT_EQ(PixelAt(OverviewCanvas, 2 * 3 + 1, 2 * 2 + 1), ink);
    // And the window shows the picture.
    QImage shown = ControlWidget(GlyphCanvas)->grab().toImage();
    EXPECT_EQ(shown.pixelColor(3 * 16 + 8, 2 * 16 + 8), QColor(255, 255, 255));
    EXPECT_EQ(shown.pixelColor(4 * 16 + 8, 2 * 16 + 8), QColor(0, 0, 0));

    QTest::mousePress(win, Qt::RightButton, {}, Glyph(3 * 16 + 5, 4));
    QTest::mouseRelease(win, Qt::RightButton, {}, Glyph(3 * 16 + 5, 4));
    ASSERT_TRUE(Handle());
    EXPECT_EQ(s.Glyph(0)[0], 0);
}

TEST_F(Editor, OverviewHasTheKeysFromTheStart) {
    EXPECT_TRUE(ControlWidget(OverviewCanvas)->hasFocus());
    QTest::keyClick(win, Qt::Key_Right);
    ASSERT_TRUE(Handle());
    EXPECT_EQ(s.CurrentCode, 1);
    // Painting in the editor leaves the keys with the overview.
    QTest::mouseClick(win, Qt::LeftButton, {}, Glyph(5, 5));
    QTest::keyClick(win, Qt::Key_Down);
    ASSERT_TRUE(Handle());
    EXPECT_EQ(s.CurrentCode, 17);
}

TEST_F(Editor, SetBeginRangeMovesTheSliderWithoutAnEvent) {
    s.CurrentCode = 65;
    DispatchCommand(s, 16);
    EXPECT_EQ(SliderPosition(RangeBeginSlider), 65);
    EXPECT_EQ(QueuedEvents(), 0u);
}

TEST_F(Editor, EscapeEndsTheLoop) {
    QCoreApplication::postEvent(WindowWidget(MainWindow),
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    RunEventLoop(s);  // returns: the program would now shut down
    EXPECT_TRUE(IsKeyDown(KeyEscape));
}

TEST_F(Editor, CloseButtonOfTheMapOnlyHidesIt) {
    DispatchCommand(s, 21);  // a map size shows the map window
    ASSERT_TRUE(IsWindowShown(MapWindow));
    WindowWidget(MapWindow)->close();
    ASSERT_TRUE(Handle());
    EXPECT_FALSE(IsWindowShown(MapWindow));
    WindowWidget(MainWindow)->close();
    EXPECT_FALSE(Handle());
}

}  // namespace

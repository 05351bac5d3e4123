// A real drag in the overview, through the Qt backend on the offscreen platform.
#include "app/commands.h"
#include "qt_support.h"

namespace {

class OverviewDrag : public RunningEditorTest {
protected:
    void SetUp() override {
        RunningEditorTest::SetUp();
        if (HasFatalFailure()) return;
        for (int c = 0; c < 256; ++c)
            for (int r = 0; r < 8; ++r) s.Glyph(c)[r] = uint8_t(c + 31 * r);
        RedrawCharset(s);
        ASSERT_TRUE(Handle());
    }
    std::vector<int> Rows(int code) { return std::vector<int>(s.Glyph(code), s.Glyph(code) + 8); }
    // A point inside the overview cell of `code`.
    QPoint Cell(int code) { return InWindow(OverviewCanvas, {16 * (code % 16) + 6, 16 * (code / 16) + 7}); }

    void Drag(int from, int to) {
        QTest::mouseMove(win, Cell(from));
        QTest::mousePress(win, Qt::LeftButton, {}, Cell(from));
        QTest::mouseMove(win, (Cell(from) + Cell(to)) / 2);
        QTest::mouseMove(win, Cell(to));
        QTest::mouseRelease(win, Qt::LeftButton, {}, Cell(to));
    }
};

TEST_F(OverviewDrag, DraggingOneCellOntoAnotherSwapsTheTwoGlyphs) {
    const std::vector<int> a = Rows(65), b = Rows(66);
    Drag(65, 66);
    ASSERT_TRUE(Handle());
    EXPECT_EQ(Rows(66), a);
    EXPECT_EQ(Rows(65), b);
    EXPECT_EQ(s.DragActive, 0);
    EXPECT_EQ(s.CurrentCode, 66);
    EXPECT_EQ(WindowTitle(MainWindow), "pixmosa v2 0.9d 66($42)'B'");
    // What the window shows: row 0 of glyph 65 (65) has column 7 set and column 6 clear, of
    // glyph 66 (66) the other way round; cell 66 now shows glyph 65.
    QWidget* canvas = ControlWidget(OverviewCanvas);
    const QImage shown = canvas->grab().toImage();
    const QPoint cell66 = canvas->contentsRect().topLeft() + QPoint(16 * 2, 16 * 4);
    EXPECT_EQ(shown.pixelColor(cell66 + QPoint(2 * 7, 0)), QColor(255, 255, 255));
    EXPECT_EQ(shown.pixelColor(cell66 + QPoint(2 * 6, 0)), QColor(0, 0, 0));
}

TEST_F(OverviewDrag, InCopyModeTheTargetBecomesACopy) {
    DispatchCommand(s, 19);
    const std::vector<int> a = Rows(10);
    Drag(10, 200);
    ASSERT_TRUE(Handle());
    EXPECT_EQ(Rows(200), a);
    EXPECT_EQ(Rows(10), a);
}

}  // namespace

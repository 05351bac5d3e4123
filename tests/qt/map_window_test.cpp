// The character map window of the real editor on the offscreen platform: its hidden start,
// the size commands that show it, its close button, pointer input and the popup menu.
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QTimer>

#include "app/commands.h"
#include "qt_support.h"

namespace {

class MapWindowTest : public RunningEditorTest {
protected:
    // Shows the map through a size command and waits until it can take input.
    QWindow* ShowMap(int command) {
        DispatchCommand(s, command);
        QMainWindow* w = WindowWidget(MapWindow);
        w->activateWindow();
        if (!QTest::qWaitForWindowExposed(w)) return nullptr;
        return w->windowHandle();
    }
    QColor Shown(int x, int y) { return ControlWidget(MapCanvas)->grab().toImage().pixelColor(x, y); }
};

TEST_F(MapWindowTest, HiddenUntilASizeCommandAndClosingOnlyHidesIt) {
    EXPECT_FALSE(WindowWidget(MapWindow)->isVisible());
    EXPECT_EQ(WindowWidget(MapWindow)->windowTitle(), "Character map");
    ASSERT_NE(ShowMap(24), nullptr);
    EXPECT_TRUE(WindowWidget(MapWindow)->isVisible());
    EXPECT_EQ(s.MapWidth, 80);

    s.CurrentCode = 0;
    s.Glyph(0)[3] = 0xFF;
    HandleMapCanvasEvent(s, {ControlEventType::LeftDown, 16 * 70 + 3, 16 * 40 + 3, ButtonLeft, 0});
    WindowWidget(MapWindow)->close();
    ASSERT_TRUE(Handle());
    EXPECT_FALSE(WindowWidget(MapWindow)->isVisible());
    EXPECT_TRUE(WindowWidget(MainWindow)->isVisible()) << "only the map window goes";

    ASSERT_NE(ShowMap(24), nullptr);
    EXPECT_TRUE(WindowWidget(MapWindow)->isVisible());
    EXPECT_EQ(s.MapCell(70, 40), 0);
    EXPECT_EQ(Shown(16 * 70 + 5, 16 * 40 + 7), QColor(255, 255, 255)) << "the painted cell is still on the map";
    EXPECT_EQ(Shown(16 * 70 + 5, 16 * 40 + 9), QColor(0, 0, 0));
}

TEST_F(MapWindowTest, PointerOverTheMapOutlinesNamesAndPaints) {
    QWindow* win = ShowMap(21);
    ASSERT_NE(win, nullptr);
    auto at = [](int x, int y) { return InWindow(MapCanvas, {x, y}); };
    QTest::mouseMove(win, at(37, 20));  // entering: reported apart from moves
    QTest::mouseMove(win, at(38, 21));
    ASSERT_TRUE(Handle());
    EXPECT_EQ(WindowWidget(MapWindow)->windowTitle(), "Character map (2,1):34[22]");
    EXPECT_EQ(Shown(32, 24), QColor(255, 0, 0));

    s.CurrentCode = 65;
    s.Glyph(65)[4] = 0xFF;
    QTest::mousePress(win, Qt::LeftButton, {}, at(5 * 16 + 4, 3 * 16 + 4));
    QTest::mouseMove(win, at(6 * 16 + 4, 3 * 16 + 4));
    QTest::mouseRelease(win, Qt::LeftButton, {}, at(6 * 16 + 4, 3 * 16 + 4));
    ASSERT_TRUE(Handle());
    EXPECT_EQ(s.MapCell(5, 3), 65);
    EXPECT_EQ(s.MapCell(6, 3), 65);
    EXPECT_EQ(Shown(6 * 16 + 5, 3 * 16 + 9), QColor(255, 255, 255));
    EXPECT_EQ(Shown(6 * 16 + 5, 3 * 16 + 7), QColor(0, 0, 0));
}

TEST_F(MapWindowTest, ARightClickOpensThePopupAndItsItemEditsThatCell) {
    QWindow* win = ShowMap(22);
    ASSERT_NE(win, nullptr);
    for (int c = 0; c < 40; ++c) s.MapCell(c, 2) = 65 + c;
    const QPoint p = InWindow(MapCanvas, {3 * 16 + 8, 2 * 16 + 8});
    QTest::mousePress(win, Qt::RightButton, {}, p);
    QTest::mouseRelease(win, Qt::RightButton, {}, p);
    // The popup runs its own loop; once it is up, choose "Insert char" in it.
    QMenu* seen = nullptr;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        seen = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!seen) return;
        poll.stop();
        for (QAction* a : seen->actions())
            if (a->text() == "Insert char") a->trigger();
        seen->close();
    });
    poll.start(10);
    ASSERT_TRUE(Handle());
    poll.stop();
    ASSERT_TRUE(Handle());
    ASSERT_NE(seen, nullptr) << "no popup menu opened";
    EXPECT_EQ(seen, MenuWidget(MapPopup));
    EXPECT_EQ(s.MapCell(2, 2), 67);
    EXPECT_EQ(s.MapCell(3, 2), 0);
    EXPECT_EQ(s.MapCell(4, 2), 68);
    EXPECT_EQ(s.MapCell(40, 2), 104);
    EXPECT_EQ(s.PopupCellColumn, -1);
}

}  // namespace

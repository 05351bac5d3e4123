// Pointer, key and drop events of canvases, driven through the window as real input.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QFrame>
#include <QMimeData>
#include <QScrollBar>
#include <QUrl>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include "qt_support.h"

namespace {

using T = ControlEventType;

enum : int { Framed = 1, Plain = 2, Focusable = 3, Area = 4, InArea = 5 };

class CanvasEvents : public QtTest {
protected:
    void SetUp() override {
        QtTest::SetUp();
        ASSERT_TRUE(OpenWindow(0, "canvases", 400, 300, true));
        // 100 x 80 with a 2-pixel frame: the drawing area is 96 x 76 from (22, 22).
        ASSERT_TRUE(CreateControl({Framed, 0, -1, ControlKind::Canvas, 20, 20, 100, 80, "", "", OptSunkenBorder, 0, 0, 2}));
        ASSERT_TRUE(CreateControl({Plain, 0, -1, ControlKind::Canvas, 150, 20, 100, 80, "", "", 0, 0, 0, 0}));
        ASSERT_TRUE(CreateControl({Focusable, 0, -1, ControlKind::Canvas, 280, 20, 60, 60, "", "", OptTakesFocus, 0, 0, 0}));
        ASSERT_TRUE(CreateControl({Area, 0, -1, ControlKind::ScrollArea, 20, 120, 200, 150, "", "", OptSunkenBorder, 0, 0, 0}));
        ASSERT_TRUE(CreateControl({InArea, 0, Area, ControlKind::Canvas, 0, 0, 1280, 800, "", "", 0, 0, 0, 0}));
        SetScrollInnerSize(Area, 1280, 800, 16);
        win = Exposed(0);
        ASSERT_NE(win, nullptr);
        QTest::mouseMove(win, QPoint(5, 5));  // start outside every canvas
        TakeEvents();
    }
    QWindow* win = nullptr;
};

TEST_F(CanvasEvents, FirstMoveAfterEnteringIsEnterThenMovesFollow) {
    QTest::mouseMove(win, InWindow(Framed, {10, 10}));
    QTest::mouseMove(win, InWindow(Framed, {11, 12}));
    QTest::mouseMove(win, QPoint(5, 5));
    QTest::mouseMove(win, InWindow(Framed, {30, 30}));
    auto events = TakeControlEvents(Framed);
    ASSERT_EQ(Types(events), (std::vector<T>{T::Enter, T::Move, T::Leave, T::Enter}));
    // Positions are relative to the drawing area inside the frame.
    EXPECT_EQ(events[0].x, 8);
    EXPECT_EQ(events[0].y, 8);
    EXPECT_EQ(events[1].x, 9);
    EXPECT_EQ(events[1].y, 10);
    EXPECT_EQ(events[3].x, 28);
}

TEST_F(CanvasEvents, ClickIsReportedAfterTheReleaseOverTheCanvas) {
    QPoint at = InWindow(Plain, {40, 30});
    QTest::mouseMove(win, at);
    QTest::mousePress(win, Qt::LeftButton, {}, at);
    QTest::mouseRelease(win, Qt::LeftButton, {}, at);
    auto events = TakeControlEvents(Plain);
    ASSERT_EQ(Types(events), (std::vector<T>{T::Enter, T::LeftDown, T::LeftUp, T::LeftClick}));
    EXPECT_EQ(events[1].buttons, ButtonLeft);  // held at the press
    EXPECT_EQ(events[2].buttons, 0);           // none left at the release
    EXPECT_EQ(events[3].x, 40);
    EXPECT_EQ(events[3].y, 30);
}

TEST_F(CanvasEvents, PressCapturesThePointerAndAReleaseOutsideIsNoClick) {
    QPoint at = InWindow(Plain, {10, 10});
    QTest::mouseMove(win, at);
    QTest::mousePress(win, Qt::RightButton, {}, at);
    QTest::mouseMove(win, InWindow(Plain, {-30, -5}));
    QTest::mouseMove(win, InWindow(Framed, {50, 50}));  // over the other canvas
    QTest::mouseRelease(win, Qt::RightButton, {}, InWindow(Framed, {50, 50}));
    auto plain = TakeControlEvents(Plain);
    ASSERT_EQ(Types(plain), (std::vector<T>{T::Enter, T::RightDown, T::Move, T::Move, T::RightUp, T::Leave}));
    EXPECT_EQ(plain[1].buttons, ButtonRight);
    EXPECT_EQ(plain[2].x, -30);
    EXPECT_EQ(plain[2].y, -5);
    EXPECT_EQ(plain[2].buttons, ButtonRight);
    EXPECT_EQ(plain[3].x, 50 - 130);  // the framed canvas lies 130 to the left
    EXPECT_EQ(plain[4].buttons, 0);
}

TEST_F(CanvasEvents, OtherCanvasSeesNothingUntilTheCaptureEnds) {
    QPoint at = InWindow(Plain, {10, 10});
    QTest::mouseMove(win, at);
    QTest::mousePress(win, Qt::LeftButton, {}, at);
    QTest::mouseMove(win, InWindow(Framed, {50, 50}));
    QTest::mouseRelease(win, Qt::LeftButton, {}, InWindow(Framed, {50, 50}));
    QTest::mouseMove(win, InWindow(Framed, {51, 50}));
    auto framed = TakeControlEvents(Framed);
    ASSERT_EQ(Types(framed), (std::vector<T>{T::Enter}));
    EXPECT_EQ(framed[0].x, 49);
}

TEST_F(CanvasEvents, BothButtonsAreInTheHeldMask) {
    QPoint at = InWindow(Plain, {10, 10});
    QTest::mouseMove(win, at);
    QTest::mousePress(win, Qt::LeftButton, {}, at);
    QTest::mousePress(win, Qt::RightButton, {}, at);
    QTest::mouseMove(win, InWindow(Plain, {12, 10}));
    QTest::mouseRelease(win, Qt::RightButton, {}, InWindow(Plain, {12, 10}));
    QTest::mouseRelease(win, Qt::LeftButton, {}, InWindow(Plain, {12, 10}));
    auto events = TakeControlEvents(Plain);
    ASSERT_EQ(Types(events), (std::vector<T>{T::Enter, T::LeftDown, T::RightDown, T::Move, T::RightUp, T::RightClick,
                                             T::LeftUp, T::LeftClick}));
    EXPECT_EQ(events[2].buttons, ButtonLeft | ButtonRight);
    EXPECT_EQ(events[3].buttons, ButtonLeft | ButtonRight);
    EXPECT_EQ(events[4].buttons, ButtonLeft);
    EXPECT_EQ(events[6].buttons, 0);
}

TEST_F(CanvasEvents, SecondPressOfADoubleClickIsAPressToo) {
    QPoint at = InWindow(Plain, {10, 10});
    QTest::mouseMove(win, at);
    TakeEvents();
    QTest::mouseDClick(win, Qt::LeftButton, {}, at);
    EXPECT_EQ(Types(TakeControlEvents(Plain)), (std::vector<T>{T::LeftDown, T::LeftUp, T::LeftClick, T::LeftDown,
                                                               T::DoubleClick, T::LeftUp, T::LeftClick}));
}

TEST_F(CanvasEvents, ReleaseOverTheFrameStillClicks) {
    QPoint at = InWindow(Framed, {50, 50});
    QTest::mouseMove(win, at);
    QTest::mousePress(win, Qt::LeftButton, {}, at);
    QTest::mouseRelease(win, Qt::LeftButton, {}, InWindow(Framed, {99, 40}));  // the right frame line
    auto events = TakeControlEvents(Framed);
    ASSERT_EQ(Types(events), (std::vector<T>{T::Enter, T::LeftDown, T::Move, T::LeftUp, T::LeftClick}));
    EXPECT_EQ(events[4].x, 97);  // beyond the 96-pixel drawing area
}

TEST_F(CanvasEvents, RightClickCountsAnywhereInTheCanvasInsideAScrollArea) {
    // The canvas is 1280 x 800; the area shows only part of it. A release over the area's
    // scroll bar is still inside the canvas's rectangle.
    QPoint at = InWindow(InArea, {50, 50});
    QTest::mouseMove(win, at);
    QTest::mousePress(win, Qt::RightButton, {}, at);
    QPoint overScrollBar = InWindow(Area, {195, 60});
    QTest::mouseRelease(win, Qt::RightButton, {}, overScrollBar);
    auto events = TakeControlEvents(InArea);
    ASSERT_EQ(Types(events), (std::vector<T>{T::Enter, T::RightDown, T::Move, T::RightUp, T::RightClick, T::Leave}));
    EXPECT_EQ(events[4].x, 195 - qobject_cast<QFrame*>(ControlWidget(Area))->frameWidth());
    // Released above and left of the area, and so outside the canvas: no click.
    QTest::mouseMove(win, at);
    QTest::mousePress(win, Qt::RightButton, {}, at);
    QTest::mouseRelease(win, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(Types(TakeControlEvents(InArea)), (std::vector<T>{T::Enter, T::RightDown, T::Move, T::RightUp, T::Leave}));
}

TEST_F(CanvasEvents, WheelIsReportedAndStillScrollsTheArea) {
    auto* area = qobject_cast<QAbstractScrollArea*>(ControlWidget(Area));
    ASSERT_NE(area, nullptr);
    QPoint at = InWindow(InArea, {30, 40});
    QTest::mouseMove(win, at);
    TakeEvents();
    // One notch down, as the window system delivers it.
    QWidget* canvas = ControlWidget(InArea);
    QPointF local(30, 40);
    QWheelEvent wheel(local, canvas->mapToGlobal(local), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(canvas, &wheel);  // sendEvent would make it non-spontaneous
    auto events = TakeControlEvents(InArea);
    ASSERT_EQ(Types(events), (std::vector<T>{T::Wheel}));
    EXPECT_EQ(events[0].x, 30);
    EXPECT_EQ(events[0].y, 40);
    EXPECT_GT(area->verticalScrollBar()->value(), 0);
}

TEST_F(CanvasEvents, OnlyTheCanvasThatTakesFocusGetsItAndItsKeys) {
    QWidget* focusable = ControlWidget(Focusable);
    QTest::mouseClick(win, Qt::LeftButton, {}, InWindow(Plain, {5, 5}));
    EXPECT_FALSE(ControlWidget(Plain)->hasFocus());
    QTest::mouseClick(win, Qt::LeftButton, {}, InWindow(Focusable, {5, 5}));
    EXPECT_TRUE(focusable->hasFocus());
    QTest::mouseClick(win, Qt::LeftButton, {}, InWindow(Framed, {5, 5}));
    EXPECT_TRUE(focusable->hasFocus());  // a click elsewhere on a canvas keeps it
    TakeEvents();

    struct Case { Qt::Key key; int code; } cases[] = {
        {Qt::Key_Left, KeyLeft}, {Qt::Key_Up, KeyUp},         {Qt::Key_Right, KeyRight},   {Qt::Key_Down, KeyDown},
        {Qt::Key_Insert, KeyInsert}, {Qt::Key_Delete, KeyDelete}, {Qt::Key_A, 'A'},        {Qt::Key_7, '7'},
        {Qt::Key_F1, 0},
    };
    for (const Case& c : cases) {
        QTest::keyClick(win, c.key);
        auto events = TakeControlEvents(Focusable);
        ASSERT_EQ(Types(events), (std::vector<T>{T::KeyDown, T::KeyUp})) << c.code;
        EXPECT_EQ(events[0].key, c.code);
        EXPECT_EQ(events[1].key, c.code);
    }
}

TEST_F(CanvasEvents, AutoRepeatReleasesAreDropped) {
    SetKeyboardFocus(Focusable);
    QWidget* focusable = ControlWidget(Focusable);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), false);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), false);
    for (QKeyEvent* e : {&press, &repeatRelease, &repeatPress, &release}) QCoreApplication::sendEvent(focusable, e);
    auto events = TakeControlEvents(Focusable);
    EXPECT_EQ(Types(events), (std::vector<T>{T::KeyDown, T::KeyDown, T::KeyUp}));
}

TEST_F(CanvasEvents, DroppedFilesArriveAsOnePathPerLine) {
    AcceptFileDrops(Plain);
    QWidget* canvas = ControlWidget(Plain);
    EXPECT_TRUE(canvas->acceptDrops());
    EXPECT_FALSE(ControlWidget(Framed)->acceptDrops());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/tmp/one.fnt"), QUrl("https://example.org/x"), QUrl::fromLocalFile("/tmp/two words.map")});
    QPoint at(10, 10);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &drop);
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    auto events = TakeEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, EventKind::FilesDropped);
    EXPECT_EQ(events[0].control, Plain);
    EXPECT_EQ(events[0].text, "/tmp/one.fnt\n/tmp/two words.map");

    QMimeData text;
    text.setText("not a file");
    QDragEnterEvent refused(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(CanvasEvents, CanvasShowsItsPictureInsideTheFrame) {
    ASSERT_TRUE(BeginDrawing(Framed));
    FillBox(0, 0, 96, 76, Rgb(10, 20, 30));
    FillBox(0, 0, 1, 1, Rgb(250, 0, 0));
    FillBox(95, 75, 1, 1, Rgb(0, 0, 250));
    EndDrawing();
    QImage shot = ControlWidget(Framed)->grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(250, 0, 0));
    EXPECT_EQ(shot.pixelColor(97, 77), QColor(0, 0, 250));
    EXPECT_EQ(shot.pixelColor(50, 40), QColor(10, 20, 30));
    EXPECT_NE(shot.pixelColor(0, 0), QColor(250, 0, 0));  // the frame, not the picture
    auto* frame = qobject_cast<QFrame*>(ControlWidget(Framed));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->frameWidth(), 2);
    EXPECT_EQ(PictureWidth(Framed), 96);
    EXPECT_EQ(PictureHeight(Framed), 76);
}

}  // namespace

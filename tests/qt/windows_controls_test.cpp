// Windows, controls and menus of the Qt backend.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTextEdit>

#include "qt_support.h"

namespace {

using T = ControlEventType;

TEST_F(QtTest, WindowsKeepTheirClientSizeAndAskBeforeClosing) {
    ASSERT_TRUE(OpenWindow(0, "pixmosa v2 0.9d ÿ", 640, 480, true));
    ASSERT_TRUE(OpenWindow(1, "Character map", 522, 394, false, 0, 40, 40));
    EXPECT_FALSE(OpenWindow(0, "again", 10, 10, true));
    QMainWindow* main = WindowWidget(0);
    QMainWindow* map = WindowWidget(1);
    EXPECT_EQ(WindowTitle(0), "pixmosa v2 0.9d ÿ");  // UTF-8 both ways
    EXPECT_TRUE(IsWindowShown(0));
    EXPECT_FALSE(IsWindowShown(1));
    EXPECT_EQ(map->pos(), main->pos() + QPoint(40, 40));
    EXPECT_EQ(map->parentWidget(), nullptr);  // a window of its own
    for (QMainWindow* w : {main, map}) {
        Qt::WindowFlags f = w->windowFlags();
        EXPECT_TRUE(f & Qt::WindowCloseButtonHint);
        EXPECT_TRUE(f & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(f & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(w->minimumSize(), w->maximumSize());  // not resizable
    }

    // The menu bar takes its height out of the client area; the window keeps its size.
    ASSERT_TRUE(CreateMenuBar(0, 0));
    AddMenuItem(AddSubmenu(0, "File"), 1, "Quit");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    QTest::qWait(1);
    EXPECT_EQ(main->size(), QSize(640, 480));
    EXPECT_EQ(WindowContent(0)->y(), main->menuBar()->height());
    EXPECT_GT(WindowContent(0)->height(), 360);  // the controls end at 360

    main->close();
    auto events = TakeEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, EventKind::CloseRequest);
    EXPECT_EQ(events[0].window, 0);
    EXPECT_TRUE(IsWindowShown(0));

    ShowWindow(1, true);
    EXPECT_TRUE(IsWindowShown(1));
    SetWindowTitle(1, "Character map (0,0):32[20]");
    EXPECT_EQ(map->windowTitle(), "Character map (0,0):32[20]");
}

class Controls : public QtTest {
protected:
    void SetUp() override {
        QtTest::SetUp();
        ASSERT_TRUE(OpenWindow(0, "controls", 640, 480, true));
        const ControlLayout layouts[] = {
            {7, 0, -1, ControlKind::Label, 20, 260, 255, 20, "Begin range:0", "", OptCentred | OptLiteralAmpersand, 0, 0, 0},
            {5, 0, -1, ControlKind::Slider, 20, 280, 255, 30, "", "", OptTickEveryValue, 0, 255, 0},
            {4, 0, -1, ControlKind::CheckBox, 0, 310, 20, 20, "", "Enable range", 0, 0, 0, 0},
            {9, 0, -1, ControlKind::PushButton, 262, 128, 32, 20, "<", "shift left", 0, 0, 0, 0},
            {3, 0, -1, ControlKind::TextField, 262, 148, 128, 40, "", "Data for char",
             OptSunkenBorder | OptCentred | OptRightAligned | OptMultiLine | OptAutoHScroll, 0, 0, 0},
            {13, 0, -1, ControlKind::ScrollArea, 300, 200, 200, 150, "", "", OptSunkenBorder, 0, 0, 0},
            {2, 0, 13, ControlKind::Canvas, 0, 0, 1280, 800, "", "", 0, 0, 0, 0},
        };
        for (const ControlLayout& layout : layouts) ASSERT_TRUE(CreateControl(layout)) << layout.id;
        win = Exposed(0);
        ASSERT_NE(win, nullptr);
        TakeEvents();
    }
    QWindow* win = nullptr;
};

TEST_F(Controls, ControlsSitWhereAndAsTheyWereAsked) {
    EXPECT_FALSE(CreateControl({5, 0, -1, ControlKind::Label, 0, 0, 10, 10, "", "", 0, 0, 0, 0}));  // taken
    EXPECT_FALSE(CreateControl({20, 0, 99, ControlKind::Label, 0, 0, 10, 10, "", "", 0, 0, 0, 0}));  // no such area
    EXPECT_EQ(ControlWidget(7)->geometry(), QRect(20, 260, 255, 20));
    EXPECT_EQ(ControlWidget(9)->toolTip(), "shift left");
    EXPECT_EQ(ControlWidget(4)->toolTip(), "Enable range");
    auto* slider = qobject_cast<QSlider*>(ControlWidget(5));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->minimum(), 0);
    EXPECT_EQ(slider->maximum(), 255);
    EXPECT_EQ(slider->tickInterval(), 1);
    EXPECT_NE(slider->tickPosition(), QSlider::NoTicks);
    // The map canvas lives in the scroll area's inner widget at (0, 0).
    auto* area = qobject_cast<QScrollArea*>(ControlWidget(13));
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(ControlWidget(2)->parentWidget(), area->widget());
    EXPECT_EQ(ControlWidget(2)->pos(), QPoint(0, 0));
    SetScrollInnerSize(13, 640, 384, 16);
    EXPECT_EQ(area->widget()->size(), QSize(640, 384));
    EXPECT_EQ(area->horizontalScrollBar()->singleStep(), 16);
    EXPECT_EQ(area->verticalScrollBar()->singleStep(), 16);
    EXPECT_EQ(area->horizontalScrollBar()->maximum(), 640 - area->viewport()->width());
    EXPECT_EQ(ControlWidget(2)->focusPolicy(), Qt::NoFocus);
}

TEST_F(Controls, TextsReadBackAsTheyWereSet) {
    EXPECT_EQ(ControlText(7), "Begin range:0");
    SetControlText(7, "BeginRange:38:&");
    EXPECT_EQ(ControlText(7), "BeginRange:38:&");
    SetControlText(3, "24,60,102,126,102,102,102,0");
    EXPECT_EQ(ControlText(3), "24,60,102,126,102,102,102,0");
    EXPECT_EQ(qobject_cast<QTextEdit*>(ControlWidget(3))->lineWrapMode(), QTextEdit::NoWrap);
    EXPECT_EQ(ControlText(9), "<");
    EXPECT_EQ(ControlText(99), "");
    SetToolTip(9, "shift");
    EXPECT_EQ(ControlWidget(9)->toolTip(), "shift");
}

TEST_F(Controls, SliderReportsTheUsersMovesButNotTheProgramsOwn) {
    SetSliderPosition(5, 65);
    EXPECT_EQ(SliderPosition(5), 65);
    EXPECT_TRUE(TakeEvents().empty());

    QWidget* slider = ControlWidget(5);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    QTest::keyClick(slider, Qt::Key_Right);
    auto events = TakeControlEvents(5);
    EXPECT_EQ(Types(events), (std::vector<T>{T::Changed, T::Changed}));
    EXPECT_EQ(SliderPosition(5), 67);

    // Every step of a drag of the thumb is reported.
    auto* s = qobject_cast<QSlider*>(slider);
    s->setSliderDown(true);
    for (int v : {68, 69, 70}) s->setSliderPosition(v);
    s->setSliderDown(false);
    EXPECT_EQ(TakeControlEvents(5).size(), 3u);
}

TEST_F(Controls, ButtonClicksAndCheckBoxState) {
    QTest::mouseClick(ControlWidget(9), Qt::LeftButton);
    EXPECT_EQ(Types(TakeControlEvents(9)), (std::vector<T>{T::Clicked}));
    EXPECT_FALSE(IsCheckBoxChecked(4));
    QTest::mouseClick(ControlWidget(4), Qt::LeftButton);
    EXPECT_TRUE(IsCheckBoxChecked(4));
    QTest::mouseClick(ControlWidget(4), Qt::LeftButton);
    EXPECT_FALSE(IsCheckBoxChecked(4));
}

class Menus : public QtTest {
protected:
    void SetUp() override {
        QtTest::SetUp();
        ASSERT_TRUE(OpenWindow(0, "main", 640, 480, true));
        ASSERT_TRUE(OpenWindow(1, "map", 300, 200, true, 0, 40, 40));
        ASSERT_TRUE(CreateMenuBar(0, 0));
        file = AddSubmenu(0, "File");
        chr = AddSubmenu(0, "Char");
        save = AddSubmenu(file, "Save");
        AddMenuItem(file, 0, "Open...\tCtrl+O");
        AddMenuItem(save, 2, "ZX 96 chars(768bytes)");
        AddMenuSeparator(save);
        AddMenuItem(chr, 18, "Drag mode:swap");
        AddMenuItem(chr, 19, "Drag mode:copy");
        AddMenuItem(chr, 16, "Set begin range");
        ASSERT_TRUE(CreatePopupMenu(2));
        AddMenuItem(2, 16, "Set begin range");
        BindCtrlShortcut(0, 'I', 7);
    }
    int file = -1, chr = -1, save = -1;
};

QAction* Item(int menu, int command) {
    for (QAction* a : MenuWidget(menu)->actions())
        if (a->data().isValid() && a->data().toInt() == command) return a;
    return nullptr;
}

TEST_F(Menus, TreeNumbersAndTexts) {
    EXPECT_EQ(file, 100);
    EXPECT_EQ(chr, 101);
    EXPECT_EQ(save, 102);
    EXPECT_TRUE(MenuExists(0));
    EXPECT_TRUE(MenuExists(2));
    EXPECT_FALSE(MenuExists(3));
    EXPECT_FALSE(CreateMenuBar(5, 0));  // the window has one already
    EXPECT_EQ(AddSubmenu(3, "x"), -1);
    // The hint after the tab stays in the text; the menu shows it right-aligned.
    EXPECT_EQ(Item(file, 0)->text(), "Open...\tCtrl+O");
    auto* fileMenu = qobject_cast<QMenu*>(MenuWidget(file));
    ASSERT_NE(fileMenu, nullptr);
    EXPECT_EQ(fileMenu->title(), "File");
    EXPECT_EQ(MenuWidget(save)->actions().size(), 2);
    EXPECT_TRUE(MenuWidget(save)->actions()[1]->isSeparator());
}

TEST_F(Menus, CheckMarksBelongToTheTreeOfTheirRootAndOnlyTheProgramSetsThem) {
    SetMenuCheck(0, 18, true);
    SetMenuCheck(0, 16, true);
    EXPECT_TRUE(IsMenuChecked(0, 18));
    EXPECT_FALSE(IsMenuChecked(0, 19));
    EXPECT_TRUE(IsMenuChecked(0, 16));
    EXPECT_FALSE(IsMenuChecked(2, 16));  // the popup's item of the same command
    EXPECT_FALSE(Item(chr, 19)->isCheckable());  // no empty box beside unchecked items
    SetMenuCheck(0, 16, false);
    EXPECT_FALSE(IsMenuChecked(0, 16));

    // Choosing an item queues its command and leaves its mark as it was.
    Item(chr, 18)->trigger();
    Item(chr, 19)->trigger();
    auto events = TakeEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, EventKind::MenuCommand);
    EXPECT_EQ(events[0].command, 18);
    EXPECT_EQ(events[1].command, 19);
    EXPECT_TRUE(IsMenuChecked(0, 18));
    EXPECT_FALSE(IsMenuChecked(0, 19));
}

TEST_F(Menus, PopupItemQueuesItsCommand) {
    Item(2, 16)->trigger();
    auto events = TakeEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].command, 16);
}

TEST_F(Menus, CtrlShortcutActsOnlyWhileItsWindowIsActive) {
    QMainWindow* main = WindowWidget(0);
    QMainWindow* map = WindowWidget(1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(map));
    map->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(map));
    QTest::keyClick(map->windowHandle(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(TakeEvents().empty());
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main->windowHandle(), Qt::Key_I, Qt::ControlModifier);
    auto events = TakeEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, EventKind::MenuCommand);
    EXPECT_EQ(events[0].command, 7);
}

}  // namespace

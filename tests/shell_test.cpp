#include <algorithm>

#include "support/fixture.h"

namespace {

TEST_F(EditorTest, StartupState) {
    EXPECT_EQ(s.CurrentCode, 0);
    EXPECT_EQ(s.CursorColumn, 0);
    EXPECT_EQ(s.CursorRow, 0);
    EXPECT_EQ(s.InkColour, Rgb(255, 255, 255));
    EXPECT_EQ(s.PaperColour, Rgb(0, 0, 0));
    EXPECT_EQ(s.DragActive, 0);
    EXPECT_EQ(s.MapWidth, 40);
    EXPECT_EQ(s.MapHeight, 24);
    EXPECT_EQ(s.MapGridShown, 1);
    EXPECT_EQ(s.MapWindowAvailable, 1);
    EXPECT_EQ(s.PopupCellColumn, -1);
    EXPECT_EQ(s.PopupCellRow, -1);
    EXPECT_TRUE(std::all_of(s.CharsetStore.begin(), s.CharsetStore.end(), [](uint8_t b) { return b == 0; }));
    for (int y = 0; y < MapRows; ++y) {
        EXPECT_EQ(s.MapCell(0, y), 32);
        EXPECT_EQ(s.MapCell(80, y), 112);
    }
    EXPECT_EQ(s.MapCell(5, 50), 37);
    EXPECT_FALSE(s.LastDirectory.empty());
    EXPECT_EQ(s.LastDirectory.back(), '/');
    for (auto [v, r] : {std::pair{1, 128}, {3, 192}, {15, 240}, {18, 72}, {255, 255}, {0, 0}})
        EXPECT_EQ(s.BitReverseTable[size_t(v)], r) << v;

    EXPECT_EQ(WindowTitle(MainWindow), "pixmosa v2 0.9d");
    EXPECT_TRUE(IsWindowShown(MainWindow));
    EXPECT_EQ(WindowTitle(MapWindow), "Character map");
    EXPECT_FALSE(IsWindowShown(MapWindow));
    EXPECT_EQ(FocusedControl(), OverviewCanvas);
    EXPECT_TRUE(AcceptsFileDrops(OverviewCanvas));
    EXPECT_TRUE(AcceptsFileDrops(MapCanvas));
    EXPECT_TRUE(MessagesShown().empty());
}

struct ControlCase {
    int id;
    ControlKind kind;
    int x, y, w, h;
    const char* text;
    const char* tooltip;
};

TEST_F(EditorTest, ControlsWhereTheyBelong) {
    const ControlCase cases[] = {
        {OverviewCanvas, ControlKind::Canvas, 0, 0, 260, 260, "", ""},
        {RangeBeginLabel, ControlKind::Label, 20, 260, 255, 20, "Begin range:0", ""},
        {RangeBeginSlider, ControlKind::Slider, 20, 280, 255, 30, "", ""},
        {RangeEndLabel, ControlKind::Label, 20, 310, 255, 20, "End range:0", ""},
        {RangeEndSlider, ControlKind::Slider, 20, 330, 255, 30, "", ""},
        {RangeCheckBox, ControlKind::CheckBox, 0, 310, 20, 20, "", "Enable range"},
        {ShiftLeftButton, ControlKind::PushButton, 262, 128, 32, 20, "<", "shift left"},
        {ShiftUpButton, ControlKind::PushButton, 294, 128, 32, 20, "^", "shift up"},
        {ShiftDownButton, ControlKind::PushButton, 326, 128, 32, 20, "v", "shift down"},
        {ShiftRightButton, ControlKind::PushButton, 358, 128, 32, 20, ">", "shift right"},
        {GlyphDataField, ControlKind::TextField, 262, 148, 128, 40, "0,0,0,0,0,0,0,0", "Data for char"},
        {GlyphCanvas, ControlKind::Canvas, 262, 0, 128, 128, "", ""},
        {MapScrollArea, ControlKind::ScrollArea, 0, 0, 522, 394, "", ""},
        {MapCanvas, ControlKind::Canvas, 0, 0, 1280, 800, "", ""},
    };
    for (const ControlCase& c : cases) {
        ASSERT_TRUE(ControlExists(c.id)) << c.id;
        ControlLayout layout = ControlLayoutOf(c.id);
        EXPECT_EQ(layout.kind, c.kind) << c.id;
        EXPECT_EQ(layout.window, c.id >= MapCanvas && (c.id == MapCanvas || c.id == MapScrollArea) ? MapWindow : MainWindow) << c.id;
        EXPECT_EQ(layout.x, c.x) << c.id;
        EXPECT_EQ(layout.y, c.y) << c.id;
        EXPECT_EQ(layout.w, c.w) << c.id;
        EXPECT_EQ(layout.h, c.h) << c.id;
        EXPECT_EQ(ControlText(c.id), c.text) << c.id;
        EXPECT_EQ(ToolTip(c.id), c.tooltip) << c.id;
    }
    EXPECT_EQ(PictureWidth(OverviewCanvas), 256);
    EXPECT_EQ(PictureHeight(OverviewCanvas), 256);
    EXPECT_EQ(PictureWidth(MapCanvas), 1280);
    EXPECT_EQ(SliderPosition(RangeBeginSlider), 0);
    EXPECT_EQ(ControlLayoutOf(RangeEndSlider).maximum, 255);
    EXPECT_FALSE(IsCheckBoxChecked(RangeCheckBox));
    EXPECT_TRUE(ControlLayoutOf(OverviewCanvas).options & OptTakesFocus);
    EXPECT_FALSE(ControlLayoutOf(GlyphCanvas).options & OptTakesFocus);
    EXPECT_FALSE(ControlLayoutOf(MapCanvas).options & OptTakesFocus);
    EXPECT_EQ(ControlLayoutOf(MapCanvas).parent, MapScrollArea);
    int w, h, step;
    ScrollInnerSize(MapScrollArea, w, h, step);
    EXPECT_EQ(w, 522);
    EXPECT_EQ(h, 394);
    EXPECT_EQ(step, 16);
}

// The menu tree flattened to one line per item: depth, command or kind, text, check mark.
std::string Flatten(int menu, int depth = 0) {
    std::string out;
    for (const MenuItemRecord& item : MenuItems(menu)) {
        out += std::string(size_t(depth) * 2, ' ');
        if (item.separator) out += "---\n";
        else if (item.submenu >= 0) out += item.text + "\n" + Flatten(item.submenu, depth + 1);
        else out += std::to_string(item.command) + " " + item.text + (item.checked ? " [x]" : "") + "\n";
    }
    return out;
}

TEST_F(EditorTest, MenuTree) {
    EXPECT_EQ(WindowMenuBar(MainWindow), MainMenu);
    EXPECT_EQ(Flatten(MainMenu),
              "File\n"
              "  0 Open...\tCtrl+O\n"
              "  Save\n"
              "    2 ZX 96 chars(768bytes)\n"
              "    3 Atari 128 chars(1024bytes)\n"
              "    4 IBM 256 chars(2048bytes)\n"
              "    ---\n"
              "    5 Character_map\n"
              "    6 Characters image\n"
              "  1 Quit\n"
              "Char\n"
              "  Map\n"
              "    21 ZX 32x24\n"
              "    22 Atari 40x24\n"
              "    23 C64 40x25\n"
              "    24 PC 80x50\n"
              "    25 USSR 64x30\n"
              "    ---\n"
              "    26 Fill map with current char\n"
              "    27 Grid on map [x]\n"
              "  Charset\n"
              "    28 IBM PC CGA\n"
              "    31 IBM PC 866\n"
              "    ---\n"
              "    32 ZX Spectrum\n"
              "    33 ZX80\n"
              "    35 Jupiter Ace\n"
              "    ---\n"
              "    29 C64 CAPS\n"
              "    30 Atari XL\n"
              "    34 Microsha(USSR)\n"
              "    ---\n"
              "    36 Hex numbers\n"
              "  ---\n"
              "  18 Drag mode:swap [x]\n"
              "  19 Drag mode:copy\n"
              "  ---\n"
              "  39 rotate clockwise\n"
              "  40 rotate anticlockwise\n"
              "  ---\n"
              "  38 Color for bit=0...\n"
              "  37 Color for bit=1...\n"
              "  ---\n"
              "  10 Erase all charset\n"
              "  11 Clear character\n"
              "  7 Invert\tCtrl+I\n"
              "  8 Revert char left-right\n"
              "  9 Revert char up-down\n"
              "  ---\n"
              "  16 Set begin range\n"
              "  17 Set end range\n"
              "  20 Copy data range to current\n"
              "  ---\n"
              "  12 Char shift left\n"
              "  13 Char shift right\n"
              "  14 Char shift up\n"
              "  15 Char shift down\n");
    EXPECT_EQ(Flatten(RangePopup), "16 Set begin range\n17 Set end range\n20 Copy data range to current\n");
    EXPECT_EQ(Flatten(MapPopup),
              "41 Insert char\n42 Delete char\n---\n43 Insert row\n44 Delete row\n---\n45 Insert column\n46 Delete column\n");
    ASSERT_EQ(Shortcuts().size(), 2u);
    EXPECT_EQ(Shortcuts()[0].window, MainWindow);
    EXPECT_EQ(Shortcuts()[0].key, 'I');
    EXPECT_EQ(Shortcuts()[0].command, 7);
    EXPECT_EQ(Shortcuts()[1].key, 'O');
    EXPECT_EQ(Shortcuts()[1].command, 0);
}

TEST(Startup, MenuFailuresAreReportedAndStartupGoesOn) {
    const std::pair<int, const char*> cases[] = {
        {MainMenu, "create menu error!"}, {RangePopup, "create menu #2 error!"}, {MapPopup, "create menu #3 error!"}};
    for (auto [menu, text] : cases) {
        HeadlessReset();
        FailMenu(menu);
        EditorState s;
        ASSERT_TRUE(Startup(s, 0, nullptr));
        ASSERT_EQ(MessagesShown().size(), 1u) << text;
        EXPECT_EQ(MessagesShown()[0].title, "pxmsa");
        EXPECT_EQ(MessagesShown()[0].text, text);
        EXPECT_FALSE(MenuExists(menu));
        for (int other : {MainMenu, RangePopup, MapPopup}) {
            if (other != menu) {
                EXPECT_TRUE(MenuExists(other)) << other;
            }
        }
        EXPECT_EQ(Shortcuts().size(), menu == MainMenu ? 0u : 2u) << "shortcuts belong to the menu bar";
    }
}

TEST(Startup, WithoutTheMainWindowNothingStarts) {
    HeadlessReset();
    FailWindow(MainWindow);
    EditorState s;
    EXPECT_FALSE(Startup(s, 0, nullptr));
    EXPECT_TRUE(MessagesShown().empty());
}

TEST(Startup, WithoutTheMapWindowTheEditorRunsOn) {
    HeadlessReset();
    FailWindow(MapWindow);
    EditorState s;
    ASSERT_TRUE(Startup(s, 0, nullptr));
    EXPECT_EQ(s.MapWindowAvailable, 0);
    ASSERT_EQ(MessagesShown().size(), 1u);
    EXPECT_EQ(MessagesShown()[0].title, "Pixmosa");
    EXPECT_EQ(MessagesShown()[0].text, "Character Map not available");
    HandleGlyphCanvasEvent(s, {ControlEventType::LeftDown, 0, 0, ButtonLeft, 0});
    EXPECT_EQ(s.CharsetStore[0], 128);
    EXPECT_EQ(ControlText(GlyphDataField), "128,0,0,0,0,0,0,0");
}

TEST_F(EditorTest, LoopEndsOnEscapeQuitAndMainWindowClose) {
    PostCloseRequest(MapWindow);
    PostMenuCommand(1);
    PostMenuCommand(27);  // not reached
    EXPECT_FALSE(RunPostedEvents(s));
    EXPECT_EQ(s.MapGridShown, 1);

    StartEditor(s);
    PostCloseRequest(MainWindow);
    PostMenuCommand(27);
    EXPECT_FALSE(RunPostedEvents(s));
    EXPECT_EQ(s.MapGridShown, 1);

    StartEditor(s);
    SetKeyHeld(KeyEscape, true);
    PostControlEvent(GlyphCanvas, ControlEventType::LeftDown, 0, 0, ButtonLeft);
    RunEventLoop(s);
    EXPECT_EQ(s.CharsetStore[0], 0) << "the event that woke the loop is not handled";
}

TEST_F(EditorTest, ClosingTheMapWindowOnlyHidesIt) {
    ShowWindow(MapWindow, true);
    PostCloseRequest(MapWindow);
    PostControlEvent(GlyphCanvas, ControlEventType::LeftDown, 0, 0, ButtonLeft);
    EXPECT_TRUE(RunPostedEvents(s));
    EXPECT_FALSE(IsWindowShown(MapWindow));
    EXPECT_EQ(s.CharsetStore[0], 128);
}

TEST_F(EditorTest, ColourCommands) {
    // Cancel: nothing changes, nothing is drawn.
    FailDrawing(GlyphCanvas, 1);  // would report if anything redrew
    ScriptColourDialog(-1);
    DispatchCommand(s, 37);
    EXPECT_EQ(s.InkColour, Rgb(255, 255, 255));
    EXPECT_TRUE(MessagesShown().empty());
    FailDrawing(GlyphCanvas, 0);

    s.CharsetStore[0] = 0x80;
    ScriptColourDialog(Rgb(10, 20, 30));
    DispatchCommand(s, 37);
    EXPECT_EQ(s.InkColour, Rgb(10, 20, 30));
    ScriptColourDialog(Rgb(1, 2, 3));
    DispatchCommand(s, 38);
    EXPECT_EQ(s.PaperColour, Rgb(1, 2, 3));
    EXPECT_EQ(PixelAt(s.OverviewImage, 0, 0), Rgb(10, 20, 30));
    EXPECT_EQ(PixelAt(s.OverviewImage, 2, 0), Rgb(1, 2, 3));
    EXPECT_EQ(PixelAt(GlyphCanvas, 5, 5), Rgb(10, 20, 30));
    EXPECT_EQ(PixelAt(GlyphCanvas, 20, 5), Rgb(1, 2, 3));
    ASSERT_EQ(DialogsShown().size(), 3u);
    EXPECT_EQ(DialogsShown()[1].kind, "colour");
}

TEST_F(EditorTest, DispatchAndRoutingTables) {
    EXPECT_STREQ(CommandName(0), "CmdOpen");
    EXPECT_STREQ(CommandName(25), "CmdMapSize64x30");
    EXPECT_STREQ(CommandName(46), "CmdMapDeleteColumn");
    EXPECT_STREQ(CommandName(47), "");
    // Numbers outside 0..46 and controls without a route do nothing.
    EditorState before = s;
    for (int command : {-1, 47, 1000}) DispatchCommand(s, command);
    for (int control : std::initializer_list<int>{GlyphDataField, RangeCheckBox, RangeBeginLabel, RangeEndLabel, MapScrollArea, 99})
        RouteControlEvent(s, control, {ControlEventType::LeftDown, 0, 0, ButtonLeft, 0});
    EXPECT_EQ(s.CharsetStore, before.CharsetStore);
    EXPECT_EQ(s.QuitRequested, 0);
    // The glyph canvas route reaches the editor.
    RouteControlEvent(s, GlyphCanvas, {ControlEventType::LeftDown, 0, 0, ButtonLeft, 0});
    EXPECT_EQ(s.CharsetStore[0], 128);
}

TEST_F(EditorTest, TypingIntoTheDataFieldChangesNothing) {
    SetControlText(GlyphDataField, "255,255");
    EXPECT_EQ(s.CharsetStore[0], 0);
    HandleGlyphCanvasEvent(s, {ControlEventType::LeftDown, 0, 0, ButtonLeft, 0});
    EXPECT_EQ(ControlText(GlyphDataField), "128,0,0,0,0,0,0,0");
}

}  // namespace

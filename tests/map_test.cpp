#include <cstdint>
#include <vector>

#include "support/fixture.h"

namespace {

using T = ControlEventType;
constexpr int CanvasW = 1280, CanvasH = 800;
const Colour Red = Rgb(255, 0, 0);

std::vector<Colour> CanvasNow() {
    std::vector<Colour> px(size_t(CanvasW) * CanvasH);
    for (int y = 0; y < CanvasH; ++y)
        for (int x = 0; x < CanvasW; ++x) px[size_t(y) * CanvasW + x] = PixelAt(MapCanvas, x, y);
    return px;
}

// The map drawn over `canvas` exactly as the drawing rules read, box by box and plot by plot.
std::vector<Colour> ReferenceMap(const EditorState& s, std::vector<Colour> canvas) {
    auto box = [&](int x, int y, int w, int h, Colour c) {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i) canvas[size_t(j) * CanvasW + i] = c;
    };
    box(0, 0, 16 * s.MapWidth, 16 * s.MapHeight, s.PaperColour);
    for (int r = 0; r < s.MapHeight; ++r)
        for (int c = 0; c < s.MapWidth; ++c) {
            const int code = s.MapCell(c, r);
            for (int k = 0; k < 8; ++k)
                for (int j = 0; j < 8; ++j)
                    if (s.CharsetStore[size_t(8 * code + k)] & (128 >> j)) box(16 * c + 2 * j, 16 * r + 2 * k, 2, 2, s.InkColour);
        }
    if (s.MapGridShown)
        for (int r = 0; r < s.MapHeight; ++r)
            for (int c = 0; c < s.MapWidth; ++c)
                for (int l = 0; l < 16; l += 2) {
                    box(16 * c + l, 16 * r, 1, 1, s.InkColour);
                    box(16 * c + l + 1, 16 * r, 1, 1, s.PaperColour);
                    box(16 * c, 16 * r + l, 1, 1, s.PaperColour);
                    box(16 * c, 16 * r + l + 1, 1, 1, s.InkColour);
                }
    return canvas;
}

// First differing pixel as "x,y", or "" when the canvas matches.
std::string FirstDifference(const std::vector<Colour>& a, const std::vector<Colour>& b) {
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return std::to_string(i % CanvasW) + "," + std::to_string(i / CanvasW);
    return "";
}

void FillWithNoise(EditorState& s) {
    uint32_t x = 2024;
    auto next = [&] { return x = x * 1103515245u + 12345u, x >> 16; };
    for (auto& b : s.CharsetStore) b = uint8_t(next());
    for (int r = 0; r < MapRows; ++r)
        for (int c = 0; c < MapColumns; ++c) s.MapCell(c, r) = int32_t(next() & 255);
}

TEST_F(EditorTest, OneBlankCellWithTheGridOnAndOff) {
    SetMapSize(s, 40, 24);
    const int x0 = 16 * 3, y0 = 16 * 2;  // cell (3, 2)
    const Colour ink = s.InkColour, paper = s.PaperColour;
    for (int o = 0; o < 16; ++o) {
        EXPECT_EQ(PixelAt(MapCanvas, x0 + o, y0), (o >= 2 && o % 2 == 0) ? ink : paper) << "top edge at " << o;
        EXPECT_EQ(PixelAt(MapCanvas, x0, y0 + o), (o % 2 == 1) ? ink : paper) << "left edge at " << o;
    }
    for (int y = 1; y < 16; ++y)
        for (int x = 1; x < 16; ++x) ASSERT_EQ(PixelAt(MapCanvas, x0 + x, y0 + y), paper) << x << "," << y;

    DispatchCommand(s, 27);
    EXPECT_EQ(s.MapGridShown, 0);
    EXPECT_FALSE(IsMenuChecked(MainMenu, 27));
    for (int y = 0; y < 16 * 24; ++y)
        for (int x = 0; x < 16 * 40; ++x) ASSERT_EQ(PixelAt(MapCanvas, x, y), paper) << x << "," << y;

    DispatchCommand(s, 27);
    EXPECT_EQ(s.MapGridShown, 1);
    EXPECT_TRUE(IsMenuChecked(MainMenu, 27));
    EXPECT_EQ(PixelAt(MapCanvas, x0 + 2, y0), ink);
}

TEST_F(EditorTest, TheGridCoversHalfOfTheFirstLineAndColumnOfAGlyph) {
    s.InkColour = Rgb(250, 200, 10);
    s.PaperColour = Rgb(5, 6, 7);
    SetRows(s, 'A', {0xC0, 0x80, 0, 0, 0, 0, 0, 0x01});
    s.MapCell(0, 0) = 'A';
    SetMapSize(s, 32, 24);
    struct Probe { int x, y; Colour c; };
    const Probe withGrid[] = {
        {0, 0, s.PaperColour},  // corner: ink block, then grid ink, then grid paper
        {1, 0, s.PaperColour},  // odd top offset
        {2, 0, s.InkColour}, {3, 0, s.PaperColour},
        {0, 1, s.InkColour}, {1, 1, s.InkColour}, {0, 2, s.PaperColour}, {0, 3, s.InkColour},
        {14, 14, s.InkColour}, {15, 15, s.InkColour}, {13, 14, s.PaperColour},
    };
    for (const Probe& p : withGrid) EXPECT_EQ(PixelAt(MapCanvas, p.x, p.y), p.c) << p.x << "," << p.y;
    DispatchCommand(s, 27);
    for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {3, 1}, {0, 2}, {1, 3}})
        EXPECT_EQ(PixelAt(MapCanvas, x, y), s.InkColour) << x << "," << y;
}

TEST_F(EditorTest, TheWholeMapFollowsTheDrawingRules) {
    FillWithNoise(s);
    s.InkColour = Rgb(17, 200, 99);
    s.PaperColour = Rgb(240, 3, 60);
    const std::pair<int, int> sizes[] = {{24, 80 * 50}, {21, 32 * 24}, {25, 64 * 30}, {23, 40 * 25}, {22, 40 * 24}};
    for (int grid : {1, 0}) {
        if (s.MapGridShown != grid) DispatchCommand(s, 27);
        for (auto [command, cells] : sizes) {
            std::vector<Colour> before = CanvasNow();
            DispatchCommand(s, command);
            ASSERT_EQ(s.MapWidth * s.MapHeight, cells);
            // Only the visible map is drawn; the rest of the canvas keeps what it had.
            EXPECT_EQ(FirstDifference(CanvasNow(), ReferenceMap(s, before)), "") << command << " grid " << grid;
        }
    }
}

struct ScreenCase {
    const char* what;
    int x, y, columns, rows, scale;
    int overlay;  // 0 none, 1 random, 2 every row partial and different, 3 whole rows only
};

// The map's drawing primitive against the same cells drawn one by one with its overlay plots after each.
TEST_F(EditorTest, ABitmapScreenIsItsCellsDrawnOneByOne) {
    const ScreenCase cases[] = {
        {"whole canvas", 0, 0, 80, 50, 2, 1},
        {"offset, every overlay row its own", 3, 5, 10, 7, 2, 2},
        {"whole overlay rows", 16, 0, 5, 3, 2, 3},
        {"no overlay", 7, 1, 9, 9, 2, 0},
        {"clipped at the top left", -7, -9, 12, 9, 2, 1},
        {"clipped at the bottom right", 1200, 780, 10, 5, 2, 2},
        {"scale 3", 2, 2, 5, 4, 3, 1},
    };
    uint32_t seed = 99;
    auto next = [&] { return seed = seed * 1103515245u + 12345u, seed >> 16; };
    for (auto& b : s.CharsetStore) b = uint8_t(next());
    const int screen = CreatePicture(CanvasW, CanvasH), cells = CreatePicture(CanvasW, CanvasH);
    const Colour ink = Rgb(9, 180, 77), paper = Rgb(200, 100, 3);
    for (const ScreenCase& c : cases) {
        const int size = 8 * c.scale;
        std::vector<uint8_t> overlay(size_t(size) * size);
        for (int i = 0; i < size * size; ++i) {
            const int row = i / size, col = i % size;
            if (c.overlay == 1) overlay[size_t(i)] = uint8_t(next() % 3);
            if (c.overlay == 2) overlay[size_t(i)] = col == row ? OverlayInk : col == (row + 3) % size ? OverlayPaper : OverlayKeep;
            if (c.overlay == 3) overlay[size_t(i)] = row % 3 == 0 ? OverlayInk : row % 3 == 1 ? OverlayPaper : OverlayKeep;
        }
        std::vector<const uint8_t*> bitmaps;
        for (int i = 0; i < c.columns * c.rows; ++i) bitmaps.push_back(s.Glyph(int(next() & 255)));
        for (int pic : {screen, cells}) {
            ASSERT_TRUE(BeginDrawing(pic));
            FillBox(0, 0, CanvasW, CanvasH, Rgb(1, 2, 3));
            EndDrawing();
        }
        ASSERT_TRUE(BeginDrawing(screen));
        DrawBitmapScreen(c.x, c.y, c.columns, c.rows, bitmaps.data(), c.scale, ink, paper, c.overlay ? overlay.data() : nullptr);
        EndDrawing();
        ASSERT_TRUE(BeginDrawing(cells));
        for (int r = 0; r < c.rows; ++r)
            for (int col = 0; col < c.columns; ++col) {
                const int x = c.x + size * col, y = c.y + size * r;
                DrawBitmap8(x, y, bitmaps[size_t(r * c.columns + col)], c.scale, ink, paper);
                for (int i = 0; c.overlay && i < size * size; ++i)
                    if (overlay[size_t(i)] != OverlayKeep)
                        FillBox(x + i % size, y + i / size, 1, 1, overlay[size_t(i)] == OverlayInk ? ink : paper);
            }
        EndDrawing();
        const uint32_t* a = PicturePixels(screen);
        const uint32_t* b = PicturePixels(cells);
        size_t differ = 0;
        for (size_t i = 0; i < size_t(CanvasW) * CanvasH; ++i) differ += a[i] != b[i];
        EXPECT_EQ(differ, 0u) << c.what;
    }
    ReleasePicture(screen);
    ReleasePicture(cells);
}

TEST_F(EditorTest, NothingIsDrawnBeforeTheFirstRedrawThenEvenWhileHidden) {
    EXPECT_EQ(PixelAt(MapCanvas, 2, 0), Rgb(0, 0, 0));
    HandleGlyphCanvasEvent(s, {T::LeftDown, 0, 0, ButtonLeft, 0});  // glyph 0 changes: the chain ends in the map
    EXPECT_FALSE(IsWindowShown(MapWindow));
    EXPECT_EQ(PixelAt(MapCanvas, 2, 0), s.InkColour);
}

struct SizeCase {
    int command, w, h;
};

TEST_F(EditorTest, SizeCommandsSetTheScrollAreaAndShowTheWindow) {
    const SizeCase cases[] = {{21, 32, 24}, {22, 40, 24}, {23, 40, 25}, {24, 80, 50}, {25, 64, 30}, {25, 64, 30}};
    EXPECT_FALSE(IsWindowShown(MapWindow));
    for (const SizeCase& c : cases) {
        PostCloseRequest(MapWindow);
        PostMenuCommand(c.command);
        ASSERT_TRUE(RunPostedEvents(s));
        EXPECT_EQ(s.MapWidth, c.w);
        EXPECT_EQ(s.MapHeight, c.h);
        int w, h, step;
        ScrollInnerSize(MapScrollArea, w, h, step);
        EXPECT_EQ(w, 16 * c.w) << c.command;
        EXPECT_EQ(h, 16 * c.h) << c.command;
        EXPECT_EQ(step, 16);
        EXPECT_TRUE(IsWindowShown(MapWindow)) << c.command;
    }
    EXPECT_TRUE(MessagesShown().empty());
}

TEST_F(EditorTest, ClosingHidesAndTheNextSizeCommandBringsTheSameMapBack) {
    DispatchCommand(s, 24);
    s.CurrentCode = 200;
    HandleMapCanvasEvent(s, {T::LeftDown, 16 * 70, 16 * 45, ButtonLeft, 0});
    const auto store = s.MapStore;
    PostCloseRequest(MapWindow);
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_FALSE(IsWindowShown(MapWindow));
    EXPECT_EQ(s.MapWidth, 80);
    PostMenuCommand(24);
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_TRUE(IsWindowShown(MapWindow));
    EXPECT_EQ(s.MapStore, store);
    EXPECT_EQ(s.MapCell(70, 45), 200);
}

struct HoverCase {
    const char* what;
    int x, y;
    int code;           // put into the cell under the pointer first, when that cell is visible
    const char* title;  // nullptr: outside the map, nothing changes
};

TEST_F(EditorTest, HoverOutlinesAndNamesTheCell) {
    const HoverCase cases[] = {
        {"(37, 20) is cell (2, 1)", 37, 20, 34, "Character map (2,1):34[22]"},
        {"start-up code of (0, 0)", 0, 0, 32, "Character map (0,0):32[20]"},
        {"decimal and hex", 5 * 16 + 15, 3 * 16, 65, "Character map (5,3):65[41]"},
        {"hex padded", 16, 16, 7, "Character map (1,1):7[07]"},
        {"code 0", 16, 16, 0, "Character map (1,1):0[00]"},
        {"code 255", 39 * 16 + 15, 23 * 16 + 15, 255, "Character map (39,23):255[FF]"},
        {"-15 truncates to 0", -15, -1, 99, "Character map (0,0):99[63]"},
        {"right of the map", 16 * 40, 20, 0, nullptr},
        {"below the map", 20, 16 * 24, 0, nullptr},
        {"-16 is column -1", -16, 20, 0, nullptr},
    };
    SetMapSize(s, 40, 24);
    for (const HoverCase& c : cases) {
        const int col = c.x / 16, row = c.y / 16;
        if (c.title) s.MapCell(col, row) = c.code;
        RedrawMap(s);
        SetWindowTitle(MapWindow, "before");
        const std::vector<Colour> plain = CanvasNow();
        const auto store = s.MapStore;
        HandleMapCanvasEvent(s, {T::Move, c.x, c.y, 0, 0});
        EXPECT_EQ(s.MapStore, store) << c.what;
        if (!c.title) {
            EXPECT_EQ(WindowTitle(MapWindow), "before") << c.what;
            EXPECT_EQ(FirstDifference(CanvasNow(), plain), "") << c.what;
            continue;
        }
        EXPECT_EQ(WindowTitle(MapWindow), c.title) << c.what;
        // The outline: exactly the 16 x 16 border of the cell turned red.
        std::vector<Colour> expected = plain;
        for (int i = 0; i < 16; ++i)
            for (auto [x, y] : {std::pair{i, 0}, {i, 15}, {0, i}, {15, i}})
                expected[size_t(16 * row + y) * CanvasW + size_t(16 * col + x)] = Red;
        EXPECT_EQ(FirstDifference(CanvasNow(), expected), "") << c.what;
    }
}

TEST_F(EditorTest, TheNextHoverOrAnyRedrawWipesTheOutline) {
    SetMapSize(s, 40, 24);
    const std::vector<Colour> plain = CanvasNow();
    HandleMapCanvasEvent(s, {T::Move, 40, 20, 0, 0});
    EXPECT_EQ(PixelAt(MapCanvas, 32, 20), Red);
    HandleMapCanvasEvent(s, {T::Move, 60, 20, 0, 0});
    EXPECT_EQ(PixelAt(MapCanvas, 32, 20), plain[20 * CanvasW + 32]) << "old outline gone";
    EXPECT_EQ(PixelAt(MapCanvas, 48, 20), Red);
    // Leaving the map keeps the outline and the title.
    HandleMapCanvasEvent(s, {T::Leave, -50, 20, 0, 0});
    HandleMapCanvasEvent(s, {T::Move, 900, 20, 0, 0});
    EXPECT_EQ(PixelAt(MapCanvas, 48, 20), Red);
    EXPECT_EQ(WindowTitle(MapWindow), "Character map (3,1):35[23]");
    // A glyph edit redraws the map: the outline goes, every cell with that code changes.
    s.MapCell(10, 10) = 0;
    HandleGlyphCanvasEvent(s, {T::LeftDown, 0, 0, ButtonLeft, 0});
    EXPECT_EQ(PixelAt(MapCanvas, 48, 20), plain[20 * CanvasW + 48]);
    EXPECT_EQ(PixelAt(MapCanvas, 160 + 1, 160 + 1), s.InkColour);
    EXPECT_EQ(FirstDifference(CanvasNow(), ReferenceMap(s, plain)), "");
}

struct PaintCase {
    const char* what;
    T type;
    int x, y, buttons;
    int col, row;  // the cell painted, or -1
};

TEST_F(EditorTest, PaintingByPressAndDrag) {
    const PaintCase cases[] = {
        {"left down", T::LeftDown, 37, 20, ButtonLeft, 2, 1},
        {"move with left held", T::Move, 100, 100, ButtonLeft, 6, 6},
        {"move with both held", T::Move, 100, 100, ButtonLeft | ButtonRight, 6, 6},
        {"negative x while held is column 0", T::Move, -5, 20, ButtonLeft, 0, 1},
        {"negative y while held is row 0", T::Move, 20, -15, ButtonLeft, 1, 0},
        {"last visible cell", T::LeftDown, 639, 383, ButtonLeft, 39, 23},
        {"right of the map", T::LeftDown, 640, 20, ButtonLeft, -1, -1},
        {"below the map", T::Move, 20, 384, ButtonLeft, -1, -1},
        {"far outside while held", T::Move, -16, -16, ButtonLeft, -1, -1},
        {"move without buttons", T::Move, 37, 20, 0, -1, -1},
        {"move with right held", T::Move, 37, 20, ButtonRight, -1, -1},
        {"right down", T::RightDown, 37, 20, ButtonRight, -1, -1},
        {"entering with left held", T::Enter, 37, 20, ButtonLeft, -1, -1},
        {"left up", T::LeftUp, 37, 20, 0, -1, -1},
        {"left click", T::LeftClick, 37, 20, 0, -1, -1},
        {"wheel", T::Wheel, 37, 20, ButtonLeft, -1, -1},
    };
    SetMapSize(s, 40, 24);
    s.CurrentCode = 65;
    SetRows(s, 65, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    for (const PaintCase& c : cases) {
        for (int r = 0; r < MapRows; ++r)
            for (int col = 0; col < MapColumns; ++col) s.MapCell(col, r) = col + 32;
        RedrawMap(s);
        auto expected = s.MapStore;
        if (c.col >= 0) expected[size_t(c.col) * MapRows + size_t(c.row)] = 65;
        HandleMapCanvasEvent(s, {c.type, c.x, c.y, c.buttons, 0});
        EXPECT_EQ(s.MapStore, expected) << c.what;
        if (c.col >= 0) {
            EXPECT_EQ(PixelAt(MapCanvas, 16 * c.col + 5, 16 * c.row + 5), s.InkColour) << c.what;
        }
    }
}

TEST_F(EditorTest, ADragHighlightsThenPaintsOverTheOutline) {
    SetMapSize(s, 40, 24);
    s.CurrentCode = 65;
    const std::vector<Colour> plain = CanvasNow();
    SetWindowTitle(MapWindow, "before");
    HandleMapCanvasEvent(s, {T::LeftDown, 4 * 16, 4 * 16, ButtonLeft, 0});
    EXPECT_EQ(WindowTitle(MapWindow), "before") << "a press paints without a highlight";
    HandleMapCanvasEvent(s, {T::Move, 5 * 16, 4 * 16, ButtonLeft, 0});
    EXPECT_EQ(WindowTitle(MapWindow), "Character map (5,4):37[25]") << "named with the code before painting";
    EXPECT_EQ(s.MapCell(5, 4), 65);
    EXPECT_EQ(FirstDifference(CanvasNow(), ReferenceMap(s, plain)), "") << "no outline left";
}

TEST_F(EditorTest, ShrinkingAndGrowingKeepHiddenCells) {
    DispatchCommand(s, 24);
    s.CurrentCode = 9;
    HandleMapCanvasEvent(s, {T::LeftDown, 16 * 79, 16 * 49, ButtonLeft, 0});
    HandleMapCanvasEvent(s, {T::LeftDown, 16 * 35, 16 * 10, ButtonLeft, 0});
    const auto store = s.MapStore;
    DispatchCommand(s, 21);
    s.CurrentCode = 65;
    DispatchCommand(s, 26);  // fill 32 x 24
    int changed = 0;
    for (size_t i = 0; i < store.size(); ++i) changed += s.MapStore[i] != store[i];
    EXPECT_EQ(changed, 32 * 24);
    for (int r = 0; r < 24; ++r)
        for (int c = 0; c < 32; ++c) ASSERT_EQ(s.MapCell(c, r), 65);
    EXPECT_EQ(s.MapCell(32, 0), 64) << "spare column untouched";
    EXPECT_EQ(s.MapCell(0, 24), 32) << "spare row untouched";

    const std::vector<Colour> before = CanvasNow();
    DispatchCommand(s, 22);  // 40 x 24 shows the old values in columns 32..39
    EXPECT_EQ(FirstDifference(CanvasNow(), ReferenceMap(s, before)), "");
    EXPECT_EQ(s.MapCell(35, 10), 9);
    DispatchCommand(s, 24);
    EXPECT_EQ(s.MapCell(79, 49), 9);
    EXPECT_EQ(s.MapCell(50, 30), 82);
}

TEST_F(EditorTest, RightClickRecordsTheCellAndOpensThePopup) {
    SetMapSize(s, 40, 24);
    for (T other : {T::RightDown, T::RightUp, T::Move})
        HandleMapCanvasEvent(s, {other, 37, 20, other == T::Move ? ButtonRight : 0, 0});
    EXPECT_TRUE(PopupsShown().empty());
    EXPECT_EQ(s.PopupCellColumn, -1);
    const std::vector<Colour> plain = CanvasNow();

    PostControlEvent(MapCanvas, T::RightClick, 37, 20, 0);
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(s.PopupCellColumn, 2);
    EXPECT_EQ(s.PopupCellRow, 1);
    ASSERT_EQ(PopupsShown().size(), 1u);
    EXPECT_EQ(PopupsShown()[0], MapPopup);
    // Released beyond the drawn map but inside the canvas: no bounds test.
    HandleMapCanvasEvent(s, {T::RightClick, 1279, 799, 0, 0});
    EXPECT_EQ(s.PopupCellColumn, 79);
    EXPECT_EQ(s.PopupCellRow, 49);
    EXPECT_EQ(FirstDifference(CanvasNow(), plain), "") << "a right click draws nothing";
}

TEST(MapWithoutPopup, RightClickChangesNothing) {
    EditorState s;
    HeadlessReset();
    FailMenu(MapPopup);
    ASSERT_TRUE(Startup(s, 0, nullptr));
    ClearRecords();
    HandleMapCanvasEvent(s, {T::RightClick, 37, 20, 0, 0});
    EXPECT_EQ(s.PopupCellColumn, -1);
    EXPECT_EQ(s.PopupCellRow, -1);
    EXPECT_TRUE(PopupsShown().empty());
}

TEST_F(EditorTest, DrawingFailuresAreReportedOncePerRedraw) {
    SetMapSize(s, 40, 24);
    ClearRecords();
    const std::vector<Colour> plain = CanvasNow();
    s.InkColour = Rgb(1, 1, 1);
    FailDrawing(MapCanvas, 1);
    RedrawMap(s);
    ASSERT_EQ(MessagesShown().size(), 1u);
    EXPECT_EQ(MessagesShown()[0].title, "pxmsa");
    EXPECT_EQ(MessagesShown()[0].text, "draw char map error!");
    EXPECT_EQ(FirstDifference(CanvasNow(), plain), "") << "the canvas keeps its picture";

    // A hover whose redraw fails still outlines when its own drawing begins.
    FailDrawing(MapCanvas, 1);
    HandleMapCanvasEvent(s, {T::Move, 20, 20, 0, 0});
    EXPECT_EQ(MessagesShown().size(), 2u);
    EXPECT_EQ(PixelAt(MapCanvas, 16, 20), Red);
    // When both fail, the outline is skipped silently; the title is still set.
    FailDrawing(MapCanvas, 2);
    HandleMapCanvasEvent(s, {T::Move, 40, 40, 0, 0});
    EXPECT_EQ(MessagesShown().size(), 3u);
    EXPECT_NE(PixelAt(MapCanvas, 32, 40), Red);
    EXPECT_EQ(WindowTitle(MapWindow), "Character map (2,2):34[22]");
}

TEST(MapWithoutWindow, CommandsChangeTheStoreAndDrawNothing) {
    EditorState s;
    HeadlessReset();
    FailWindow(MapWindow);
    ASSERT_TRUE(Startup(s, 0, nullptr));
    ASSERT_EQ(s.MapWindowAvailable, 0);
    ClearRecords();
    s.CurrentCode = 7;
    for (int command : {24, 26, 27, 21}) DispatchCommand(s, command);
    EXPECT_EQ(s.MapWidth, 32);
    EXPECT_EQ(s.MapHeight, 24);
    EXPECT_EQ(s.MapCell(79, 49), 7) << "filled at 80 x 50";
    EXPECT_EQ(s.MapCell(80, 0), 112);
    EXPECT_EQ(s.MapGridShown, 0);
    EXPECT_FALSE(IsMenuChecked(MainMenu, 27));
    s.PopupCellColumn = 0;
    s.PopupCellRow = 0;
    DispatchCommand(s, 41);
    EXPECT_EQ(s.MapCell(0, 0), 0);
    EXPECT_EQ(s.MapCell(1, 0), 7);
    EXPECT_EQ(s.PopupCellColumn, -1);
    HandleGlyphCanvasEvent(s, {T::LeftDown, 0, 0, ButtonLeft, 0});
    EXPECT_FALSE(IsWindowShown(MapWindow));
    EXPECT_EQ(PicturePixels(MapCanvas), nullptr);
    EXPECT_TRUE(MessagesShown().empty());
}

}  // namespace

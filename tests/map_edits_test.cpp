#include <vector>

#include "support/fixture.h"

namespace {

using T = ControlEventType;
const Colour Scribble = Rgb(1, 2, 3);

// A different non-zero code in every cell of the whole store, neighbours apart.
int Pattern(int x, int y) { return 1 + (x + 81 * y) % 255; }

// Cells x0..x1, y0..y1 (inclusive) end up holding the pattern of (x + dx, y + dy), or 0.
struct Region {
    int x0, x1, y0, y1;
    int dx = 0, dy = 0;
    bool zero = false;
};
Region Zero(int x0, int x1, int y0, int y1) { return {x0, x1, y0, y1, 0, 0, true}; }
Region From(int x0, int x1, int y0, int y1, int dx, int dy) { return {x0, x1, y0, y1, dx, dy, false}; }

struct EditCase {
    const char* what;
    int command;
    int w, h;    // map size
    int c0, r0;  // right-clicked cell
    std::vector<Region> changed;  // every other cell of the store keeps its pattern
};

int Expected(const EditCase& c, int x, int y) {
    for (const Region& r : c.changed)
        if (x >= r.x0 && x <= r.x1 && y >= r.y0 && y <= r.y1) return r.zero ? 0 : Pattern(x + r.dx, y + r.dy);
    return Pattern(x, y);
}

void FillPattern(EditorState& s) {
    for (int y = 0; y < MapRows; ++y)
        for (int x = 0; x < MapColumns; ++x) s.MapCell(x, y) = Pattern(x, y);
}

void ScribbleCanvas() {
    ASSERT_TRUE(BeginDrawing(MapCanvas));
    FillBox(0, 0, 1280, 800, Scribble);
    EndDrawing();
}

class MapEdits : public EditorTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(MapEdits, MoveExactlyTheseCells) {
    const EditCase& c = GetParam();
    SetMapSize(s, c.w, c.h);
    FillPattern(s);
    ScribbleCanvas();
    // The real way in: a right click on the canvas, then the popup's item.
    PostControlEvent(MapCanvas, T::RightClick, 16 * c.c0 + 8, 16 * c.r0 + 15);
    PostMenuCommand(c.command);
    ASSERT_TRUE(RunPostedEvents(s));
    for (int y = 0; y < MapRows; ++y)
        for (int x = 0; x < MapColumns; ++x)
            ASSERT_EQ(s.MapCell(x, y), Expected(c, x, y)) << c.what << ": cell " << x << "," << y;
    EXPECT_NE(PixelAt(MapCanvas, 5, 5), Scribble) << c.what << ": redrawn";
    EXPECT_EQ(s.PopupCellColumn, -1) << c.what;
    EXPECT_EQ(s.PopupCellRow, -1) << c.what;
}

enum { InsertChar = 41, DeleteChar = 42, InsertRow = 43, DeleteRow = 44, InsertColumn = 45, DeleteColumn = 46 };

INSTANTIATE_TEST_SUITE_P(Cases, MapEdits, ::testing::Values(
    // Insert char: the row moves right into the spare column; only row r0 changes.
    EditCase{"insert char at (1,0)", InsertChar, 40, 24, 1, 0, {Zero(1, 1, 0, 0), From(2, 40, 0, 0, -1, 0)}},
    EditCase{"insert char at the last visible column", InsertChar, 40, 24, 39, 5, {Zero(39, 39, 5, 5), From(40, 40, 5, 5, -1, 0)}},
    EditCase{"insert char at the last cell of the largest map", InsertChar, 80, 50, 79, 49, {Zero(79, 79, 49, 49), From(80, 80, 49, 49, -1, 0)}},
    EditCase{"insert char in the spare column", InsertChar, 40, 24, 40, 5, {Zero(40, 40, 5, 5)}},
    EditCase{"insert char right of the map", InsertChar, 32, 24, 50, 3, {Zero(50, 50, 3, 3)}},
    EditCase{"insert char below the map moves the hidden row", InsertChar, 40, 24, 3, 30, {Zero(3, 3, 30, 30), From(4, 40, 30, 30, -1, 0)}},
    // Delete char: the row moves left; the spare column is read but not changed.
    EditCase{"delete char at (1,0)", DeleteChar, 40, 24, 1, 0, {From(1, 38, 0, 0, 1, 0), Zero(39, 39, 0, 0)}},
    EditCase{"delete char at the last visible column", DeleteChar, 40, 24, 39, 2, {Zero(39, 39, 2, 2)}},
    EditCase{"delete char in the spare column", DeleteChar, 40, 24, 40, 7, {Zero(39, 39, 7, 7)}},
    EditCase{"delete char right of the map", DeleteChar, 32, 24, 50, 3, {Zero(31, 31, 3, 3)}},
    EditCase{"delete char below the map moves the hidden row", DeleteChar, 40, 24, 3, 30, {From(3, 38, 30, 30, 1, 0), Zero(39, 39, 30, 30)}},
    EditCase{"delete char right of and below the map", DeleteChar, 40, 24, 60, 40, {Zero(39, 39, 40, 40)}},
    // Insert row: rows move down into the spare row, the spare column along; columns beyond do not move.
    EditCase{"insert row at row 0", InsertRow, 32, 24, 5, 0, {Zero(0, 32, 0, 0), From(0, 32, 1, 24, 0, -1)}},
    EditCase{"insert row in the middle", InsertRow, 40, 25, 0, 10, {Zero(0, 40, 10, 10), From(0, 40, 11, 25, 0, -1)}},
    EditCase{"insert row, clicked right of the map", InsertRow, 32, 24, 70, 2, {Zero(0, 32, 2, 2), From(0, 32, 3, 24, 0, -1)}},
    EditCase{"insert row at the last row of the largest map", InsertRow, 80, 50, 0, 49, {Zero(0, 80, 49, 49), From(0, 80, 50, 50, 0, -1)}},
    EditCase{"insert row at the spare row clears it", InsertRow, 32, 24, 3, 24, {Zero(0, 32, 24, 24)}},
    EditCase{"insert row below the spare row", InsertRow, 32, 24, 3, 30, {}},
    // Delete row: rows move up; the spare row is neither read nor changed.
    EditCase{"delete row in the middle", DeleteRow, 32, 24, 0, 3, {From(0, 32, 3, 22, 0, 1), Zero(0, 32, 23, 23)}},
    EditCase{"delete row at row 0 of the largest map", DeleteRow, 80, 50, 79, 0, {From(0, 80, 0, 48, 0, 1), Zero(0, 80, 49, 49)}},
    EditCase{"delete the last visible row", DeleteRow, 32, 24, 0, 23, {Zero(0, 32, 23, 23)}},
    EditCase{"delete row at the spare row", DeleteRow, 32, 24, 0, 24, {}},
    EditCase{"delete row below the map", DeleteRow, 40, 25, 10, 40, {}},
    // Insert column: every visible row moves right into the spare column; the spare row stays.
    EditCase{"insert column at column 0", InsertColumn, 32, 24, 0, 5, {Zero(0, 0, 0, 23), From(1, 32, 0, 23, -1, 0)}},
    EditCase{"insert column in the middle", InsertColumn, 64, 30, 10, 0, {Zero(10, 10, 0, 29), From(11, 64, 0, 29, -1, 0)}},
    EditCase{"insert column, clicked below the map", InsertColumn, 32, 24, 5, 40, {Zero(5, 5, 0, 23), From(6, 32, 0, 23, -1, 0)}},
    EditCase{"insert column at the spare column", InsertColumn, 32, 24, 32, 5, {Zero(32, 32, 0, 23)}},
    EditCase{"insert column right of the map", InsertColumn, 32, 24, 40, 5, {Zero(40, 40, 0, 23)}},
    // Delete column: every visible row moves left; the spare column never comes into view.
    EditCase{"delete column at column 0", DeleteColumn, 32, 24, 0, 0, {From(0, 30, 0, 23, 1, 0), Zero(31, 31, 0, 23)}},
    EditCase{"delete the last column of the largest map", DeleteColumn, 80, 50, 79, 10, {Zero(79, 79, 0, 49)}},
    EditCase{"delete column at the spare column", DeleteColumn, 32, 24, 32, 2, {Zero(31, 31, 0, 23)}},
    EditCase{"delete column right of the map", DeleteColumn, 40, 25, 60, 30, {Zero(39, 39, 0, 24)}}));

TEST_F(EditorTest, InsertCharPushesTheRowIntoTheSpareColumn) {
    SetMapSize(s, 40, 24);
    for (int c = 0; c < 40; ++c) s.MapCell(c, 0) = 65 + c;
    s.PopupCellColumn = 1;
    s.PopupCellRow = 0;
    DispatchCommand(s, InsertChar);
    std::vector<int> row;
    for (int c = 0; c <= 40; ++c) row.push_back(s.MapCell(c, 0));
    std::vector<int> expected{65, 0};
    for (int v = 66; v <= 104; ++v) expected.push_back(v);
    EXPECT_EQ(row, expected);
    // Widening shows the code pushed into the spare column.
    SetMapSize(s, 64, 30);
    EXPECT_EQ(s.MapCell(40, 0), 104);
}

TEST_F(EditorTest, WithoutAPopupCellEveryEditDoesNothing) {
    SetMapSize(s, 40, 24);
    FillPattern(s);
    const auto store = s.MapStore;
    for (auto [c0, r0] : {std::pair{-1, -1}, {3, -1}, {-1, 3}})
        for (int command = InsertChar; command <= DeleteColumn; ++command) {
            s.PopupCellColumn = c0;
            s.PopupCellRow = r0;
            ScribbleCanvas();
            DispatchCommand(s, command);
            EXPECT_EQ(s.MapStore, store) << command;
            EXPECT_EQ(PixelAt(MapCanvas, 5, 5), Scribble) << command << ": not redrawn";
            EXPECT_EQ(s.PopupCellColumn, c0);
            EXPECT_EQ(s.PopupCellRow, r0);
        }
}

TEST_F(EditorTest, ASecondEditNeedsANewRightClick) {
    SetMapSize(s, 32, 24);
    FillPattern(s);
    PostControlEvent(MapCanvas, T::RightClick, 40, 40);
    PostMenuCommand(DeleteRow);
    ASSERT_TRUE(RunPostedEvents(s));
    const auto afterFirst = s.MapStore;
    for (int command = InsertChar; command <= DeleteColumn; ++command) PostMenuCommand(command);
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(s.MapStore, afterFirst);
    // A dismissed popup leaves the cell set for the next item chosen.
    PostControlEvent(MapCanvas, T::RightClick, 0, 0);
    ASSERT_TRUE(RunPostedEvents(s));
    EXPECT_EQ(s.PopupCellColumn, 0);
    DispatchCommand(s, InsertRow);
    EXPECT_EQ(s.MapCell(0, 0), 0);
    EXPECT_EQ(s.MapCell(0, 1), afterFirst[0]);
}

}  // namespace

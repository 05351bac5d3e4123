// The one record of editor state, created by Startup and released by Shutdown.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/platform.h"

constexpr int MapColumns = 81;  // visible columns (at most 80) plus the spare column
constexpr int MapRows = 51;     // visible rows (at most 50) plus the spare row

struct EditorState {
    std::array<uint8_t, 2048> CharsetStore{};  // glyph c in bytes 8c..8c+7, row 0 on top, bit 7 leftmost
    uint8_t CurrentCode = 0;                   // 0..255, always 16 * CursorRow + CursorColumn
    int32_t CursorColumn = 0;                  // 0..15
    int32_t CursorRow = 0;                     // 0..15
    Colour InkColour = Rgb(255, 255, 255);     // colour of a set bit
    Colour PaperColour = Rgb(0, 0, 0);         // colour of a clear bit
    int32_t DragActive = 0;                    // 1 while a glyph is dragged in the overview
    int32_t DragSource = 0;                    // code of the dragged glyph, 0..255
    std::array<int32_t, MapColumns * MapRows> MapStore{};  // cell (x, y) is element x * 51 + y; codes 0..255
    int32_t MapWidth = 40;                     // visible columns: 32, 40, 64 or 80
    int32_t MapHeight = 24;                    // visible rows: 24, 25, 30 or 50
    int32_t MapGridShown = 1;                  // 1: the dotted grid is drawn over the map
    int32_t MapWindowAvailable = 0;            // 1 once the map window exists
    int32_t PopupCellColumn = -1;              // map cell of the last right click, (-1, -1) = none
    int32_t PopupCellRow = -1;
    std::string LastDirectory;                 // where file dialogs open; ends with '/' or is empty
    std::array<int32_t, 256> BitReverseTable{};  // entry v = v with its 8 bits reversed
    std::array<uint8_t, 8> RotationScratch{};  // scratch glyph of the rotations
    int OverviewImage = -1;                    // picture number of the 256 x 256 overview picture
    std::string BaseTitle = "pixmosa v2 0.9d"; // main window title without the code part
    int32_t QuitRequested = 0;                 // 1 once "Quit" has been chosen: the loop ends

    int32_t& MapCell(int x, int y) { return MapStore[size_t(x) * MapRows + size_t(y)]; }
    int32_t MapCell(int x, int y) const { return MapStore[size_t(x) * MapRows + size_t(y)]; }
    uint8_t* Glyph(int code) { return CharsetStore.data() + 8 * code; }
};

// Window, control and menu numbers.
enum : int { MainWindow = 0, MapWindow = 1 };
enum : int {
    OverviewCanvas = 0, GlyphCanvas = 1, MapCanvas = 2, GlyphDataField = 3, RangeCheckBox = 4,
    RangeBeginSlider = 5, RangeEndSlider = 6, RangeBeginLabel = 7, RangeEndLabel = 8,
    ShiftLeftButton = 9, ShiftRightButton = 10, ShiftUpButton = 11, ShiftDownButton = 12,
    MapScrollArea = 13,
};
enum : int { MainMenu = 0, RangePopup = 2, MapPopup = 3 };

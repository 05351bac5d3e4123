// The windows' controls, as the tables Startup creates them from.
#include "app/controls.h"

namespace {

constexpr unsigned Sunken = OptSunkenBorder;

// Created before the command-line file is loaded and the overview first drawn.
const ControlLayout FirstControls[] = {
    {OverviewCanvas, MainWindow, -1, ControlKind::Canvas, 0, 0, 260, 260, "", "", Sunken | OptTakesFocus, 0, 0, 2},
    {RangeBeginLabel, MainWindow, -1, ControlKind::Label, 20, 260, 255, 20, "Begin range:0", "", OptCentred | OptLiteralAmpersand, 0, 0, 0},
    {RangeBeginSlider, MainWindow, -1, ControlKind::Slider, 20, 280, 255, 30, "", "", OptTickEveryValue, 0, 255, 0},
    {RangeEndLabel, MainWindow, -1, ControlKind::Label, 20, 310, 255, 20, "End range:0", "", OptCentred | OptLiteralAmpersand, 0, 0, 0},
    {RangeEndSlider, MainWindow, -1, ControlKind::Slider, 20, 330, 255, 30, "", "", OptTickEveryValue, 0, 255, 0},
    {RangeCheckBox, MainWindow, -1, ControlKind::CheckBox, 0, 310, 20, 20, "", "Enable range", 0, 0, 0, 0},
};

// Created after the overview is first drawn.
const ControlLayout SecondControls[] = {
    {ShiftLeftButton, MainWindow, -1, ControlKind::PushButton, 262, 128, 32, 20, "<", "shift left", 0, 0, 0, 0},
    {ShiftUpButton, MainWindow, -1, ControlKind::PushButton, 294, 128, 32, 20, "^", "shift up", 0, 0, 0, 0},
    {ShiftDownButton, MainWindow, -1, ControlKind::PushButton, 326, 128, 32, 20, "v", "shift down", 0, 0, 0, 0},
    {ShiftRightButton, MainWindow, -1, ControlKind::PushButton, 358, 128, 32, 20, ">", "shift right", 0, 0, 0, 0},
    // Both alignments are asked for; the toolkit honours one of them.
    {GlyphDataField, MainWindow, -1, ControlKind::TextField, 262, 148, 128, 40, "", "Data for char",
     Sunken | OptCentred | OptRightAligned | OptMultiLine | OptAutoHScroll, 0, 0, 0},
    {GlyphCanvas, MainWindow, -1, ControlKind::Canvas, 262, 0, 128, 128, "", "", 0, 0, 0, 0},
};

const ControlLayout MapControls[] = {
    {MapScrollArea, MapWindow, -1, ControlKind::ScrollArea, 0, 0, 522, 394, "", "", Sunken, 0, 0, 0},
    {MapCanvas, MapWindow, MapScrollArea, ControlKind::Canvas, 0, 0, 1280, 800, "", "", 0, 0, 0, 0},
};

template <size_t N>
bool CreateAll(const ControlLayout (&layouts)[N]) {
    bool ok = true;
    for (const ControlLayout& layout : layouts) ok = CreateControl(layout) && ok;
    return ok;
}

}  // namespace

bool CreateFirstMainControls() { return CreateAll(FirstControls); }
bool CreateSecondMainControls() { return CreateAll(SecondControls); }
bool CreateMapControls() { return CreateAll(MapControls); }

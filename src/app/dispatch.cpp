// The two routing tables: menu commands by number, control events by control.
#include "app/commands.h"

namespace {

struct CommandEntry {
    int number;
    const char* name;
    void (*run)(EditorState&);
};

constexpr CommandEntry Commands[] = {
    {0, "CmdOpen", CmdOpen},
    {1, "CmdQuit", CmdQuit},
    {2, "CmdSave96", [](EditorState& s) { SaveDataFile(s, 768); }},
    {3, "CmdSave128", [](EditorState& s) { SaveDataFile(s, 1024); }},
    {4, "CmdSave256", [](EditorState& s) { SaveDataFile(s, 2048); }},
    {5, "CmdSaveMap", [](EditorState& s) { SaveDataFile(s, -1); }},
    {6, "CmdSaveImage", CmdSaveImage},
    {7, "CmdInvert", [](EditorState& s) { TransformGlyphs(s, GlyphOpInvert); }},
    {8, "CmdMirrorLeftRight", [](EditorState& s) { TransformGlyphs(s, GlyphOpMirrorLeftRight); }},
    {9, "CmdMirrorUpDown", [](EditorState& s) { TransformGlyphs(s, GlyphOpMirrorUpDown); }},
    {10, "CmdEraseAll", CmdEraseAll},
    {11, "CmdClearChar", [](EditorState& s) { TransformGlyphs(s, GlyphOpClear); }},
    {12, "CmdShiftLeft", [](EditorState& s) { TransformGlyphs(s, GlyphOpShiftLeft); }},
    {13, "CmdShiftRight", [](EditorState& s) { TransformGlyphs(s, GlyphOpShiftRight); }},
    {14, "CmdShiftUp", [](EditorState& s) { TransformGlyphs(s, GlyphOpShiftUp); }},
    {15, "CmdShiftDown", [](EditorState& s) { TransformGlyphs(s, GlyphOpShiftDown); }},
    {16, "CmdSetRangeBegin", CmdSetRangeBegin},
    {17, "CmdSetRangeEnd", CmdSetRangeEnd},
    {18, "CmdDragSwap", CmdDragSwap},
    {19, "CmdDragCopy", CmdDragCopy},
    {20, "CmdCopyRange", CmdCopyRange},
    {21, "CmdMapSize32x24", [](EditorState& s) { SetMapSize(s, 32, 24); }},
    {22, "CmdMapSize40x24", [](EditorState& s) { SetMapSize(s, 40, 24); }},
    {23, "CmdMapSize40x25", [](EditorState& s) { SetMapSize(s, 40, 25); }},
    {24, "CmdMapSize80x50", [](EditorState& s) { SetMapSize(s, 80, 50); }},
    {25, "CmdMapSize64x30", [](EditorState& s) { SetMapSize(s, 64, 30); }},
    {26, "CmdFillMap", CmdFillMap},
    {27, "CmdMapGrid", CmdMapGrid},
    {28, "CmdSetIbmCga", CmdSetIbmCga},
    {29, "CmdSetC64", CmdSetC64},
    {30, "CmdSetAtariXl", CmdSetAtariXl},
    {31, "CmdSetIbm866", CmdSetIbm866},
    {32, "CmdSetZxSpectrum", CmdSetZxSpectrum},
    {33, "CmdSetZx80", CmdSetZx80},
    {34, "CmdSetMicrosha", CmdSetMicrosha},
    {35, "CmdSetJupiterAce", CmdSetJupiterAce},
    {36, "CmdSetHexNumbers", CmdSetHexNumbers},
    {37, "CmdInkColour", CmdInkColour},
    {38, "CmdPaperColour", CmdPaperColour},
    {39, "CmdRotateClockwise", [](EditorState& s) { TransformGlyphs(s, GlyphOpRotateClockwise); }},
    {40, "CmdRotateAnticlockwise", [](EditorState& s) { TransformGlyphs(s, GlyphOpRotateAnticlockwise); }},
    {41, "CmdMapInsertCell", CmdMapInsertCell},
    {42, "CmdMapDeleteCell", CmdMapDeleteCell},
    {43, "CmdMapInsertRow", CmdMapInsertRow},
    {44, "CmdMapDeleteRow", CmdMapDeleteRow},
    {45, "CmdMapInsertColumn", CmdMapInsertColumn},
    {46, "CmdMapDeleteColumn", CmdMapDeleteColumn},
};
static_assert(sizeof Commands / sizeof Commands[0] == 47, "one entry per command 0..46");

constexpr bool NumberedInOrder() {
    for (int i = 0; i < 47; ++i)
        if (Commands[i].number != i) return false;
    return true;
}
static_assert(NumberedInOrder(), "entry i carries command i");

struct ControlRoute {
    int control;
    void (*route)(EditorState&, const ControlEventInfo&);
};

const ControlRoute ControlRoutes[] = {
    {OverviewCanvas, HandleOverviewEvent},
    {GlyphCanvas, HandleGlyphCanvasEvent},
    {MapCanvas, HandleMapCanvasEvent},
    {RangeBeginSlider, [](EditorState& s, const ControlEventInfo&) { UpdateRangeLabels(s); }},
    {RangeEndSlider, [](EditorState& s, const ControlEventInfo&) { UpdateRangeLabels(s); }},
    {ShiftLeftButton, [](EditorState& s, const ControlEventInfo&) { TransformGlyphs(s, GlyphOpShiftLeft); }},
    {ShiftRightButton, [](EditorState& s, const ControlEventInfo&) { TransformGlyphs(s, GlyphOpShiftRight); }},
    {ShiftUpButton, [](EditorState& s, const ControlEventInfo&) { TransformGlyphs(s, GlyphOpShiftUp); }},
    {ShiftDownButton, [](EditorState& s, const ControlEventInfo&) { TransformGlyphs(s, GlyphOpShiftDown); }},
};

}  // namespace

const char* CommandName(int command) {
    return command >= 0 && command < 47 ? Commands[command].name : "";
}

void DispatchCommand(EditorState& s, int command) {
    if (command >= 0 && command < 47) Commands[command].run(s);
}

void RouteControlEvent(EditorState& s, int control, const ControlEventInfo& e) {
    for (const ControlRoute& r : ControlRoutes)
        if (r.control == control) {
            r.route(s, e);
            return;
        }
}

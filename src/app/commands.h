// Every procedure the routing tables reach, by the subsystem that owns it.
#pragma once

#include "app/editor_state.h"

// Application shell.
bool Startup(EditorState& s, int argc, char** argv);
void RunEventLoop(EditorState& s);
[[noreturn]] void Shutdown(EditorState& s);
void BuildMenus(EditorState& s);
void DispatchCommand(EditorState& s, int command);
const char* CommandName(int command);  // "CmdOpen" for 0, ...
void RouteControlEvent(EditorState& s, int control, const ControlEventInfo& e);
// Carries out one event of the loop; false when the program is to end.
bool HandleEvent(EditorState& s, const Event& ev);
void CmdQuit(EditorState& s);
void CmdInkColour(EditorState& s);
void CmdPaperColour(EditorState& s);

// Glyph editor.
void RedrawGlyphEditor(EditorState& s);
void HandleGlyphCanvasEvent(EditorState& s, const ControlEventInfo& e);

// Overview.
void RedrawOverview(EditorState& s);
void DrawCursorPattern(EditorState& s);
void MoveCursor(EditorState& s, int dx, int dy);
void RedrawCharset(EditorState& s);
void HandleOverviewEvent(EditorState& s, const ControlEventInfo& e);

// Transformations.
enum GlyphOp : int {
    GlyphOpInvert = 0, GlyphOpClear = 1, GlyphOpMirrorLeftRight = 2, GlyphOpShiftLeft = 3,
    GlyphOpShiftRight = 4, GlyphOpShiftUp = 5, GlyphOpShiftDown = 6, GlyphOpMirrorUpDown = 7,
    GlyphOpRotateClockwise = 8, GlyphOpRotateAnticlockwise = 9,
};
void TransformGlyphs(EditorState& s, int op);

// Code range and charset-wide commands.
void UpdateRangeLabels(EditorState& s);
void CmdSetRangeBegin(EditorState& s);
void CmdSetRangeEnd(EditorState& s);
void CmdCopyRange(EditorState& s);
void CmdEraseAll(EditorState& s);
void CmdDragSwap(EditorState& s);
void CmdDragCopy(EditorState& s);

// Character map.
void RedrawMap(EditorState& s);
void SetMapSize(EditorState& s, int width, int height);
void HandleMapCanvasEvent(EditorState& s, const ControlEventInfo& e);
void CmdFillMap(EditorState& s);
void CmdMapGrid(EditorState& s);
void CmdMapInsertCell(EditorState& s);
void CmdMapDeleteCell(EditorState& s);
void CmdMapInsertRow(EditorState& s);
void CmdMapDeleteRow(EditorState& s);
void CmdMapInsertColumn(EditorState& s);
void CmdMapDeleteColumn(EditorState& s);

// Files.
void LoadCharsetFile(EditorState& s, const std::string& path);
void LoadMapFile(EditorState& s, const std::string& path);
void SaveDataFile(EditorState& s, int n);
std::string ChooseSaveFile(EditorState& s, const std::string& patternText, const std::string& extension);
void CmdOpen(EditorState& s);
void CmdSaveImage(EditorState& s);

// Built-in character sets.
void CmdSetIbmCga(EditorState& s);
void CmdSetC64(EditorState& s);
void CmdSetAtariXl(EditorState& s);
void CmdSetIbm866(EditorState& s);
void CmdSetZxSpectrum(EditorState& s);
void CmdSetZx80(EditorState& s);
void CmdSetMicrosha(EditorState& s);
void CmdSetJupiterAce(EditorState& s);
void CmdSetHexNumbers(EditorState& s);

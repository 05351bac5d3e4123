// The program's whole view of the window toolkit and the operating system.
// Two backends implement it (qt for the editor, headless for tests and benchmarks);
// pictures and drawing are plain memory and shared by both.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A 24-bit colour held as r + 256 g + 65536 b.
using Colour = uint32_t;
constexpr Colour Rgb(int r, int g, int b) { return Colour(r) | Colour(g) << 8 | Colour(b) << 16; }

// ---- Events -----------------------------------------------------------------------------

enum class EventKind { None, FilesDropped, MenuCommand, CloseRequest, ControlEvent };

// What happened on a control. Canvases report pointer and key kinds; sliders report
// Changed for every change of position made by the user; push buttons report Clicked.
enum class ControlEventType {
    None,
    LeftDown, LeftUp, LeftClick,
    RightDown, RightUp, RightClick,
    DoubleClick, Move, Enter, Leave, Wheel,
    KeyDown, KeyUp,
    Changed, Clicked,
};

// Virtual key codes carried by key events.
enum : int { KeyEscape = 27, KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40, KeyInsert = 45, KeyDelete = 46 };

// Bits of the held-button mask.
enum : int { ButtonLeft = 1, ButtonRight = 2 };

struct ControlEventInfo {
    ControlEventType type = ControlEventType::None;
    int x = 0, y = 0;   // pointer, relative to the canvas's drawing area; may lie outside it
    int buttons = 0;    // buttons held at that moment
    int key = 0;        // virtual key code of key events
};

struct Event {
    EventKind kind = EventKind::None;
    int control = -1;      // FilesDropped, ControlEvent
    int window = -1;       // CloseRequest
    int command = -1;      // MenuCommand
    std::string text;      // FilesDropped: the full paths joined by '\n', none after the last
    ControlEventInfo info; // ControlEvent
};

// Initialises the toolkit. False when no window can be shown at all (no display).
bool PlatformInit(int argc, char** argv);
// Releases the toolkit and everything it holds.
void PlatformShutdown();
// The arguments the process was started with, without the program's own name.
std::vector<std::string> CommandLineArguments();

// Blocks until the toolkit has handled the next message. Fills ev with the program event
// that message produced (kind None for any other message). False when no message can
// ever come again (the headless backend's script has run out).
bool WaitMessage(Event& ev);
// Whether the key with this virtual key code is held down at this moment.
bool IsKeyDown(int key);

// ---- Windows and controls ------------------------------------------------------------------

// Opens top-level window `window` with a client area of w x h and a fixed size, a close
// button that raises CloseRequest, and no maximise button. relativeTo < 0 centres it on
// the screen; otherwise its frame's top-left corner lies (dx, dy) from that window's.
bool OpenWindow(int window, const std::string& title, int w, int h, bool shown,
                int relativeTo = -1, int dx = 0, int dy = 0);
void ShowWindow(int window, bool shown);
bool IsWindowShown(int window);
void SetWindowTitle(int window, const std::string& title);  // UTF-8
std::string WindowTitle(int window);

enum class ControlKind { Canvas, Label, Slider, CheckBox, PushButton, TextField, ScrollArea };

enum ControlOption : unsigned {
    OptSunkenBorder = 1u << 0,   // canvas, text field, scroll area
    OptTakesFocus = 1u << 1,     // canvas takes the keyboard focus when clicked
    OptCentred = 1u << 2,        // label and text field alignment
    OptRightAligned = 1u << 3,   // text field
    OptMultiLine = 1u << 4,      // text field
    OptAutoHScroll = 1u << 5,    // text field scrolls horizontally while typing
    OptTickEveryValue = 1u << 6, // slider
    OptLiteralAmpersand = 1u << 7, // label shows '&' as itself
};

struct ControlLayout {
    int id = -1;
    int window = 0;
    int parent = -1;         // a scroll area the control lives in, or -1
    ControlKind kind = ControlKind::Canvas;
    int x = 0, y = 0, w = 0, h = 0;
    const char* text = "";
    const char* tooltip = "";
    unsigned options = 0;
    int minimum = 0, maximum = 0;  // slider range
    int border = 0;          // canvas frame width on each side; the drawing area is inside it
};

// Creates a control. A canvas gets a retained picture of its drawing area, whose picture
// number is the control number, filled black.
bool CreateControl(const ControlLayout& layout);
void SetControlText(int control, const std::string& text);  // UTF-8
std::string ControlText(int control);
void SetToolTip(int control, const std::string& text);
int SliderPosition(int control);
void SetSliderPosition(int control, int position);  // raises no event
bool IsCheckBoxChecked(int control);
void SetScrollInnerSize(int control, int w, int h, int step);
void SetKeyboardFocus(int control);
void AcceptFileDrops(int control);

// ---- Menus ------------------------------------------------------------------------------------
// Menus 0 (menu bar), 2 and 3 (popups) are the program's; submenus get numbers from 100 on.

bool CreateMenuBar(int menu, int window);
bool CreatePopupMenu(int menu);
bool MenuExists(int menu);
int AddSubmenu(int parent, const std::string& text);  // the submenu's number, or -1
void AddMenuItem(int menu, int command, const std::string& text);
void AddMenuSeparator(int menu);
// Check marks of the item carrying `command` anywhere in the tree of root menu `menu`.
void SetMenuCheck(int menu, int command, bool checked);
bool IsMenuChecked(int menu, int command);
// Shows a popup menu at the pointer over `window`; the chosen item arrives as MenuCommand.
void ShowPopupMenu(int menu, int window);
// Binds Ctrl+key to `command` while `window` is the active window.
void BindCtrlShortcut(int window, char key, int command);

// ---- Pictures and drawing --------------------------------------------------------------------
// Pixels live in plain memory, 32 bits each (0xFFRRGGBB); only 24 bits carry colour.

int CreatePicture(int w, int h);  // offscreen, black; numbers from 100 on
void ReleasePicture(int picture);
int PictureWidth(int picture);
int PictureHeight(int picture);
Colour PixelAt(int picture, int x, int y);
const uint32_t* PicturePixels(int picture);  // rows top first, PictureWidth pixels each

// Drawing goes to one picture at a time, between BeginDrawing (which can fail) and
// EndDrawing. Every primitive clips at the picture's edges.
bool BeginDrawing(int picture);
void EndDrawing();
void FillBox(int x, int y, int w, int h, Colour c);  // in outline mode only its border
void SetOutlineMode();                               // until EndDrawing
void DrawPicture(int picture, int x, int y);
int CopyPictureRect(int picture, int x, int y, int w, int h);  // a new picture; release it
// An 8 x 8 one-bit bitmap (row 0 on top, bit 7 leftmost) with every bit a scale x scale
// block in ink (set) or paper (clear); the same pixels as a paper box and ink boxes.
void DrawBitmap8(int x, int y, const uint8_t rows[8], int scale, Colour ink, Colour paper);
// A screen of columns x rows such bitmaps side by side: cell (c, r) shows bitmaps[r * columns + c]
// at (x + 8 scale c, y + 8 scale r). When `overlay` is given (8 scale x 8 scale entries, row by
// row), every cell then gets it plotted over its own pixels: OverlayInk, OverlayPaper, or
// OverlayKeep to leave the bitmap's pixel. The same pixels as DrawBitmap8 and single-pixel
// FillBox plots cell by cell, in far less time.
enum : uint8_t { OverlayKeep = 0, OverlayInk = 1, OverlayPaper = 2 };
void DrawBitmapScreen(int x, int y, int columns, int rows, const uint8_t* const bitmaps[], int scale,
                      Colour ink, Colour paper, const uint8_t* overlay = nullptr);

// ---- Dialogs ---------------------------------------------------------------------------------

struct FileType {
    std::string label;    // "Font (*.fnt)"
    std::string pattern;  // "*.fnt", or empty
};
struct OpenChoice {
    std::string path;  // empty when cancelled
    int typeIndex = 0; // the type entry selected when the user confirmed
};
// Modal file dialogs with the first type preselected; neither adds an extension, the open
// dialog accepts a name that does not exist, the save dialog does not ask before replacing.
OpenChoice ShowOpenDialog(const std::string& title, const std::string& directory,
                          const std::vector<FileType>& types);
std::string ShowSaveDialog(const std::string& title, const std::string& directory,
                           const std::vector<FileType>& types);
// Modal colour dialog starting at black; the colour chosen, or -1 when cancelled.
int64_t ShowColourDialog();
// Modal message box with one OK button.
void ShowMessage(const std::string& title, const std::string& text);

// ---- Files -------------------------------------------------------------------------------------

// Size of the regular file at path; -1 when there is none (also a FIFO, socket or device),
// -2 for a directory.
int64_t FileSize(const std::string& path);
enum class ReadResult { Ok, CannotOpen, Failed };
// Reads at most `limit` bytes from the start of the regular file at path.
ReadResult ReadFileBytes(const std::string& path, size_t limit, std::vector<uint8_t>& out);
// Replaces the file at path with exactly these bytes, or leaves it as it was and returns
// false. A replaced file keeps its permission bits; a symbolic link keeps pointing at the
// file it names, which is the one replaced.
bool WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size);
// The working directory, ending with '/'.
std::string CurrentDirectory();

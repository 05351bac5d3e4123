// What tests and benchmarks can do through the headless backend: post events, script
// the answers of dialogs, make operations fail, and read back everything shown.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

// Forgets every window, control, menu, picture, event, script and record.
void HeadlessReset();

// Events, handed out by WaitMessage in the order posted.
void PostControlEvent(int control, ControlEventType type, int x = 0, int y = 0, int buttons = 0, int key = 0);
void PostMenuCommand(int command);
void PostCloseRequest(int window);
void PostFilesDropped(int control, const std::string& text);
// Moves a slider as the user would: sets its position and posts its Changed event.
void PostSliderMove(int control, int position);
void PostButtonClick(int control);
// Toggles a check box as a click would (check boxes raise no event the program uses).
void ClickCheckBox(int control);
size_t PendingEvents();

// Answers of the next dialogs, used in order; a dialog with no answer left is cancelled.
void ScriptOpenDialog(const std::string& path, int typeIndex);
void ScriptSaveDialog(const std::string& path);  // empty: cancel
void ScriptColourDialog(long long colour);       // negative: cancel

struct DialogRecord {
    std::string kind;  // "open", "save", "colour"
    std::string title;
    std::string directory;
    std::vector<FileType> types;
};
struct MessageRecord {
    std::string title;
    std::string text;
};
const std::vector<DialogRecord>& DialogsShown();
const std::vector<MessageRecord>& MessagesShown();
const std::vector<int>& PopupsShown();  // menu numbers, in order
void ClearRecords();

void SetKeyHeld(int key, bool held);

// Failures: the next `times` BeginDrawing calls on that picture; creating that window; that menu.
void FailDrawing(int picture, int times);
void FailWindow(int window);
void FailMenu(int menu);
void SetArguments(const std::vector<std::string>& args);

// Read-back.
struct MenuItemRecord {
    int command = -1;       // -1 for a separator or a submenu
    std::string text;
    bool separator = false;
    int submenu = -1;       // number of the submenu this item opens, or -1
    bool checked = false;
};
std::vector<MenuItemRecord> MenuItems(int menu);
std::string ToolTip(int control);
bool ControlExists(int control);
ControlLayout ControlLayoutOf(int control);
int FocusedControl();
bool AcceptsFileDrops(int control);
void ScrollInnerSize(int control, int& w, int& h, int& step);
int WindowMenuBar(int window);  // menu number or -1
struct ShortcutRecord { int window; char key; int command; };
const std::vector<ShortcutRecord>& Shortcuts();
// Fires a Ctrl shortcut as the keyboard would, when `activeWindow` is the active window.
void PressCtrlShortcut(int activeWindow, char key);

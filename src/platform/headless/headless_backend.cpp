// The headless backend: windows, controls and menus as plain records, events from a queue
// that tests fill, dialogs answered from a script.
#include "platform/headless/headless.h"

#include <deque>
#include <map>
#include <set>

#include "platform/core/picture_store.h"
#include "platform/platform.h"

namespace {

struct WindowRecord {
    std::string title;
    bool shown = false;
    int menuBar = -1;
};

struct ControlRecord {
    ControlLayout layout;
    std::string text;
    std::string tooltip;
    int position = 0;
    bool checked = false;
    bool drops = false;
    int innerW = 0, innerH = 0, step = 0;
};

struct MenuRecord {
    std::vector<MenuItemRecord> items;
};

struct World {
    std::map<int, WindowRecord> windows;
    std::map<int, ControlRecord> controls;
    std::map<int, MenuRecord> menus;
    int nextSubmenu = 100;
    std::deque<Event> queue;
    std::deque<OpenChoice> openAnswers;
    std::deque<std::string> saveAnswers;
    std::deque<long long> colourAnswers;
    std::vector<DialogRecord> dialogs;
    std::vector<MessageRecord> messages;
    std::vector<int> popups;
    std::vector<ShortcutRecord> shortcuts;
    std::set<int> keysHeld;
    std::set<int> failingWindows;
    std::set<int> failingMenus;
    std::vector<std::string> arguments;
    int focus = -1;
};

World world;

MenuItemRecord* FindItem(int menu, int command) {
    auto m = world.menus.find(menu);
    if (m == world.menus.end()) return nullptr;
    for (auto& item : m->second.items) {
        if (item.command == command && !item.separator && item.submenu < 0) return &item;
        if (item.submenu >= 0)
            if (auto* found = FindItem(item.submenu, command)) return found;
    }
    return nullptr;
}

}  // namespace

// ---- Test side

void HeadlessReset() {
    world = World{};
    ReleaseAllPictures();
}

void PostControlEvent(int control, ControlEventType type, int x, int y, int buttons, int key) {
    Event ev;
    ev.kind = EventKind::ControlEvent;
    ev.control = control;
    ev.info = ControlEventInfo{type, x, y, buttons, key};
    world.queue.push_back(ev);
}

void PostMenuCommand(int command) {
    Event ev;
    ev.kind = EventKind::MenuCommand;
    ev.command = command;
    world.queue.push_back(ev);
}

void PostCloseRequest(int window) {
    Event ev;
    ev.kind = EventKind::CloseRequest;
    ev.window = window;
    world.queue.push_back(ev);
}

void PostFilesDropped(int control, const std::string& text) {
    Event ev;
    ev.kind = EventKind::FilesDropped;
    ev.control = control;
    ev.text = text;
    world.queue.push_back(ev);
}

void PostSliderMove(int control, int position) {
    auto c = world.controls.find(control);
    if (c == world.controls.end()) return;
    c->second.position = position;
    PostControlEvent(control, ControlEventType::Changed);
}

void PostButtonClick(int control) { PostControlEvent(control, ControlEventType::Clicked); }

void ClickCheckBox(int control) {
    auto c = world.controls.find(control);
    if (c != world.controls.end()) c->second.checked = !c->second.checked;
}

size_t PendingEvents() { return world.queue.size(); }

void ScriptOpenDialog(const std::string& path, int typeIndex) { world.openAnswers.push_back({path, typeIndex}); }
void ScriptSaveDialog(const std::string& path) { world.saveAnswers.push_back(path); }
void ScriptColourDialog(long long colour) { world.colourAnswers.push_back(colour); }

const std::vector<DialogRecord>& DialogsShown() { return world.dialogs; }
const std::vector<MessageRecord>& MessagesShown() { return world.messages; }
const std::vector<int>& PopupsShown() { return world.popups; }
void ClearRecords() {
    world.dialogs.clear();
    world.messages.clear();
    world.popups.clear();
}

void SetKeyHeld(int key, bool held) {
    if (held) world.keysHeld.insert(key);
    else world.keysHeld.erase(key);
}

void FailDrawing(int picture, int times) { FailBeginDrawing(picture, times); }
void FailWindow(int window) { world.failingWindows.insert(window); }
void FailMenu(int menu) { world.failingMenus.insert(menu); }
void SetArguments(const std::vector<std::string>& args) { world.arguments = args; }

std::vector<MenuItemRecord> MenuItems(int menu) {
    auto m = world.menus.find(menu);
    return m == world.menus.end() ? std::vector<MenuItemRecord>{} : m->second.items;
}

std::string ToolTip(int control) {
    auto c = world.controls.find(control);
    return c == world.controls.end() ? std::string() : c->second.tooltip;
}

bool ControlExists(int control) { return world.controls.count(control) != 0; }

ControlLayout ControlLayoutOf(int control) {
    auto c = world.controls.find(control);
    return c == world.controls.end() ? ControlLayout{} : c->second.layout;
}

int FocusedControl() { return world.focus; }

bool AcceptsFileDrops(int control) {
    auto c = world.controls.find(control);
    return c != world.controls.end() && c->second.drops;
}

void ScrollInnerSize(int control, int& w, int& h, int& step) {
    w = h = step = 0;
    auto c = world.controls.find(control);
    if (c == world.controls.end()) return;
    w = c->second.innerW;
    h = c->second.innerH;
    step = c->second.step;
}

int WindowMenuBar(int window) {
    auto w = world.windows.find(window);
    return w == world.windows.end() ? -1 : w->second.menuBar;
}

const std::vector<ShortcutRecord>& Shortcuts() { return world.shortcuts; }

void PressCtrlShortcut(int activeWindow, char key) {
    for (const auto& s : world.shortcuts)
        if (s.window == activeWindow && s.key == key) PostMenuCommand(s.command);
}

// ---- Platform side

bool PlatformInit(int, char**) { return true; }
void PlatformShutdown() { HeadlessReset(); }
std::vector<std::string> CommandLineArguments() { return world.arguments; }

bool WaitMessage(Event& ev) {
    if (world.queue.empty()) return false;
    ev = world.queue.front();
    world.queue.pop_front();
    return true;
}

bool IsKeyDown(int key) { return world.keysHeld.count(key) != 0; }

bool OpenWindow(int window, const std::string& title, int, int, bool shown, int, int, int) {
    if (world.failingWindows.count(window)) return false;
    world.windows[window] = WindowRecord{title, shown, -1};
    return true;
}

void ShowWindow(int window, bool shown) {
    auto w = world.windows.find(window);
    if (w != world.windows.end()) w->second.shown = shown;
}

bool IsWindowShown(int window) {
    auto w = world.windows.find(window);
    return w != world.windows.end() && w->second.shown;
}

void SetWindowTitle(int window, const std::string& title) {
    auto w = world.windows.find(window);
    if (w != world.windows.end()) w->second.title = title;
}

std::string WindowTitle(int window) {
    auto w = world.windows.find(window);
    return w == world.windows.end() ? std::string() : w->second.title;
}

bool CreateControl(const ControlLayout& layout) {
    if (!world.windows.count(layout.window)) return false;
    ControlRecord c;
    c.layout = layout;
    c.text = layout.text;
    c.tooltip = layout.tooltip;
    c.position = layout.minimum;
    if (layout.kind == ControlKind::ScrollArea) {
        c.innerW = layout.w;
        c.innerH = layout.h;
    }
    world.controls[layout.id] = c;
    if (layout.kind == ControlKind::Canvas)
        MakePicture(layout.id, layout.w - 2 * layout.border, layout.h - 2 * layout.border);
    return true;
}

void SetControlText(int control, const std::string& text) {
    auto c = world.controls.find(control);
    if (c != world.controls.end()) c->second.text = text;
}

std::string ControlText(int control) {
    auto c = world.controls.find(control);
    return c == world.controls.end() ? std::string() : c->second.text;
}

void SetToolTip(int control, const std::string& text) {
    auto c = world.controls.find(control);
    if (c != world.controls.end()) c->second.tooltip = text;
}

int SliderPosition(int control) {
    auto c = world.controls.find(control);
    return c == world.controls.end() ? 0 : c->second.position;
}

void SetSliderPosition(int control, int position) {
    auto c = world.controls.find(control);
    if (c != world.controls.end()) c->second.position = position;
}

bool IsCheckBoxChecked(int control) {
    auto c = world.controls.find(control);
    return c != world.controls.end() && c->second.checked;
}

void SetScrollInnerSize(int control, int w, int h, int step) {
    auto c = world.controls.find(control);
    if (c == world.controls.end()) return;
    c->second.innerW = w;
    c->second.innerH = h;
    c->second.step = step;
}

void SetKeyboardFocus(int control) { world.focus = control; }

void AcceptFileDrops(int control) {
    auto c = world.controls.find(control);
    if (c != world.controls.end()) c->second.drops = true;
}

bool CreateMenuBar(int menu, int window) {
    if (world.failingMenus.count(menu) || !world.windows.count(window)) return false;
    world.menus[menu] = MenuRecord{};
    world.windows[window].menuBar = menu;
    return true;
}

bool CreatePopupMenu(int menu) {
    if (world.failingMenus.count(menu)) return false;
    world.menus[menu] = MenuRecord{};
    return true;
}

bool MenuExists(int menu) { return world.menus.count(menu) != 0; }

int AddSubmenu(int parent, const std::string& text) {
    auto m = world.menus.find(parent);
    if (m == world.menus.end()) return -1;
    int number = world.nextSubmenu++;
    MenuItemRecord item;
    item.text = text;
    item.submenu = number;
    m->second.items.push_back(item);
    world.menus[number] = MenuRecord{};
    return number;
}

void AddMenuItem(int menu, int command, const std::string& text) {
    auto m = world.menus.find(menu);
    if (m == world.menus.end()) return;
    MenuItemRecord item;
    item.command = command;
    item.text = text;
    m->second.items.push_back(item);
}

void AddMenuSeparator(int menu) {
    auto m = world.menus.find(menu);
    if (m == world.menus.end()) return;
    MenuItemRecord item;
    item.separator = true;
    m->second.items.push_back(item);
}

void SetMenuCheck(int menu, int command, bool checked) {
    if (auto* item = FindItem(menu, command)) item->checked = checked;
}

bool IsMenuChecked(int menu, int command) {
    auto* item = FindItem(menu, command);
    return item && item->checked;
}

void ShowPopupMenu(int menu, int) { world.popups.push_back(menu); }

void BindCtrlShortcut(int window, char key, int command) { world.shortcuts.push_back({window, key, command}); }

OpenChoice ShowOpenDialog(const std::string& title, const std::string& directory, const std::vector<FileType>& types) {
    world.dialogs.push_back({"open", title, directory, types});
    if (world.openAnswers.empty()) return {};
    OpenChoice answer = world.openAnswers.front();
    world.openAnswers.pop_front();
    return answer;
}

std::string ShowSaveDialog(const std::string& title, const std::string& directory, const std::vector<FileType>& types) {
    world.dialogs.push_back({"save", title, directory, types});
    if (world.saveAnswers.empty()) return {};
    std::string answer = world.saveAnswers.front();
    world.saveAnswers.pop_front();
    return answer;
}

int64_t ShowColourDialog() {
    world.dialogs.push_back({"colour", "", "", {}});
    if (world.colourAnswers.empty()) return -1;
    long long answer = world.colourAnswers.front();
    world.colourAnswers.pop_front();
    return answer < 0 ? -1 : answer;
}

void ShowMessage(const std::string& title, const std::string& text) { world.messages.push_back({title, text}); }

void BackendPictureChanged(int) {}

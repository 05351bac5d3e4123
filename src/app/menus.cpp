// The menu bar, the two popup menus and the shortcuts, built from tables.
#include <vector>

#include "app/commands.h"

namespace {

constexpr int Submenu = -1, Separator = -2;

// One line per item: depth in the tree, command (or Submenu / Separator), text.
struct MenuLine {
    int depth;
    int command;
    const char* text;
};

const MenuLine MainMenuLines[] = {
    {0, Submenu, "File"},
    {1, 0, "Open...\tCtrl+O"},
    {1, Submenu, "Save"},
    {2, 2, "ZX 96 chars(768bytes)"},
    {2, 3, "Atari 128 chars(1024bytes)"},
    {2, 4, "IBM 256 chars(2048bytes)"},
    {2, Separator, ""},
    {2, 5, "Character_map"},
    {2, 6, "Characters image"},
    {1, 1, "Quit"},
    {0, Submenu, "Char"},
    {1, Submenu, "Map"},
    {2, 21, "ZX 32x24"},
    {2, 22, "Atari 40x24"},
    {2, 23, "C64 40x25"},
    {2, 24, "PC 80x50"},
    {2, 25, "USSR 64x30"},
    {2, Separator, ""},
    {2, 26, "Fill map with current char"},
    {2, 27, "Grid on map"},
    {1, Submenu, "Charset"},
    {2, 28, "IBM PC CGA"},
    {2, 31, "IBM PC 866"},
    {2, Separator, ""},
    {2, 32, "ZX Spectrum"},
    {2, 33, "ZX80"},
    {2, 35, "Jupiter Ace"},
    {2, Separator, ""},
    {2, 29, "C64 CAPS"},
    {2, 30, "Atari XL"},
    {2, 34, "Microsha(USSR)"},
    {2, Separator, ""},
    {2, 36, "Hex numbers"},
    {1, Separator, ""},
    {1, 18, "Drag mode:swap"},
    {1, 19, "Drag mode:copy"},
    {1, Separator, ""},
    {1, 39, "rotate clockwise"},
    {1, 40, "rotate anticlockwise"},
    {1, Separator, ""},
    {1, 38, "Color for bit=0..."},
    {1, 37, "Color for bit=1..."},
    {1, Separator, ""},
    {1, 10, "Erase all charset"},
    {1, 11, "Clear character"},
    {1, 7, "Invert\tCtrl+I"},
    {1, 8, "Revert char left-right"},
    {1, 9, "Revert char up-down"},
    {1, Separator, ""},
    {1, 16, "Set begin range"},
    {1, 17, "Set end range"},
    {1, 20, "Copy data range to current"},
    {1, Separator, ""},
    {1, 12, "Char shift left"},
    {1, 13, "Char shift right"},
    {1, 14, "Char shift up"},
    {1, 15, "Char shift down"},
};

const MenuLine RangePopupLines[] = {
    {0, 16, "Set begin range"},
    {0, 17, "Set end range"},
    {0, 20, "Copy data range to current"},
};

const MenuLine MapPopupLines[] = {
    {0, 41, "Insert char"},
    {0, 42, "Delete char"},
    {0, Separator, ""},
    {0, 43, "Insert row"},
    {0, 44, "Delete row"},
    {0, Separator, ""},
    {0, 45, "Insert column"},
    {0, 46, "Delete column"},
};

template <size_t N>
void AddLines(int root, const MenuLine (&lines)[N]) {
    std::vector<int> open{root};  // the menu that receives items at each depth
    for (const MenuLine& line : lines) {
        open.resize(size_t(line.depth) + 1);
        int menu = open.back();
        if (line.command == Submenu) open.push_back(AddSubmenu(menu, line.text));
        else if (line.command == Separator) AddMenuSeparator(menu);
        else AddMenuItem(menu, line.command, line.text);
    }
}

}  // namespace

void BuildMenus(EditorState&) {
    if (CreateMenuBar(MainMenu, MainWindow)) {
        AddLines(MainMenu, MainMenuLines);
        SetMenuCheck(MainMenu, 27, true);
        SetMenuCheck(MainMenu, 18, true);
        BindCtrlShortcut(MainWindow, 'I', 7);
        BindCtrlShortcut(MainWindow, 'O', 0);
    } else {
        ShowMessage("pxmsa", "create menu error!");
    }
    if (CreatePopupMenu(RangePopup)) AddLines(RangePopup, RangePopupLines);
    else ShowMessage("pxmsa", "create menu #2 error!");
    if (CreatePopupMenu(MapPopup)) AddLines(MapPopup, MapPopupLines);
    else ShowMessage("pxmsa", "create menu #3 error!");
}

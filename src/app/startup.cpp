// The life of the program: start-up, the event loop and shutdown.
#include <cstdlib>

#include "app/commands.h"
#include "app/controls.h"

namespace {

void FillBitReverseTable(EditorState& s) {
    for (int v = 0; v < 256; ++v) {
        int n = v, r = 0;
        for (int i = 0; i < 8; ++i) {  // shift the bits out at the bottom and in at the bottom
            r = (r << 1) | (n & 1);
            n >>= 1;
        }
        s.BitReverseTable[size_t(v)] = r;
    }
}

void OpenMapWindow(EditorState& s) {
    s.MapWindowAvailable = 0;
    if (OpenWindow(MapWindow, "Character map", MapClientWidth, MapClientHeight, false, MainWindow, 40, 40) &&
        CreateMapControls()) {
        SetScrollInnerSize(MapScrollArea, MapClientWidth, MapClientHeight, MapScrollStep);
        AcceptFileDrops(MapCanvas);
        s.MapWindowAvailable = 1;
    } else {
        ShowMessage("Pixmosa", "Character Map not available");
    }
}

}  // namespace

bool Startup(EditorState& s, int argc, char** argv) {
    if (!PlatformInit(argc, argv)) return false;
    s = EditorState{};
    s.CurrentCode = 0;
    s.DragActive = 0;
    s.CursorColumn = s.CursorRow = 0;
    s.PaperColour = Rgb(0, 0, 0);
    s.InkColour = Rgb(255, 255, 255);
    s.LastDirectory = CurrentDirectory();
    s.PopupCellColumn = s.PopupCellRow = -1;
    s.MapGridShown = 1;

    if (!OpenWindow(MainWindow, s.BaseTitle, MainClientWidth, MainClientHeight, true)) return false;
    CreateFirstMainControls();
    s.CharsetStore.fill(0);
    std::vector<std::string> args = CommandLineArguments();
    if (args.size() == 1) LoadCharsetFile(s, args[0]);
    s.OverviewImage = CreatePicture(256, 256);
    RedrawOverview(s);
    CreateSecondMainControls();
    RedrawGlyphEditor(s);
    BuildMenus(s);
    AcceptFileDrops(OverviewCanvas);
    FillBitReverseTable(s);
    s.MapWidth = 40;
    s.MapHeight = 24;
    for (int y = 0; y < MapRows; ++y)
        for (int x = 0; x < MapColumns; ++x) s.MapCell(x, y) = x + 32;
    OpenMapWindow(s);
    SetKeyboardFocus(OverviewCanvas);
    return true;
}

bool HandleEvent(EditorState& s, const Event& ev) {
    switch (ev.kind) {
    case EventKind::FilesDropped:
        if (ev.control == OverviewCanvas) {
            LoadCharsetFile(s, ev.text);
            RedrawCharset(s);
        } else if (ev.control == MapCanvas) {
            LoadMapFile(s, ev.text);
            RedrawMap(s);
        }
        break;
    case EventKind::MenuCommand:
        DispatchCommand(s, ev.command);
        break;
    case EventKind::CloseRequest:
        if (ev.window == MainWindow) return false;
        if (ev.window == MapWindow) ShowWindow(MapWindow, false);
        break;
    case EventKind::ControlEvent:
        RouteControlEvent(s, ev.control, ev.info);
        break;
    case EventKind::None:
        break;
    }
    return !s.QuitRequested;
}

void RunEventLoop(EditorState& s) {
    Event ev;
    while (WaitMessage(ev)) {
        if (IsKeyDown(KeyEscape)) return;  // the key held now, not a key event
        if (!HandleEvent(s, ev)) return;
    }
}

void CmdQuit(EditorState& s) { s.QuitRequested = 1; }

void Shutdown(EditorState&) {
    PlatformShutdown();
    std::exit(0);
}

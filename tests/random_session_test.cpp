// A long random session through the headless backend: events of every kind on every
// control, every command with its dialogs answered or cancelled, drops, close requests and
// Escape; after every event the state must be whole, and every so often the three views
// must show what the drawing rules make of the state.
//
// Length and seed: PIXMOSA_SESSION_EVENTS (default 10^6), PIXMOSA_SESSION_SECONDS (a bound
// in time, default 900), PIXMOSA_SESSION_SEED (a number, or "clock"), PIXMOSA_SESSION_VIEWS
// (events between two view checks, default 500).
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <random>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

#include "app/codepage.h"
#include "support/fixture.h"
#include "support/reference_views.h"
#include "support/temp_dir.h"

namespace {

using T = ControlEventType;
namespace fs = std::filesystem;

#if defined(__SANITIZE_ADDRESS__)
constexpr uint64_t DefaultEvents = 200000;  // the checked build runs several times slower
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr uint64_t DefaultEvents = 200000;
#else
constexpr uint64_t DefaultEvents = 1000000;
#endif
#else
constexpr uint64_t DefaultEvents = 1000000;
#endif

uint64_t EnvNumber(const char* name, uint64_t fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtoull(v, nullptr, 10) : fallback;
}

uint64_t SessionSeed() {
    const char* v = std::getenv("PIXMOSA_SESSION_SEED");
    if (v && std::string(v) == "clock") return uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
    return v && *v ? std::strtoull(v, nullptr, 10) : 20261211;
}

const T AllEventTypes[] = {
    T::None, T::LeftDown, T::LeftUp, T::LeftClick, T::RightDown, T::RightUp, T::RightClick, T::DoubleClick,
    T::Move, T::Enter, T::Leave, T::Wheel, T::KeyDown, T::KeyUp, T::Changed, T::Clicked,
};
const int ActionKeys[] = {KeyLeft, KeyUp, KeyRight, KeyDown, KeyInsert, KeyDelete, KeyEscape};
const int ExtremePositions[] = {INT_MIN, INT_MIN + 15, -(1 << 30), 1 << 30, INT_MAX - 15, INT_MAX};

// Names a save dialog is answered with, relative to the session's directory; "taken.*" are
// directories, "pipe.fnt" a FIFO and "nodir" does not exist, so saving there must fail and
// say so (and a FIFO must never block a load or a save).
const char* const SaveNames[] = {
    "font", "font.fnt", "FONT.FNT", "font.fnt.bak", "x.fn", "screen", "screen.map", "SCREEN.MAP",
    "picture.bmp", "picture", "taken.fnt", "taken.map", "taken.bmp", "nodir/file.fnt", "back\\slash.fnt", "pipe.fnt",
};
// Texts an open dialog or a drop carries: files the saves write, files made at the start,
// a directory, a missing file, and texts that name no file.
const char* const LoadNames[] = {
    "font.fnt", "FONT.FNT", "screen.map", "picture.bmp", "empty", "five", "big.fnt", "taken.fnt",
    "missing.fnt", "", "font.fnt\nscreen.map", "five\n", "pipe.fnt",
};

struct Session {
    EditorState s;
    std::mt19937_64 rng;
    TempDir dir;
    std::deque<std::string> recent;  // the last events, for the report
    std::string failure;
    uint64_t events = 0, restarts = 0, viewChecks = 0, savesChecked = 0;
    bool rangeTouched = false;
    struct {
        bool any = false;
        int x = 0, y = 0, drag = 0, source = 0;
    } overviewFrame;  // the last pointer move handled on the overview
    struct {
        bool any = false;
        int c = 0, r = 0;
    } mapFrame;  // the cell of the last highlight on the map

    explicit Session(uint64_t seed) : rng(seed) {
        for (const char* d : {"taken.fnt", "taken.map", "taken.bmp"}) fs::create_directory(dir / d);
        WriteBytes(dir / "empty", {});
        WriteBytes(dir / "five", Pattern(5, 1));
        WriteBytes(dir / "big.fnt", Pattern(3000, 2));
        mkfifo((dir / "pipe.fnt").c_str(), 0600);
        Start();
    }

    int Below(int n) { return int(rng() % uint64_t(n)); }
    bool OneIn(int n) { return Below(n) == 0; }

    // Mostly a plain start; now and then one where a menu or the map window cannot be made.
    void Start() {
        HeadlessReset();
        if (OneIn(10)) {
            const int failing = Below(4);
            if (failing < 3) FailMenu(std::vector<int>{MainMenu, RangePopup, MapPopup}[size_t(failing)]);
            else FailWindow(MapWindow);
        }
        SetArguments({});
        ASSERT_TRUE(Startup(s, 0, nullptr));
        rangeTouched = false;
        overviewFrame.any = mapFrame.any = false;
        RedrawMap(s);  // the map canvas stays black until its first redraw; make that now
    }

    void Note(const std::string& what) {
        std::string line = "#";
        line += std::to_string(events);
        line += ' ';
        recent.push_back(line + what);
        if (recent.size() > 24) recent.pop_front();
    }

    int Position(int size) {
        switch (Below(10)) {
        case 0: case 1: case 2: case 3: return Below(size);
        case 4: {
            const int edges[] = {-16, -15, -1, 0, 15, 16, size - 16, size - 1, size, size + 15, size + 16};
            return edges[Below(int(std::size(edges)))];
        }
        case 5: return OneIn(2) ? Below(64) - 32 : size - 32 + Below(64);
        case 6: return Below(3 * size) - size;
        case 7: return (OneIn(2) ? -1 : 1) * (size + Below(1000000));
        case 8: return OneIn(16) ? ExtremePositions[Below(int(std::size(ExtremePositions)))] : Below(size);
        default: return Below(size);
        }
    }

    int AnyKey() { return OneIn(2) ? ActionKeys[Below(int(std::size(ActionKeys)))] : Below(256); }

    void CanvasEvent(int canvas) {
        int w = 256, h = 256;
        if (canvas == GlyphCanvas) w = h = 128;
        if (canvas == MapCanvas) {
            const bool visible = OneIn(2);
            w = visible ? 16 * s.MapWidth : 1280;
            h = visible ? 16 * s.MapHeight : 800;
        }
        const T type = AllEventTypes[Below(int(std::size(AllEventTypes)))];
        const int x = Position(w), y = Position(h), buttons = Below(4);
        const int key = type == T::KeyUp || type == T::KeyDown ? AnyKey() : Below(4);
        Note("canvas " + std::to_string(canvas) + " type " + std::to_string(int(type)) + " at " + std::to_string(x) + "," +
             std::to_string(y) + " buttons " + std::to_string(buttons) + " key " + std::to_string(key));
        PostControlEvent(canvas, type, x, y, buttons, key);
    }

    void KeyRelease() {
        const int key = AnyKey();
        Note("key release " + std::to_string(key));
        PostControlEvent(OverviewCanvas, T::KeyUp, Position(256), Position(256), 0, key);
    }

    std::string LoadText() {
        const std::string name = LoadNames[Below(int(std::size(LoadNames)))];
        if (name.empty()) return OneIn(2) ? std::string() : std::string(1 + Below(3), ' ');
        if (name.find('\n') != std::string::npos) {
            std::string text = dir.Slash() + name;
            size_t nl = text.find('\n');
            if (nl + 1 < text.size()) text.insert(nl + 1, dir.Slash());
            return text;
        }
        return OneIn(20) ? dir.path : dir / name;
    }

    struct SaveExpectation {
        bool active = false;
        std::string path;  // as the program must finally name it
        std::vector<uint8_t> bytes;
        size_t size = 0;
    } save;

    static std::string WithExtensionRule(const std::string& path, const std::string& ext) {
        std::string tail = path.size() > 4 ? path.substr(path.size() - 4) : path;
        for (char& c : tail) c = char(std::tolower(static_cast<unsigned char>(c)));
        return tail == ext ? path : path + ext;
    }

    std::vector<uint8_t> VisibleMapBytes() const {
        std::vector<uint8_t> bytes;
        for (int r = 0; r < s.MapHeight; ++r)
            for (int c = 0; c < s.MapWidth; ++c) bytes.push_back(uint8_t(s.MapCell(c, r)));
        return bytes;
    }

    void ScriptSave(const std::string& ext, std::vector<uint8_t> bytes, size_t size) {
        if (OneIn(4)) {
            ScriptSaveDialog("");
            return;
        }
        const std::string answer = dir / SaveNames[Below(int(std::size(SaveNames)))];
        ScriptSaveDialog(answer);
        save = {true, WithExtensionRule(answer, ext), std::move(bytes), size};
    }

    void Command(int command) {
        save.active = false;
        const int code = s.CurrentCode;
        const size_t sizes[] = {768, 1024, 2048};
        switch (command) {
        case 0:
            if (!OneIn(4)) ScriptOpenDialog(LoadText(), OneIn(10) ? std::vector<int>{-1, 2, 7}[size_t(Below(3))] : Below(2));
            break;
        case 2: case 3: case 4: {
            const size_t n = sizes[command - 2];
            if (8 * size_t(code) + n <= 2048) {
                const uint8_t* first = s.CharsetStore.data() + 8 * code;
                ScriptSave(".fnt", std::vector<uint8_t>(first, first + n), n);
            }
            break;
        }
        case 5: ScriptSave(".map", VisibleMapBytes(), size_t(s.MapWidth * s.MapHeight)); break;
        case 6: ScriptSave(".bmp", {}, 196662); break;
        case 16: case 17: rangeTouched = true; break;
        case 37: case 38: ScriptColourDialog(OneIn(4) ? -1 : OneIn(8) ? (1ll << 24) + (long long)(rng() >> 20) : Below(1 << 24)); break;
        default: break;
        }
        Note("command " + std::to_string(command));
        PostMenuCommand(command);
    }

    void MapEdit() {
        const int x = Position(1280), y = Position(800);
        Note("right click on the map at " + std::to_string(x) + "," + std::to_string(y));
        PostControlEvent(MapCanvas, T::RightClick, x, y, 0, 0);
        Command(41 + Below(6));
    }

    void Drop() {
        const int controls[] = {OverviewCanvas, OverviewCanvas, MapCanvas, MapCanvas, GlyphCanvas, RangeBeginSlider, 99};
        const int control = controls[Below(int(std::size(controls)))];
        const std::string text = LoadText();
        Note("drop on " + std::to_string(control) + ": \"" + text + "\"");
        PostFilesDropped(control, text);
    }

    void OtherControl() {
        const int control = Below(16);
        if (control >= ShiftLeftButton && control <= ShiftDownButton && OneIn(2)) {
            Note("button " + std::to_string(control));
            PostButtonClick(control);
            return;
        }
        const T type = AllEventTypes[Below(int(std::size(AllEventTypes)))];
        if (control == RangeBeginSlider || control == RangeEndSlider) rangeTouched = true;  // every slider event rewrites the labels
        Note("control " + std::to_string(control) + " type " + std::to_string(int(type)));
        PostControlEvent(control, type, Position(300), Position(300), Below(4), AnyKey());
    }

    // Every command, and numbers that name none; "Quit" rarely, so that sessions grow long.
    int RandomCommand() {
        if (OneIn(50)) return std::vector<int>{-1, 47, 1000}[size_t(Below(3))];
        int command = Below(47);
        while (command == 1 && !OneIn(8)) command = Below(47);
        return command;
    }

    // Posts one random step; false when it ends the program.
    bool Step() {
        ClearRecords();
        const int pick = Below(1000);
        if (pick < 560) CanvasEvent(Below(3));
        else if (pick < 620) KeyRelease();
        else if (pick < 760) Command(RandomCommand());
        else if (pick < 800) {
            const int slider = OneIn(2) ? RangeBeginSlider : RangeEndSlider, position = Below(256);
            Note("slider " + std::to_string(slider) + " to " + std::to_string(position));
            PostSliderMove(slider, position);
            rangeTouched = true;
        } else if (pick < 820) {
            Note("check box click");
            ClickCheckBox(RangeCheckBox);
        } else if (pick < 860) OtherControl();
        else if (pick < 900) Drop();
        else if (pick < 915) {
            const int window = OneIn(50) ? MainWindow : MapWindow;
            Note("close request " + std::to_string(window));
            PostCloseRequest(window);
        } else if (pick < 916 && OneIn(2)) {
            Note("Escape held");
            SetKeyHeld(KeyEscape, true);
            PostControlEvent(OverviewCanvas, T::Move, Position(256), Position(256), 0, 0);
        } else MapEdit();
        return Run();
    }

    // Handles the posted events as the event loop does, noting the frames that stay drawn.
    bool Run() {
        Event ev;
        while (WaitMessage(ev)) {
            if (IsKeyDown(KeyEscape)) return false;
            if (ev.kind == EventKind::ControlEvent && ev.info.type == T::Move) {
                if (ev.control == OverviewCanvas) overviewFrame = {true, ev.info.x, ev.info.y, s.DragActive, s.DragSource};
                const int c = ev.info.x / 16, r = ev.info.y / 16;
                if (ev.control == MapCanvas && c >= 0 && c < s.MapWidth && r >= 0 && r < s.MapHeight) mapFrame = {true, c, r};
            }
            if (!HandleEvent(s, ev)) return false;
        }
        return true;
    }

    static std::string RangeText(int v) {
        std::string t = std::to_string(v);
        if (v >= 32) t += ':';
        if (v >= 32) t += CharacterOfCode(uint8_t(v));
        return t;
    }

    std::string CheckRangeLabels() {
        const std::string begin = ControlText(RangeBeginLabel), end = ControlText(RangeEndLabel);
        const std::string wantBegin = rangeTouched ? "BeginRange:" + RangeText(SliderPosition(RangeBeginSlider)) : "Begin range:0";
        const std::string wantEnd = rangeTouched ? "End range:" + RangeText(SliderPosition(RangeEndSlider)) : "End range:0";
        if (begin != wantBegin || end != wantEnd) return "range labels \"" + begin + "\", \"" + end + "\", sliders want \"" + wantBegin + "\", \"" + wantEnd + "\"";
        return {};
    }

    std::string CheckSave() {
        if (!save.active) return {};
        save.active = false;
        ++savesChecked;
        const auto& dialogs = DialogsShown();
        if (dialogs.empty() || dialogs.back().kind != "save") return "no save dialog shown for a scripted save";
        const bool failed = !MessagesShown().empty() && MessagesShown().back().text == "File Error:" + save.path;
        std::error_code ec;
        const bool possible = (fs::is_regular_file(save.path, ec) || !fs::exists(save.path, ec)) &&
                              fs::is_directory(fs::path(save.path).parent_path(), ec);
        if (failed != !possible) return std::string(failed ? "a save that could be written failed: " : "a save that cannot be written did not fail: ") + save.path;
        if (failed) return {};
        const std::vector<uint8_t> written = ReadBytes(save.path);
        if (written.size() != save.size) return "saved " + std::to_string(written.size()) + " bytes, not " + std::to_string(save.size) + ": " + save.path;
        if (!save.bytes.empty() && written != save.bytes) return "the saved bytes differ from the state: " + save.path;
        if (save.size == 196662 && (written[0] != 'B' || written[1] != 'M')) return "the saved picture is no BMP";
        return {};
    }

    std::string CheckViews() {
        ++viewChecks;
        const RefPicture image = RefOverviewImage(s);
        if (std::string d = FirstDifference(s.OverviewImage, image); !d.empty()) return "overview picture: " + d;
        RefPicture overview = RefOverviewCanvas(s, image);
        if (std::string d = FirstDifference(OverviewCanvas, overview); !d.empty()) {
            if (!overviewFrame.any) return "overview canvas: " + d;
            const auto& f = overviewFrame;
            if (f.drag) {
                const int sx = 16 * (f.source % 16), sy = 16 * (f.source / 16);
                for (int j = 0; j < 16; ++j)
                    for (int i = 0; i < 16; ++i) {
                        const int64_t x = int64_t(f.x) + i, y = int64_t(f.y) + j;
                        if (x >= 0 && y >= 0 && x < 256 && y < 256)
                            overview.px[size_t(y) * 256 + size_t(x)] = image.px[size_t(sy + j) * 256 + size_t(sx + i)];
                    }
            }
            overview.Outline(16 * (f.x / 16), 16 * (f.y / 16), 16, 16, f.drag ? Rgb(255, 0, 0) : Rgb(0, 255, 0));
            if (std::string e = FirstDifference(OverviewCanvas, overview); !e.empty())
                return "overview canvas, neither redrawn nor holding the last frame: " + d + "; with the frame " + e;
        }
        if (std::string d = FirstDifference(GlyphCanvas, RefGlyphCanvas(s)); !d.empty()) return "glyph canvas: " + d;
        if (!s.MapWindowAvailable) return {};
        RefPicture map = RefMapCanvas(s);
        if (std::string d = FirstDifference(MapCanvas, map); !d.empty()) {
            if (!mapFrame.any) return "map canvas: " + d;
            map.Outline(16 * mapFrame.c, 16 * mapFrame.r, 16, 16, Rgb(255, 0, 0));
            if (std::string e = FirstDifference(MapCanvas, map); !e.empty())
                return "map canvas, neither redrawn nor holding the last highlight: " + d + "; with the highlight " + e;
        }
        return {};
    }

    std::string Report(const std::string& rule) {
        std::ostringstream out;
        out << "after event #" << events << ": " << rule << "\nthe last events:\n";
        for (const std::string& r : recent) out << "  " << r << "\n";
        return out.str();
    }

    // Runs until `count` events or `seconds` have passed; false at the first broken rule.
    bool RunFor(uint64_t count, double seconds, uint64_t viewEvery) {
        const auto start = std::chrono::steady_clock::now();
        for (events = 0; events < count; ++events) {
            if ((events & 1023) == 0 && std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() > seconds) break;
            if (!Step()) {
                ++restarts;
                Start();
            }
            std::string broken = BrokenStateRule(s);
            if (broken.empty()) broken = CheckRangeLabels();
            if (broken.empty()) broken = CheckSave();
            if (broken.empty() && events % viewEvery == 0) broken = CheckViews();
            if (!broken.empty()) {
                failure = Report(broken);
                return false;
            }
        }
        if (std::string broken = CheckViews(); !broken.empty()) {
            failure = Report(broken);
            return false;
        }
        return true;
    }
};

TEST(RandomSession, EveryEventLeavesTheStateWholeAndTheViewsTrue) {
    // Saves sync their files; on a memory file system that costs nothing.
    if (!std::getenv("TMPDIR") && access("/dev/shm", W_OK) == 0) setenv("TMPDIR", "/dev/shm", 0);
    const uint64_t seed = SessionSeed();
    const uint64_t count = EnvNumber("PIXMOSA_SESSION_EVENTS", DefaultEvents);
    const double seconds = double(EnvNumber("PIXMOSA_SESSION_SECONDS", 900));
    const uint64_t viewEvery = std::max<uint64_t>(1, EnvNumber("PIXMOSA_SESSION_VIEWS", 500));
    std::printf("random session: seed %llu, up to %llu events or %.0f s\n", (unsigned long long)seed, (unsigned long long)count, seconds);
    std::fflush(stdout);
    const auto start = std::chrono::steady_clock::now();
    Session session(seed);
    const bool whole = session.RunFor(count, seconds, viewEvery);
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("random session: seed %llu, %llu events in %.1f s, %llu restarts, %llu view checks, %llu saves checked\n",
                (unsigned long long)seed, (unsigned long long)session.events, took, (unsigned long long)session.restarts,
                (unsigned long long)session.viewChecks, (unsigned long long)session.savesChecked);
    EXPECT_TRUE(whole) << "seed " << seed << ", " << session.failure;
}

}  // namespace

// The toolkit's start and end, the program's event queue, the blocking wait and the
// state of the keys.
#include <sys/socket.h>
#include <sys/un.h>
#include <netdb.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QWidget>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <set>

#include "platform/core/picture_store.h"
#include "platform/qt/qt_backend.h"

namespace {

QApplication* app = nullptr;
std::vector<std::string> arguments;
std::string programName = "pixmosa";
std::deque<Event> queue;
std::set<int> keysHeld;
// Keys pressed in the program's windows during the current wait, and those of them let go
// again before it returned: one wait handles every pending message, so a quick tap's
// release can come before the loop reads the key, which was down when its press woke it.
std::set<int> keysPressedInWait, keysTappedInWait;
bool waiting = false;

// Follows the keys pressed in the program's own windows. Presses that reach a dialog or
// a menu do not count, so an Escape that closes a dialog never reads as held here; nor
// does its auto-repeat arriving at a window after the dialog has gone.
struct KeyStateFilter final : QObject {
    bool eventFilter(QObject* receiver, QEvent* e) override {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto* k = static_cast<QKeyEvent*>(e);
            int key = VirtualKey(k->key());
            if (key == 0 || k->isAutoRepeat()) break;
            if (e->type() == QEvent::KeyRelease) {
                if (waiting && keysPressedInWait.count(key)) keysTappedInWait.insert(key);
                keysHeld.erase(key);
            } else if (receiver->isWidgetType() && InProgramWindow(static_cast<QWidget*>(receiver))) {
                keysHeld.insert(key);
                if (waiting) keysPressedInWait.insert(key);
            }
            break;
        }
        case QEvent::ApplicationDeactivate:  // releases elsewhere never reach us
            keysHeld.clear();
            break;
        default:
            break;
        }
        return false;
    }
} keyFilter;

bool CanConnect(int family, const sockaddr* addr, socklen_t len) {
    int fd = socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    bool ok = connect(fd, addr, len) == 0;
    close(fd);
    return ok;
}

bool CanConnectLocal(const std::string& path, bool abstract) {
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    size_t offset = abstract ? 1 : 0;  // an abstract name starts with a NUL byte
    if (path.size() + offset >= sizeof a.sun_path) return false;
    std::memcpy(a.sun_path + offset, path.data(), path.size());
    socklen_t len = socklen_t(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
    return CanConnect(AF_UNIX, reinterpret_cast<sockaddr*>(&a), len);
}

// Whether the X server that DISPLAY names ("[host]:n[.screen]") accepts a connection.
bool XServerReachable() {
    const char* d = std::getenv("DISPLAY");
    if (!d || !*d) return false;
    std::string display = d;
    size_t colon = display.rfind(':');
    if (colon == std::string::npos) return false;
    std::string host = display.substr(0, colon);
    std::string number = display.substr(colon + 1);
    number = number.substr(0, number.find('.'));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return false;
    if (!host.empty() && host[0] == '/') return access(host.c_str(), F_OK) == 0;  // a socket path
    if (host.empty() || host == "unix") {
        std::string path = "/tmp/.X11-unix/X" + number;
        return CanConnectLocal(path, false) || CanConnectLocal(path, true);
    }
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    std::string port = std::to_string(6000 + std::atoi(number.c_str()));
    if (getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0) return false;
    bool ok = false;
    for (addrinfo* i = found; i && !ok; i = i->ai_next) ok = CanConnect(i->ai_family, i->ai_addr, i->ai_addrlen);
    freeaddrinfo(found);
    return ok;
}

bool WaylandReachable() {
    const char* name = std::getenv("WAYLAND_DISPLAY");
    std::string path = name && *name ? name : "wayland-0";
    if (path[0] != '/') {
        const char* dir = std::getenv("XDG_RUNTIME_DIR");
        if (!dir || !*dir) return false;
        path = std::string(dir) + "/" + path;
    }
    QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms");
    return CanConnectLocal(path, false) && !plugins.entryList({"*wayland*"}).isEmpty();
}

// Constructing QApplication aborts the process when its platform cannot start, so the
// display is looked for first.
bool DisplayUsable() {
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    if (!chosen || !*chosen) return XServerReachable() || WaylandReachable();
    for (const QString& entry : QString::fromLocal8Bit(chosen).split(';', Qt::SkipEmptyParts)) {
        QString name = entry.section(':', 0, 0);
        if (name == "xcb" ? XServerReachable() : name.startsWith("wayland") ? WaylandReachable() : true)
            return true;
    }
    return false;
}

}  // namespace

bool PlatformInit(int argc, char** argv) {
    arguments.clear();
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    if (argc > 0 && argv[0]) programName = argv[0];
    if (app) return true;
    if (!DisplayUsable()) {
        std::fprintf(stderr, "pixmosa: no window could be opened: no display is available\n");
        return false;
    }
    // Qt sees only the program's name, so no argument is taken for one of its own options.
    static int qtArgc;
    static char* qtArgv[2];
    qtArgc = 1;
    qtArgv[0] = programName.data();
    app = new QApplication(qtArgc, qtArgv);
    QApplication::setQuitOnLastWindowClosed(false);
    app->installEventFilter(&keyFilter);
    return true;
}

void PlatformShutdown() {
    ReleaseMenus();
    ReleaseControls();
    ReleaseWindows();
    ReleaseAllPictures();
    queue.clear();
    keysHeld.clear();
    keysPressedInWait.clear();
    keysTappedInWait.clear();
    if (app) {
        app->removeEventFilter(&keyFilter);
        delete app;
        app = nullptr;
    }
}

std::vector<std::string> CommandLineArguments() { return arguments; }

void QueueEvent(const Event& ev) { queue.push_back(ev); }

void QueueControlEvent(int control, const ControlEventInfo& info) {
    Event ev;
    ev.kind = EventKind::ControlEvent;
    ev.control = control;
    ev.info = info;
    queue.push_back(ev);
}

size_t QueuedEvents() { return queue.size(); }

bool WaitMessage(Event& ev) {
    if (!app) return false;
    if (queue.empty()) {
        keysPressedInWait.clear();
        keysTappedInWait.clear();
        waiting = true;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        waiting = false;
        // Outside exec() Qt never reaches objects left for deletion (closed tooltips, menus).
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ev = Event{};
    if (!queue.empty()) {
        ev = queue.front();
        queue.pop_front();
    }
    return true;
}

bool IsKeyDown(int key) { return keysHeld.count(key) != 0 || keysTappedInWait.count(key) != 0; }

int VirtualKey(int qtKey) {
    static const struct { int qt, key; } named[] = {
        {Qt::Key_Escape, KeyEscape}, {Qt::Key_Left, KeyLeft},     {Qt::Key_Up, KeyUp},
        {Qt::Key_Right, KeyRight},   {Qt::Key_Down, KeyDown},     {Qt::Key_Insert, KeyInsert},
        {Qt::Key_Delete, KeyDelete},
    };
    for (const auto& n : named)
        if (n.qt == qtKey) return n.key;
    // Letters and digits carry their upper-case ASCII code in both systems.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
    return 0;
}

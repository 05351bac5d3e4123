// The program's top-level windows.
#include <QApplication>
#include <QCloseEvent>
#include <QMainWindow>
#include <QScreen>

#include <map>

#include "platform/qt/qt_backend.h"

namespace {

constexpr Qt::WindowFlags Frame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                  Qt::WindowCloseButtonHint;

// A window whose close button asks the program instead of closing.
struct TopWindow final : QMainWindow {
    int number;
    explicit TopWindow(int n) : QMainWindow(nullptr, Frame), number(n) {}
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        Event ev;
        ev.kind = EventKind::CloseRequest;
        ev.window = number;
        QueueEvent(ev);
    }
};

std::map<int, TopWindow*> windows;

}  // namespace

QMainWindow* WindowWidget(int window) {
    auto it = windows.find(window);
    return it == windows.end() ? nullptr : it->second;
}

QWidget* WindowContent(int window) {
    QMainWindow* w = WindowWidget(window);
    return w ? w->centralWidget() : nullptr;
}

bool InProgramWindow(const QWidget* w) {
    if (!w) return false;
    const QWidget* top = w->window();
    for (const auto& [number, win] : windows)
        if (win == top) return true;
    return false;
}

QWidget* DialogOwner() {
    QWidget* active = QApplication::activeWindow();
    if (InProgramWindow(active)) return active->window();
    return WindowWidget(0);
}

void ReleaseWindows() {
    for (auto& [number, win] : windows) delete win;
    windows.clear();
}

bool OpenWindow(int window, const std::string& title, int w, int h, bool shown, int relativeTo, int dx, int dy) {
    if (!qApp || window < 0 || windows.count(window) || w <= 0 || h <= 0) return false;
    auto* win = new TopWindow(window);
    win->setWindowTitle(QString::fromStdString(title));
    win->setCentralWidget(new QWidget);
    // The client area keeps its size; a menu bar added later takes its height out of it.
    win->setFixedSize(w, h);
    if (QMainWindow* ref = WindowWidget(relativeTo)) {
        win->move(ref->pos() + QPoint(dx, dy));  // pos() of a window is its frame's corner
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        win->move(area.x() + (area.width() - w) / 2, area.y() + (area.height() - h) / 2);
    }
    windows[window] = win;
    ShowWindow(window, shown);
    return true;
}

void ShowWindow(int window, bool shown) {
    QMainWindow* w = WindowWidget(window);
    if (!w || w->isVisible() == shown) return;
    w->setVisible(shown);
    if (shown) w->activateWindow();  // a window that appears takes the keyboard, also without a window manager
}

bool IsWindowShown(int window) {
    QMainWindow* w = WindowWidget(window);
    return w && w->isVisible();
}

void SetWindowTitle(int window, const std::string& title) {
    if (QMainWindow* w = WindowWidget(window)) w->setWindowTitle(QString::fromStdString(title));
}

std::string WindowTitle(int window) {
    QMainWindow* w = WindowWidget(window);
    return w ? w->windowTitle().toStdString() : std::string();
}

// Helpers for tests of the Qt backend on Qt's offscreen platform.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMainWindow>
#include <QTest>
#include <QWindow>

#include <cstdlib>
#include <ostream>
#include <vector>

#include "app/commands.h"
#include "platform/platform.h"
#include "qt_backend.h"

inline void PrintTo(ControlEventType t, std::ostream* os) {
    static const char* const names[] = {"None", "LeftDown", "LeftUp", "LeftClick", "RightDown", "RightUp",
                                         "RightClick", "DoubleClick", "Move", "Enter", "Leave", "Wheel",
                                         "KeyDown", "KeyUp", "Changed", "Clicked"};
    *os << names[int(t)];
}

// Starts the toolkit for one test and releases it afterwards.
class QtTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static char name[] = "pixmosa";
        char* argv[] = {name, nullptr};
        ASSERT_TRUE(PlatformInit(1, argv));
    }
    void TearDown() override { PlatformShutdown(); }
};

// Handles what is pending without waiting and returns the program events it produced.
inline std::vector<Event> TakeEvents() {
    QCoreApplication::processEvents();
    std::vector<Event> out;
    Event ev;
    while (QueuedEvents() > 0 && WaitMessage(ev)) out.push_back(ev);
    return out;
}

inline std::vector<ControlEventInfo> TakeControlEvents(int control) {
    std::vector<ControlEventInfo> out;
    for (const Event& ev : TakeEvents())
        if (ev.kind == EventKind::ControlEvent && ev.control == control) out.push_back(ev.info);
    return out;
}

inline std::vector<ControlEventType> Types(const std::vector<ControlEventInfo>& events) {
    std::vector<ControlEventType> out;
    for (const ControlEventInfo& e : events) out.push_back(e.type);
    return out;
}

// Shows a window and waits until the platform has exposed it.
inline QWindow* Exposed(int window) {
    QMainWindow* w = WindowWidget(window);
    if (!w) return nullptr;
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowExposed(w)) return nullptr;
    return w->windowHandle();
}

// A point of a control in the coordinates of its top-level window.
inline QPoint InWindow(int control, QPoint p) {
    QWidget* c = ControlWidget(control);
    return c->mapTo(c->window(), p);
}

// The editor started as the program starts, with its main window active.
class RunningEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static char name[] = "pixmosa";
        char* argv[] = {name, nullptr};
        ASSERT_TRUE(Startup(s, 1, argv));
        win = WindowWidget(MainWindow)->windowHandle();
        ASSERT_TRUE(QTest::qWaitForWindowActive(win));
        Handle();
    }
    void TearDown() override { PlatformShutdown(); }

    // Handles everything pending as the event loop would; false once the program is to end.
    bool Handle() {
        QCoreApplication::processEvents();
        Event ev;
        while (QueuedEvents() > 0 && WaitMessage(ev)) {
            if (IsKeyDown(KeyEscape) || !HandleEvent(s, ev)) return false;
        }
        return true;
    }

    EditorState s;
    QWindow* win = nullptr;
};

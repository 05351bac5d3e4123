// Internals of the Qt backend, shared between its files and its tests.
#pragma once

#include "platform/platform.h"

class QMainWindow;
class QWidget;

// Queues a program event for WaitMessage.
void QueueEvent(const Event& ev);
void QueueControlEvent(int control, const ControlEventInfo& info);
size_t QueuedEvents();

// The top-level window, or nullptr.
QMainWindow* WindowWidget(int window);
// The widget that holds a window's controls (below its menu bar), or nullptr.
QWidget* WindowContent(int window);
// The widget of a control, or nullptr.
QWidget* ControlWidget(int control);
// Makes the widget of a canvas control and its picture; nullptr when it has no drawing area.
QWidget* CreateCanvas(const ControlLayout& layout, QWidget* parent);

// The menu bar or popup menu with this number, or nullptr.
QWidget* MenuWidget(int menu);
// The window a modal dialog is shown over.
QWidget* DialogOwner();

// Whether the widget belongs to one of the program's windows (not to a dialog or a menu).
bool InProgramWindow(const QWidget* w);

// The virtual key code of a Qt key, 0 for keys the program has no code for.
int VirtualKey(int qtKey);

// Teardown, in PlatformShutdown.
void ReleaseMenus();
void ReleaseControls();
void ReleaseWindows();

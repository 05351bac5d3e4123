// Menu bars, popup menus and their submenus, items carrying command numbers, check
// marks, and Ctrl shortcuts bound to a window.
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include <map>

#include "platform/qt/qt_backend.h"

namespace {

struct Menu {
    QWidget* widget = nullptr;  // QMenuBar or QMenu
    int root = -1;              // the menu bar or popup at the top of its tree
};

std::map<int, Menu> menus;
std::vector<QMenu*> popups;  // owned here: they have no parent widget
int nextSubmenu = 100;

Menu* Find(int menu) {
    auto it = menus.find(menu);
    return it == menus.end() ? nullptr : &it->second;
}

void QueueCommand(int command) {
    Event ev;
    ev.kind = EventKind::MenuCommand;
    ev.command = command;
    QueueEvent(ev);
}

// The item carrying `command` in the tree of root menu `root`, or nullptr.
QAction* FindItem(int root, int command) {
    for (const auto& [number, m] : menus) {
        if (m.root != root) continue;
        for (QAction* a : m.widget->actions())
            if (a->data().isValid() && a->data().toInt() == command) return a;
    }
    return nullptr;
}

}  // namespace

QWidget* MenuWidget(int menu) {
    Menu* m = Find(menu);
    return m ? m->widget : nullptr;
}

bool CreateMenuBar(int menu, int window) {
    QMainWindow* win = WindowWidget(window);
    if (!win || Find(menu) || win->menuWidget()) return false;
    menus[menu] = Menu{win->menuBar(), menu};
    return true;
}

bool CreatePopupMenu(int menu) {
    if (!qApp || Find(menu)) return false;
    auto* popup = new QMenu;
    popups.push_back(popup);
    menus[menu] = Menu{popup, menu};
    return true;
}

bool MenuExists(int menu) { return Find(menu) != nullptr; }

int AddSubmenu(int parent, const std::string& text) {
    Menu* p = Find(parent);
    if (!p) return -1;
    QString t = QString::fromStdString(text);
    QMenu* sub = nullptr;
    if (auto* bar = qobject_cast<QMenuBar*>(p->widget)) sub = bar->addMenu(t);
    else sub = static_cast<QMenu*>(p->widget)->addMenu(t);
    int number = nextSubmenu++;
    menus[number] = Menu{sub, p->root};
    return number;
}

void AddMenuItem(int menu, int command, const std::string& text) {
    Menu* m = Find(menu);
    if (!m) return;
    // Text after a tab is shown right-aligned as the shortcut hint.
    auto* item = new QAction(QString::fromStdString(text), m->widget);
    item->setData(command);
    QObject::connect(item, &QAction::triggered, [item, command] {
        // Check marks are the program's to set: undo the toggle Qt made on its own.
        if (item->isCheckable()) item->setChecked(!item->isChecked());
        QueueCommand(command);
    });
    m->widget->addAction(item);
}

void AddMenuSeparator(int menu) {
    Menu* m = Find(menu);
    if (!m) return;
    if (auto* bar = qobject_cast<QMenuBar*>(m->widget)) bar->addSeparator();
    else static_cast<QMenu*>(m->widget)->addSeparator();
}

void SetMenuCheck(int menu, int command, bool checked) {
    QAction* item = FindItem(menu, command);
    if (!item) return;
    // Only checked items are checkable, so unchecked ones show no empty box.
    item->setCheckable(checked);
    item->setChecked(checked);
}

bool IsMenuChecked(int menu, int command) {
    QAction* item = FindItem(menu, command);
    return item && item->isChecked();
}

void ShowPopupMenu(int menu, int window) {
    Menu* m = Find(menu);
    auto* popup = m ? qobject_cast<QMenu*>(m->widget) : nullptr;
    if (!popup || !WindowWidget(window)) return;
    popup->exec(QCursor::pos());  // the chosen item queues its command
}

void BindCtrlShortcut(int window, char key, int command) {
    QMainWindow* win = WindowWidget(window);
    if (!win) return;
    int code = key >= 'a' && key <= 'z' ? key - 'a' + 'A' : key;
    auto* shortcut = new QShortcut(QKeySequence(QKeyCombination(Qt::ControlModifier, Qt::Key(code))), win);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, [command] { QueueCommand(command); });
}

void ReleaseMenus() {
    for (QMenu* popup : popups) delete popup;
    popups.clear();
    menus.clear();
    nextSubmenu = 100;
}

// One pointer event on the glyph editor through the Qt backend on the offscreen platform:
// delivered to the canvas widget, handled by the program (the whole redraw chain), and
// every widget it touched repainted.
#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include <cstdint>
#include <cstdlib>

#include "app/commands.h"
#include "budget.h"
#include "platform/qt/qt_backend.h"

namespace {

// Counts the paint events that reach widgets, to show that the repaints really happen.
struct PaintCounter final : QObject {
    long paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
} paintCounter;

// The editor with about half the charset's bits set, the largest map with its grid shown.
EditorState& BusyEditor() {
    static EditorState s;
    static bool started = false;
    if (started) return s;
    started = true;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static char name[] = "pixmosa";
    char* argv[] = {name, nullptr};
    if (!Startup(s, 1, argv)) std::abort();
    uint32_t x = 12345;
    for (auto& b : s.CharsetStore) {
        x = x * 1103515245u + 12345u;
        b = uint8_t(x >> 16);
    }
    SetMapSize(s, 80, 50);  // also shows the map window
    RedrawCharset(s);
    QCoreApplication::processEvents();
    qApp->installEventFilter(&paintCounter);
    return s;
}

// Handles every message pending, as the event loop does, then the repaints they asked for.
void HandlePending(EditorState& s) {
    Event ev;
    do {
        WaitMessage(ev);
        HandleEvent(s, ev);
    } while (QueuedEvents() > 0);
    QCoreApplication::sendPostedEvents();  // the repaints: update() posts them
}

void BM_QtGlyphPointerEvent(benchmark::State& state) {
    EditorState& s = BusyEditor();
    QWidget* canvas = ControlWidget(GlyphCanvas);
    long paintsBefore = paintCounter.paints;
    int i = 0;
    for (auto _ : state) {
        ++i;
        // A stroke that alternately sets and clears a pixel, so every move changes the glyph.
        Qt::MouseButtons held = i & 1 ? Qt::LeftButton : Qt::RightButton;
        QPointF at((i * 16) & 127, 40);
        QCoreApplication::postEvent(canvas, new QMouseEvent(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton,
                                                            held, Qt::NoModifier));
        HandlePending(s);
    }
    state.counters["paints"] = benchmark::Counter(double(paintCounter.paints - paintsBefore) / double(i));
}
BENCHMARK(BM_QtGlyphPointerEvent);

void BM_QtGlyphPointerEventFloor(benchmark::State& state) {
    EditorState& s = BusyEditor();
    size_t pixels = 256 * 256 + 256 * 256 + 128 * 128 + size_t(16 * s.MapWidth) * size_t(16 * s.MapHeight);
    MemsetFloor(state, pixels * 4);
}
BENCHMARK(BM_QtGlyphPointerEventFloor);

}  // namespace

// The limit: the redraw chain's own budget (2 x floor) plus as much again for showing the
// pixels it drew, which the repaint copies once more at most.
int main(int argc, char** argv) {
    return RunWithBudgets(argc, argv,
                          {{"qt-glyph-pointer-event", "BM_QtGlyphPointerEvent", "BM_QtGlyphPointerEventFloor", 4.0}});
}

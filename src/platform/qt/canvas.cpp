// Canvases: a frame around a retained picture, reporting pointer, key and drop events.
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "platform/core/picture_store.h"
#include "platform/qt/qt_backend.h"

namespace {

int HeldMask(Qt::MouseButtons b) {
    return (b & Qt::LeftButton ? ButtonLeft : 0) | (b & Qt::RightButton ? ButtonRight : 0);
}

int ButtonBit(Qt::MouseButton b) { return b == Qt::LeftButton ? ButtonLeft : b == Qt::RightButton ? ButtonRight : 0; }

QString DroppedPaths(const QMimeData* data) {
    QStringList paths;
    if (data)
        for (const QUrl& url : data->urls())
            if (url.isLocalFile()) paths << url.toLocalFile();
    return paths.join('\n');
}

struct Canvas final : QFrame {
    int id;
    bool enterPending = false;  // the next move is the first since the pointer came in
    int pressedHere = 0;        // buttons whose press this canvas received, not yet released

    Canvas(int control, QWidget* parent) : QFrame(parent), id(control) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    QPoint DrawingAreaPos(QPointF widgetPos) const {
        return QPoint(int(std::floor(widgetPos.x())), int(std::floor(widgetPos.y()))) - contentsRect().topLeft();
    }

    void Report(ControlEventType type, QPoint at, int buttons, int key = 0) {
        ControlEventInfo info;
        info.type = type;
        info.x = at.x();
        info.y = at.y();
        info.buttons = buttons;
        info.key = key;
        QueueControlEvent(id, info);
    }

    QPoint PointerNow() const { return DrawingAreaPos(mapFromGlobal(QCursor::pos())); }

    void paintEvent(QPaintEvent* e) override {
        QFrame::paintEvent(e);
        Picture* p = FindPicture(id);
        if (!p) return;
        // Shows the picture's memory as it is, without a copy.
        QImage image(reinterpret_cast<const uchar*>(p->pixels.data()), p->w, p->h, p->w * 4, QImage::Format_RGB32);
        QRect area = contentsRect();
        QRect part = e->rect() & QRect(area.topLeft(), image.size());
        QPainter painter(this);
        painter.drawImage(part, image, part.translated(-area.topLeft()));
    }

    void mousePressEvent(QMouseEvent* e) override {
        int bit = ButtonBit(e->button());
        if (!bit) return;
        pressedHere |= bit;
        Report(bit == ButtonLeft ? ControlEventType::LeftDown : ControlEventType::RightDown,
               DrawingAreaPos(e->position()), HeldMask(e->buttons()));
    }

    void mouseDoubleClickEvent(QMouseEvent* e) override {
        mousePressEvent(e);  // the second press of a double click is a press as well
        if (ButtonBit(e->button()))
            Report(ControlEventType::DoubleClick, DrawingAreaPos(e->position()), HeldMask(e->buttons()));
    }

    void mouseReleaseEvent(QMouseEvent* e) override {
        int bit = ButtonBit(e->button());
        if (!bit) return;
        QPoint at = DrawingAreaPos(e->position());
        int held = HeldMask(e->buttons());
        bool left = bit == ButtonLeft;
        Report(left ? ControlEventType::LeftUp : ControlEventType::RightUp, at, held);
        // A click: pressed here and released over this canvas's whole rectangle.
        if ((pressedHere & bit) && rect().contains(e->position().toPoint()))
            Report(left ? ControlEventType::LeftClick : ControlEventType::RightClick, at, held);
        pressedHere &= ~bit;
    }

    void mouseMoveEvent(QMouseEvent* e) override {
        Report(enterPending ? ControlEventType::Enter : ControlEventType::Move, DrawingAreaPos(e->position()),
               HeldMask(e->buttons()));
        enterPending = false;
    }

    void enterEvent(QEnterEvent*) override { enterPending = true; }

    void leaveEvent(QEvent*) override {
        enterPending = false;
        Report(ControlEventType::Leave, PointerNow(), HeldMask(QGuiApplication::mouseButtons()));
    }

    void wheelEvent(QWheelEvent* e) override {
        Report(ControlEventType::Wheel, DrawingAreaPos(e->position()), HeldMask(e->buttons()));
        e->ignore();  // a scroll area around the canvas scrolls as well
    }

    void keyPressEvent(QKeyEvent* e) override {
        Report(ControlEventType::KeyDown, PointerNow(), HeldMask(QGuiApplication::mouseButtons()), VirtualKey(e->key()));
    }

    void keyReleaseEvent(QKeyEvent* e) override {
        if (e->isAutoRepeat()) return;  // only the real release counts
        Report(ControlEventType::KeyUp, PointerNow(), HeldMask(QGuiApplication::mouseButtons()), VirtualKey(e->key()));
    }

    void dragEnterEvent(QDragEnterEvent* e) override {
        if (DroppedPaths(e->mimeData()).isEmpty()) return;
        e->setDropAction(Qt::CopyAction);
        e->accept();
    }

    void dragMoveEvent(QDragMoveEvent* e) override {
        e->setDropAction(Qt::CopyAction);
        e->accept();
    }

    void dropEvent(QDropEvent* e) override {
        QString paths = DroppedPaths(e->mimeData());
        if (paths.isEmpty()) return;
        e->setDropAction(Qt::CopyAction);
        e->accept();
        Event ev;
        ev.kind = EventKind::FilesDropped;
        ev.control = id;
        ev.text = paths.toStdString();
        QueueEvent(ev);
    }
};

}  // namespace

QWidget* CreateCanvas(const ControlLayout& layout, QWidget* parent) {
    int border = std::max(layout.border, 0);
    int w = layout.w - 2 * border, h = layout.h - 2 * border;
    if (w <= 0 || h <= 0) return nullptr;
    auto* canvas = new Canvas(layout.id, parent);
    if (border > 0) {
        bool sunken = layout.options & OptSunkenBorder;
        // A two-pixel sunken panel is the classic well around a drawing area.
        canvas->setFrameStyle((border == 2 ? QFrame::WinPanel : QFrame::Panel) | (sunken ? QFrame::Sunken : QFrame::Plain));
        canvas->setLineWidth(border);
    }
    canvas->setFocusPolicy(layout.options & OptTakesFocus ? Qt::ClickFocus : Qt::NoFocus);
    MakePicture(layout.id, w, h);
    return canvas;
}

void BackendPictureChanged(int picture) {
    if (QWidget* w = ControlWidget(picture)) w->update();
}

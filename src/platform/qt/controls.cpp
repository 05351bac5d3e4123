// Controls of the windows: labels, sliders, buttons, the text field, scroll areas and
// canvases, each known by the program's control number.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QTextEdit>

#include <map>

#include "platform/qt/qt_backend.h"

namespace {

struct Control {
    ControlKind kind = ControlKind::Canvas;
    QWidget* widget = nullptr;
};

std::map<int, Control> controls;

Control* Find(int control) {
    auto it = controls.find(control);
    return it == controls.end() ? nullptr : &it->second;
}

template <typename W>
W* As(int control, ControlKind kind) {
    Control* c = Find(control);
    return c && c->kind == kind ? static_cast<W*>(c->widget) : nullptr;
}

void Report(int control, ControlEventType type) {
    ControlEventInfo info;
    info.type = type;
    QueueControlEvent(control, info);
}

QWidget* MakeLabel(const ControlLayout& layout, QWidget* parent) {
    // A QLabel without a buddy shows '&' as it is.
    auto* label = new QLabel(QString::fromUtf8(layout.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment((layout.options & OptCentred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    return label;
}

QWidget* MakeSlider(const ControlLayout& layout, QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(layout.minimum, layout.maximum);
    if (layout.options & OptTickEveryValue) {
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(1);
    }
    int id = layout.id;
    QObject::connect(slider, &QSlider::valueChanged, [id] { Report(id, ControlEventType::Changed); });
    return slider;
}

QWidget* MakeCheckBox(const ControlLayout& layout, QWidget* parent) {
    return new QCheckBox(QString::fromUtf8(layout.text), parent);
}

QWidget* MakePushButton(const ControlLayout& layout, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(layout.text), parent);
    int id = layout.id;
    QObject::connect(button, &QPushButton::clicked, [id] { Report(id, ControlEventType::Clicked); });
    return button;
}

QWidget* MakeTextField(const ControlLayout& layout, QWidget* parent) {
    auto* field = new QTextEdit(parent);
    field->setAcceptRichText(false);
    field->setTabChangesFocus(true);
    if (layout.options & OptAutoHScroll) {
        // Scrolls with the cursor, like a field without a scroll bar of its own.
        field->setLineWrapMode(QTextEdit::NoWrap);
        field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (!(layout.options & OptSunkenBorder)) field->setFrameShape(QFrame::NoFrame);
    Qt::Alignment align = layout.options & OptCentred ? Qt::AlignHCenter
                          : layout.options & OptRightAligned ? Qt::AlignRight
                                                           : Qt::AlignLeft;
    QTextOption option = field->document()->defaultTextOption();
    option.setAlignment(align);
    field->document()->setDefaultTextOption(option);
    field->setPlainText(QString::fromUtf8(layout.text));
    return field;
}

QWidget* MakeScrollArea(const ControlLayout& layout, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    if (!(layout.options & OptSunkenBorder)) area->setFrameShape(QFrame::NoFrame);
    auto* inner = new QWidget;
    inner->resize(layout.w, layout.h);
    area->setWidget(inner);
    return area;
}

using Maker = QWidget* (*)(const ControlLayout&, QWidget*);
const struct { ControlKind kind; Maker make; } Makers[] = {
    {ControlKind::Canvas, CreateCanvas},         {ControlKind::Label, MakeLabel},
    {ControlKind::Slider, MakeSlider},           {ControlKind::CheckBox, MakeCheckBox},
    {ControlKind::PushButton, MakePushButton},   {ControlKind::TextField, MakeTextField},
    {ControlKind::ScrollArea, MakeScrollArea},
};

}  // namespace

QWidget* ControlWidget(int control) {
    Control* c = Find(control);
    return c ? c->widget : nullptr;
}

bool CreateControl(const ControlLayout& layout) {
    if (layout.id < 0 || Find(layout.id) || layout.w <= 0 || layout.h <= 0) return false;
    QWidget* parent = WindowContent(layout.window);
    if (layout.parent >= 0) {
        auto* area = As<QScrollArea>(layout.parent, ControlKind::ScrollArea);
        parent = area ? area->widget() : nullptr;
    }
    if (!parent) return false;
    QWidget* w = nullptr;
    for (const auto& m : Makers)
        if (m.kind == layout.kind) w = m.make(layout, parent);
    if (!w) return false;
    w->setGeometry(layout.x, layout.y, layout.w, layout.h);
    if (*layout.tooltip) w->setToolTip(QString::fromUtf8(layout.tooltip));
    w->show();
    controls[layout.id] = Control{layout.kind, w};
    return true;
}

void SetControlText(int control, const std::string& text) {
    Control* c = Find(control);
    if (!c) return;
    QString t = QString::fromStdString(text);
    if (auto* label = qobject_cast<QLabel*>(c->widget)) label->setText(t);
    else if (auto* button = qobject_cast<QAbstractButton*>(c->widget)) button->setText(t);
    else if (auto* field = qobject_cast<QTextEdit*>(c->widget)) {
        // Laying the text out again is the costly part of a stroke over pixels already set.
        if (field->toPlainText() != t) field->setPlainText(t);
    }
}

std::string ControlText(int control) {
    Control* c = Find(control);
    if (!c) return {};
    if (auto* label = qobject_cast<QLabel*>(c->widget)) return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(c->widget)) return button->text().toStdString();
    if (auto* field = qobject_cast<QTextEdit*>(c->widget)) return field->toPlainText().toStdString();
    return {};
}

void SetToolTip(int control, const std::string& text) {
    if (QWidget* w = ControlWidget(control)) w->setToolTip(QString::fromStdString(text));
}

int SliderPosition(int control) {
    auto* slider = As<QSlider>(control, ControlKind::Slider);
    return slider ? slider->value() : 0;
}

void SetSliderPosition(int control, int position) {
    auto* slider = As<QSlider>(control, ControlKind::Slider);
    if (!slider) return;
    QSignalBlocker quiet(slider);  // only the user's moves are reported
    slider->setValue(position);
}

bool IsCheckBoxChecked(int control) {
    auto* box = As<QCheckBox>(control, ControlKind::CheckBox);
    return box && box->isChecked();
}

void SetScrollInnerSize(int control, int w, int h, int step) {
    auto* area = As<QScrollArea>(control, ControlKind::ScrollArea);
    if (!area || w <= 0 || h <= 0) return;
    area->widget()->resize(w, h);
    if (step > 0) {
        area->horizontalScrollBar()->setSingleStep(step);
        area->verticalScrollBar()->setSingleStep(step);
    }
}

void SetKeyboardFocus(int control) {
    if (QWidget* w = ControlWidget(control)) w->setFocus(Qt::OtherFocusReason);
}

void AcceptFileDrops(int control) {
    if (Control* c = Find(control); c && c->kind == ControlKind::Canvas) c->widget->setAcceptDrops(true);
}

void ReleaseControls() { controls.clear(); }  // the widgets go with their windows

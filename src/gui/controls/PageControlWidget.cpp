#include "controls/PageControlWidget.h"

#include <QMenu>
#include <QMouseEvent>

#include "controls/PageControl.h"

namespace htmlsim {

namespace {

MouseButton ToMouseButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        default:
            return MouseButton::Middle;
    }
}

// Shift 1, Ctrl 2, Alt 4, as mouse notifications report the keys.
int16_t ShiftState(Qt::KeyboardModifiers modifiers) {
    return static_cast<int16_t>((modifiers & Qt::ShiftModifier ? 1 : 0) |
                                (modifiers & Qt::ControlModifier ? 2 : 0) |
                                (modifiers & Qt::AltModifier ? 4 : 0));
}

}  // namespace

PageControlWidget::PageControlWidget(PageControl& control, QWidget* parent)
    : QWidget(parent), mControl(control) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
    mMenu = new QMenu(this);
    mMenu->setObjectName("mnuLinkProperties");
    mProperties = mMenu->addAction("Properties");
    mProperties->setObjectName("mnuProperties");
    mProperties->setEnabled(false);
    connect(mProperties, &QAction::triggered, this, [this] {
        if (mPropertiesCommand) {
            mPropertiesCommand();
        }
    });
    mControl.Redrawn = [this] { Redraw(); };
}

PageControlWidget::~PageControlWidget() {
    mControl.Redrawn = nullptr;
}

void PageControlWidget::SetPropertiesCommand(std::function<void()> command) {
    mPropertiesCommand = std::move(command);
    mProperties->setEnabled(static_cast<bool>(mPropertiesCommand));
}

void PageControlWidget::ApplyPlacement(const ControlPlacement& placement) {
    setGeometry(placement.Left, placement.Top, placement.Width, placement.Height);
    setVisible(placement.Visible);
}

void PageControlWidget::mousePressEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    const bool showMenu = mControl.MouseDown(ToMouseButton(event->button()),
                                             ShiftState(event->modifiers()), at.x(), at.y());
    if (showMenu) {
        mMenu->popup(event->globalPosition().toPoint());
    }
}

void PageControlWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    mControl.MouseMoved(ShiftState(event->modifiers()), at.x(), at.y());
}

void PageControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    mControl.MouseUp(ToMouseButton(event->button()), ShiftState(event->modifiers()), at.x(),
                     at.y());
}

}  // namespace htmlsim

#include "controls/PageControlWidget.h"

#include <QKeyEvent>
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
    QAction* remove = mMenu->addAction("Remove");
    remove->setObjectName("mnuRemove");
    connect(remove, &QAction::triggered, this, [this] {
        if (mRemoveCommand) {
            mRemoveCommand();
        }
    });
    // A click selects the control: it takes the keyboard, and Delete removes it.
    setFocusPolicy(Qt::ClickFocus);
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
    // Every control's menu offers Remove, a label's too.
    if (showMenu || (event->button() == Qt::RightButton && mRemoveCommand)) {
        mMenu->popup(event->globalPosition().toPoint());
    }
}

void PageControlWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && mRemoveCommand) {
        mRemoveCommand();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The selected control shows a frame, drawn over it by the view's painting.
void PageControlWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void PageControlWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
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

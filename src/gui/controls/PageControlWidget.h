#pragma once

#include <QWidget>
#include <functional>

#include "surface/ControlArray.h"

class QAction;
class QMenu;

namespace htmlsim {

class PageControl;

// The surface view of one page control: it hands the user's mouse to the control, which
// tracks its own drags, and shows the control's pop-up menu when the control asks for it.
class PageControlWidget : public QWidget {
    Q_OBJECT
  public:
    PageControlWidget(PageControl& control, QWidget* parent);
    ~PageControlWidget() override;

    // Follows the element's place, size and visibility as the host keeps them.
    virtual void ApplyPlacement(const ControlPlacement& placement);

    // The pop-up menu of an anchor or an input.
    QMenu* PopupMenu() const { return mMenu; }
    // What the menu's "Properties" runs; the item is enabled only while there is a command.
    void SetPropertiesCommand(std::function<void()> command);
    // What the menu's "Remove" and the Delete key run.
    void SetRemoveCommand(std::function<void()> command) { mRemoveCommand = std::move(command); }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // Brings the view up to date after the control redrew.
    virtual void Redraw() { update(); }

    PageControl& mControl;

  private:
    QMenu* mMenu = nullptr;
    QAction* mProperties = nullptr;
    std::function<void()> mPropertiesCommand;
    std::function<void()> mRemoveCommand;
};

}  // namespace htmlsim

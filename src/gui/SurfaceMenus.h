#pragma once

#include <QPoint>
#include <QString>
#include <functional>

#include "session/DesignMouse.h"

class QMenu;
class QWidget;

namespace htmlsim {
class DesignInteraction;
}

namespace htmlsim::gui {

// Shows the design surface's pop-up menus as the core describes them and runs the chosen
// item's command.
class SurfaceMenus : public DesignMouseView {
  public:
    // Shows the menu at a global position and answers the chosen item's name, "" for none.
    using Chooser = std::function<QString(QMenu& menu, const QPoint& at)>;

    explicit SurfaceMenus(QWidget& pallet);
    void SetInteraction(DesignInteraction* interaction) { mInteraction = interaction; }
    // Tests answer the menu themselves instead of a modal loop.
    void SetChooser(Chooser chooser) { mChooser = std::move(chooser); }

    void ShowPopupMenu(const PopupMenu& menu, float x, float y) override;
    void RepaintSurface() override;

  private:
    QWidget& mPallet;
    DesignInteraction* mInteraction = nullptr;
    Chooser mChooser;
};

}  // namespace htmlsim::gui

#pragma once

#include <vector>

#include "session/DesignMouse.h"

namespace htmlsim::testing {

// Records the pop-up menus the mouse opens and the repaints it asks for.
class FakeDesignMouseView : public DesignMouseView {
  public:
    std::vector<PopupMenu> menus;
    int repaints = 0;

    void ShowPopupMenu(const PopupMenu& menu, float /*x*/, float /*y*/) override {
        menus.push_back(menu);
    }
    void RepaintSurface() override { ++repaints; }
};

}  // namespace htmlsim::testing

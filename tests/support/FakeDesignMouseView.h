#pragma once

#include <vector>

#include "session/DesignMouse.h"

namespace htmlsim::testing {

// Records the pop-up menus the mouse opens.
class FakeDesignMouseView : public DesignMouseView {
  public:
    std::vector<PopupMenu> menus;

    void ShowPopupMenu(const PopupMenu& menu, float /*x*/, float /*y*/) override {
        menus.push_back(menu);
    }
};

}  // namespace htmlsim::testing

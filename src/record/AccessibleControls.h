#pragma once

#include <optional>

#include "record/RecordedPress.h"

namespace htmlsim::record {

// Asks the desktop's accessibility bus (AT-SPI) which control lies under a point of the
// screen: its bounds, accessible name, and whether it is a text or password field. Without a
// session bus, or when no application answers, nothing is known and callers fall back.
class AccessibleControls {
  public:
    AccessibleControls();
    ~AccessibleControls();
    AccessibleControls(const AccessibleControls&) = delete;
    AccessibleControls& operator=(const AccessibleControls&) = delete;

    // At a point of the screen; bounds in screen coordinates.
    std::optional<AccessibleControl> At(int x, int y) const;

  private:
    bool mAvailable = false;
};

}  // namespace htmlsim::record

#pragma once

#include <functional>
#include <optional>
#include <string>

#include "model/AreaShape.h"

namespace htmlsim {

// The control under the pointer as the desktop's accessibility interface names it, in the
// recorded region's coordinates.
struct AccessibleControl {
    ShapeBox bounds;
    std::string name;
    bool isTextField = false;
    bool isPassword = false;
};

// One mouse press observed while recording, at a point of the recorded region.
struct RecordedPress {
    int x = 0;
    int y = 0;
    bool rightButton = false;
    std::optional<AccessibleControl> control;
};

// The screen a page shows: its size and how to write it as a PNG file (throws RuntimeError
// with the reason when it cannot).
struct RecordedPicture {
    int width = 0;
    int height = 0;
    std::function<void(const std::string& path)> save;
};

}  // namespace htmlsim

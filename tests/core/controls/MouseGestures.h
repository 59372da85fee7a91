#pragma once

#include "controls/PageControl.h"

namespace htmlsim::testing {

// The user's mouse on a control, in its own pixels.

// Pressed at (x, y) and released there without moving.
inline void Click(PageControl& control, float x, float y) {
    control.MouseDown(MouseButton::Left, 0, x, y);
    control.MouseUp(MouseButton::Left, 0, x, y);
}

// Pressed at (x, y), moved to (toX, toY) and released there; answers what the press answered
// (whether the control asks for its menu).
inline bool Drag(PageControl& control, float x, float y, float toX, float toY,
                 MouseButton button = MouseButton::Left) {
    const bool pressed = control.MouseDown(button, 0, x, y);
    control.MouseMoved(0, toX, toY);
    control.MouseUp(button, 0, toX, toY);
    return pressed;
}

}  // namespace htmlsim::testing

#pragma once

#include <cstdint>
#include <functional>

namespace htmlsim {

// The nine events every page control raises to its host, in the order the controls declare
// them. Arguments are by reference as the host may answer through them (WhatsMyPosition does).
// An unset handler means the host ignores that event.
struct PageControlEvents {
    std::function<void()> Click;
    std::function<void(int16_t& left, int16_t& top)> Move;
    std::function<void(int16_t& shift, float& x, float& y)> LeftMouseDown;
    std::function<void(int16_t& shift, float& x, float& y)> LeftMouseUp;
    std::function<void(int16_t& shift, float& x, float& y)> MouseMove;
    std::function<void(int16_t& dx, int16_t& dy)> MoveControl;
    std::function<void(int16_t& left, int16_t& top)> WhatsMyPosition;
    std::function<void()> ChangeHasBeenMade;
    std::function<void(int16_t& width, int16_t& height)> ChangeSize;
};

}  // namespace htmlsim

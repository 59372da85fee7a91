#pragma once

#include <string>
#include <utility>
#include <vector>

#include "controls/PageControl.h"

namespace htmlsim::testing {

// Connects to every event of a control and writes each one down as "Name(args)"; answers
// WhatsMyPosition with `position`, as a host would.
struct ControlEventLog {
    std::vector<std::string> events;
    StylePosition position;

    explicit ControlEventLog(PageControl& control) {
        auto pair = [](const char* name, int a, int b) {
            return std::string(name) + "(" + std::to_string(a) + "," + std::to_string(b) + ")";
        };
        PageControlEvents& e = control.Events;
        e.Click = [this] { events.push_back("Click"); };
        e.Move = [this, pair](int16_t& l, int16_t& t) { events.push_back(pair("Move", l, t)); };
        e.LeftMouseDown = [this](int16_t&, float&, float&) { events.push_back("LeftMouseDown"); };
        e.LeftMouseUp = [this](int16_t&, float&, float&) { events.push_back("LeftMouseUp"); };
        e.MouseMove = [this](int16_t&, float&, float&) { events.push_back("MouseMove"); };
        e.MoveControl = [this, pair](int16_t& dx, int16_t& dy) {
            events.push_back(pair("MoveControl", dx, dy));
        };
        e.WhatsMyPosition = [this](int16_t& l, int16_t& t) {
            events.push_back("WhatsMyPosition");
            l = position.Left;
            t = position.Top;
        };
        e.ChangeHasBeenMade = [this] { events.push_back("ChangeHasBeenMade"); };
        e.ChangeSize = [this, pair](int16_t& w, int16_t& h) {
            events.push_back(pair("ChangeSize", w, h));
        };
    }

    std::vector<std::string> Take() { return std::exchange(events, {}); }
};

}  // namespace htmlsim::testing

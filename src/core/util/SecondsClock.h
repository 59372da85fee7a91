#pragma once

#include <functional>

namespace htmlsim {

// A clock that reads seconds (with fractions) from a fixed but arbitrary origin. Injected where
// a duration decides behaviour, so tests can set the time.
using SecondsClock = std::function<double()>;

// Seconds of the system's steady clock: never jumps back, not even at midnight.
double SteadySeconds();

}  // namespace htmlsim

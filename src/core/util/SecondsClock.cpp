#include "util/SecondsClock.h"

#include <chrono>

namespace htmlsim {

double SteadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace htmlsim

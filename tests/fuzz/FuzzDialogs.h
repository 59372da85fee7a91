#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "SilentDialogs.h"

namespace htmlsim {

// Fuzzed input may be refused, never crash: the user reads every message and cancels every
// question.
using FuzzDialogs = testing::SilentDialogs;

// The fuzzer's bytes cut in two at the first NUL (or kept whole when there is none).
inline std::pair<std::string, std::string> SplitAtNul(const uint8_t* data, size_t size) {
    const std::string whole(reinterpret_cast<const char*>(data), size);
    const size_t nul = whole.find('\0');
    if (nul == std::string::npos) {
        return {whole, {}};
    }
    return {whole.substr(0, nul), whole.substr(nul + 1)};
}

}  // namespace htmlsim

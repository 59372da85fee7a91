#pragma once

#include <stdexcept>
#include <string>

#include "SilentDialogs.h"

namespace htmlsim {

// Dialogs for benchmarks of work that must not ask anything: a message would be a fault, so it
// stops the benchmark instead of being timed.
class UnexpectedMessageDialogs : public testing::SilentDialogs {
  public:
    void Message(const std::string& text, const std::string&, MessageIcon) override {
        throw std::logic_error("unexpected message: " + text);
    }
};

}  // namespace htmlsim

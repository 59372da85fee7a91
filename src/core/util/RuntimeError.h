#pragma once

#include <stdexcept>
#include <string>

namespace htmlsim {

// A failure whose description is shown to the user as it stands. Operations that handle their
// own failures catch it (and std::exception in general) and show what() in a message box.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const std::string& description) : std::runtime_error(description) {}
};

// Raised when a number does not fit the 16-bit field it is stored in.
class OverflowError : public RuntimeError {
public:
    OverflowError() : RuntimeError("Overflow") {}
};

}  // namespace htmlsim

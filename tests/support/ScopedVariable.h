#pragma once

#include <optional>
#include <string>

namespace htmlsim::testing {

// Sets an environment variable (or, given no value, removes it) for the object's life and puts
// back what was there before.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const char* value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    const char* mName;
    std::optional<std::string> mOld;
};

}  // namespace htmlsim::testing

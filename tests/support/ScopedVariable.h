#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace htmlsim::testing {

// Sets an environment variable (or, given no value, removes it) for the object's life and puts
// back what was there before.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const char* value) : mName(name) {
        if (const char* old = std::getenv(name)) {
            mOld = old;
        }
        Put(name, value);
    }
    ~ScopedVariable() { Put(mName, mOld ? mOld->c_str() : nullptr); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    static void Put(const char* name, const char* value) {
        value ? setenv(name, value, 1) : unsetenv(name);
    }

    const char* mName;
    std::optional<std::string> mOld;
};

}  // namespace htmlsim::testing

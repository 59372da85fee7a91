#include "ScopedVariable.h"

#include <cstdlib>

namespace htmlsim::testing {

namespace {

void Put(const char* name, const char* value) {
    value ? setenv(name, value, 1) : unsetenv(name);
}

}  // namespace

ScopedVariable::ScopedVariable(const char* name, const char* value) : mName(name) {
    if (const char* old = std::getenv(name)) {
        mOld = old;
    }
    Put(name, value);
}

ScopedVariable::~ScopedVariable() {
    Put(mName, mOld ? mOld->c_str() : nullptr);
}

}  // namespace htmlsim::testing

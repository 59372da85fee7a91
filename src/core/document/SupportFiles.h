#pragma once

#include <string>

namespace htmlsim {

// Writes "HTMLSimulation.js", then "MyStyle.css", into the folder (ending with "/") where they
// are missing. An existing file is never overwritten: the user's own edits survive every save.
// Throws RuntimeError when a file cannot be written.
void WriteMissingSupportFiles(const std::string& folder);

}  // namespace htmlsim

#pragma once

#include <string>

namespace htmlsim {

// Makes, when missing, the folder for downloaded and converted pictures: programFolder + "/Temp",
// or $XDG_CACHE_HOME/htmlsim/Temp (~/.cache/htmlsim/Temp) when the program's folder cannot be
// written. Returns its path, without a trailing "/".
std::string PrepareTemporaryFolder(const std::string& programFolder);

}  // namespace htmlsim

#pragma once

#include <string>

namespace htmlsim {

// The path with "." + extension added when its file name has no extension ("login" ->
// "login.html"); any other path as it is.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace htmlsim

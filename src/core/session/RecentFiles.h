#pragma once

#include <string>
#include <vector>

namespace htmlsim {

inline constexpr size_t kRecentFilesKept = 10;

// The recent documents with `path` put first: it is not listed twice, and only the
// kRecentFilesKept latest stay.
std::vector<std::string> WithRecentFile(std::vector<std::string> recent, const std::string& path);

}  // namespace htmlsim

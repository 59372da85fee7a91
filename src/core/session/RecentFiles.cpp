#include "session/RecentFiles.h"

#include <algorithm>

namespace htmlsim {

std::vector<std::string> WithRecentFile(std::vector<std::string> recent, const std::string& path) {
    std::erase(recent, path);
    recent.insert(recent.begin(), path);
    if (recent.size() > kRecentFilesKept) {
        recent.resize(kRecentFilesKept);
    }
    return recent;
}

}  // namespace htmlsim

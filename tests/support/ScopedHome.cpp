#include "ScopedHome.h"

namespace htmlsim::testing {

bool AnyFileHolds(const std::filesystem::path& folder, const std::string& text) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() &&
            ReadFileBytes(entry.path()).find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace htmlsim::testing

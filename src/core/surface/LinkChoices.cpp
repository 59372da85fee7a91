#include "surface/LinkChoices.h"

#include <algorithm>
#include <filesystem>

#include "util/Text.h"

namespace htmlsim {

std::vector<std::string> LinkChoices(const std::string& folder, const std::string& extension) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::filesystem::path& path = entry->path();
        std::string ext = path.extension().string();
        if (!ext.empty()) {
            ext.erase(0, 1);
        }
        if (entry->is_regular_file(error) && EqualsIgnoreCase(ext, extension)) {
            names.push_back(path.filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    names.insert(names.begin(), kBackLink);
    return names;
}

}  // namespace htmlsim

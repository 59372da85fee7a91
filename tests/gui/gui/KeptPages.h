#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace htmlsim::gui::testing {

// The browser test clicks through pages the editor wrote: it runs a GUI test with
// HTMLSIM_KEEP_PAGES naming a folder, and the test copies its pages, pictures and support
// files into a subfolder `name` there. Without the variable nothing is kept.
inline void KeepPagesForBrowser(const std::filesystem::path& folder, const std::string& name) {
    const char* keep = std::getenv("HTMLSIM_KEEP_PAGES");
    if (keep == nullptr || *keep == '\0') {
        return;
    }
    const std::filesystem::path target = std::filesystem::path(keep) / name;
    std::filesystem::create_directories(target);
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            std::filesystem::copy_file(entry.path(), target / entry.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }
}

}  // namespace htmlsim::gui::testing

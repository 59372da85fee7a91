#include "util/DefaultExtension.h"

namespace htmlsim {

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    const size_t nameStart = path.find_last_of("/\\");
    const std::string name = path.substr(nameStart == std::string::npos ? 0 : nameStart + 1);
    // A leading dot names a hidden file, not an extension.
    const size_t dot = name.find_last_of('.');
    if (name.empty() || (dot != std::string::npos && dot != 0)) {
        return path;
    }
    return path + "." + extension;
}

}  // namespace htmlsim

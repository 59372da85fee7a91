#include "util/PathParts.h"

#include "util/Text.h"

namespace htmlsim {

PathParts SplitPathAt(std::string_view path, char separator) {
    PathParts parts;
    const size_t last = path.rfind(separator);
    const std::string_view rest = last == std::string_view::npos ? path : path.substr(last + 1);
    parts.folder = std::string(path.substr(0, path.size() - rest.size()));
    const size_t dot = rest.rfind('.');
    if (dot != std::string_view::npos) {
        parts.extension = std::string(rest.substr(dot + 1));
        parts.name = std::string(rest.substr(0, dot));
    } else {
        parts.name = std::string(TrimBlanks(rest));
    }
    return parts;
}

}  // namespace htmlsim

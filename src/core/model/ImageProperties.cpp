#include "model/ImageProperties.h"

#include "util/Text.h"

namespace htmlsim {

void ImageProperties::SetPathAndName(std::string path) {
    mPathAndName = std::move(path);
    const std::string_view full = mPathAndName;
    // A forward slash wins over a backslash, even one that comes later.
    size_t separator = full.rfind('/');
    if (separator == std::string_view::npos) {
        separator = full.rfind('\\');
    }
    const size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    mPathOnly = std::string(full.substr(0, nameStart));
    const std::string_view rest = full.substr(nameStart);
    const size_t dot = rest.rfind('.');
    if (dot != std::string_view::npos) {
        mExtension = std::string(rest.substr(dot + 1));
        mFileNameOnly = std::string(rest.substr(0, dot));
    } else {
        mExtension.clear();
        mFileNameOnly = std::string(TrimBlanks(rest));
    }
}

}  // namespace htmlsim

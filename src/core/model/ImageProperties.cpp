#include "model/ImageProperties.h"

#include "util/PathParts.h"

namespace htmlsim {

void ImageProperties::SetPathAndName(std::string path) {
    mPathAndName = std::move(path);
    // A forward slash wins over a backslash, even one that comes later.
    const char separator = mPathAndName.find('/') != std::string::npos ? '/' : '\\';
    PathParts parts = SplitPathAt(mPathAndName, separator);
    mPathOnly = std::move(parts.folder);
    mFileNameOnly = std::move(parts.name);
    mExtension = std::move(parts.extension);
}

}  // namespace htmlsim

#include "PicturesOncePerFile.h"

namespace htmlsim::cli {

PicturePtr PicturesOncePerFile::LoadFile(const std::string& path) {
    const auto known = mLoaded.find(path);
    if (known != mLoaded.end()) {
        return known->second;
    }
    return mLoaded.emplace(path, mPictures.LoadFile(path)).first->second;
}

}  // namespace htmlsim::cli

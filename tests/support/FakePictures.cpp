#include "FakePictures.h"

#include "util/RuntimeError.h"

namespace htmlsim::testing {

void FakePictures::Add(const std::string& path, int width, int height) {
    mPictures[path] = std::make_shared<FakePicture>(width, height);
}

PicturePtr FakePictures::LoadFile(const std::string& path) {
    loadedPaths.push_back(path);
    const auto found = mPictures.find(path);
    return found == mPictures.end() ? nullptr : found->second;
}

PicturePtr FakePictures::LoadBytes(const std::string&) {
    return nullptr;
}

void FakePictures::SaveJpeg(const Picture&, const std::string& path, int) {
    throw RuntimeError("FakePictures cannot save '" + path + "'");
}

}  // namespace htmlsim::testing

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

void FakePictures::AddBytes(const std::string& bytes, int width, int height) {
    mPicturesByBytes[bytes] = std::make_shared<FakePicture>(width, height);
}

PicturePtr FakePictures::LoadBytes(const std::string& bytes) {
    const auto found = mPicturesByBytes.find(bytes);
    return found == mPicturesByBytes.end() ? nullptr : found->second;
}

void FakePictures::SaveJpeg(const Picture&, const std::string& path, int) {
    throw RuntimeError("FakePictures cannot save '" + path + "'");
}

}  // namespace htmlsim::testing

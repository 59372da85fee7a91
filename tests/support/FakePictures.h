#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "services/Pictures.h"
#include "util/RuntimeError.h"

namespace htmlsim::testing {

// Pictures of given sizes, found by exact path; every other path fails to load.
class FakePictures : public Pictures {
  public:
    class FakePicture : public Picture {
      public:
        FakePicture(int width, int height) : mWidth(width), mHeight(height) {}
        int Width() const override { return mWidth; }
        int Height() const override { return mHeight; }

      private:
        int mWidth;
        int mHeight;
    };

    // Makes `path` load as a picture of this size.
    void Add(const std::string& path, int width, int height) {
        mPictures[path] = std::make_shared<FakePicture>(width, height);
    }
    // Makes these bytes decode as a picture of this size.
    void AddBytes(const std::string& bytes, int width, int height) {
        mPicturesByBytes[bytes] = std::make_shared<FakePicture>(width, height);
    }

    std::vector<std::string> loadedPaths;  // every path asked for, in order

    PicturePtr LoadFile(const std::string& path) override {
        loadedPaths.push_back(path);
        return Found(mPictures, path);
    }
    PicturePtr LoadBytes(const std::string& bytes) override {
        return Found(mPicturesByBytes, bytes);
    }
    void SaveJpeg(const Picture&, const std::string& path, int) override {
        throw RuntimeError("FakePictures cannot save '" + path + "'");
    }

  private:
    static PicturePtr Found(const std::map<std::string, PicturePtr>& pictures,
                            const std::string& key) {
        const auto found = pictures.find(key);
        return found == pictures.end() ? nullptr : found->second;
    }

    std::map<std::string, PicturePtr> mPictures;
    std::map<std::string, PicturePtr> mPicturesByBytes;
};

}  // namespace htmlsim::testing

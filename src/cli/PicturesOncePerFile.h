#pragma once

#include <string>
#include <unordered_map>

#include "QtPictures.h"

namespace htmlsim::cli {

// The editor's pictures, each file decoded once per command: a page whose images all show one
// screenshot holds its pixels once. A command reads its files once, so none changes meanwhile.
class PicturesOncePerFile : public Pictures {
  public:
    PicturePtr LoadFile(const std::string& path) override;
    PicturePtr LoadBytes(const std::string& bytes) override { return mPictures.LoadBytes(bytes); }
    void SaveJpeg(const Picture& picture, const std::string& path, int quality) override {
        mPictures.SaveJpeg(picture, path, quality);
    }

  private:
    QtPictures mPictures;
    std::unordered_map<std::string, PicturePtr> mLoaded;  // a file that failed keeps nullptr
};

}  // namespace htmlsim::cli

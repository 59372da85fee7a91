#pragma once

#include <cstdint>
#include <string>

#include "model/ElementOrigin.h"
#include "services/Pictures.h"

namespace htmlsim {

// The kinds of element an image is written as.
enum ImageKind : int32_t {
    kImagePlain = 0,
    kImageHyperlink = 1,
    kImageMap = 2,
    kImageCanvas = 3,
};

// One picture placed on the page: what its HTML element needs and the decoded picture that the
// design surface paints. A plain holder; only setting the path splits it into its parts.
class ImageProperties {
  public:
    std::string Id;
    std::string Transform;
    std::string Position;
    int32_t PictureWidth = 0;
    int32_t PictureHeight = 0;

    std::string Title;
    std::string MapName;  // without the "#"
    std::string HREF;
    std::string SRC;  // as written into the HTML
    std::string Name;
    int16_t Border = 0;
    int16_t Left = 0;
    int16_t Top = 0;
    int16_t Width = 0;
    int16_t Height = 0;
    PicturePtr PCT;
    int32_t ImageType = kImagePlain;
    int16_t Index = 0;  // position in the page's image table
    // Where the image and its map were read from; none for what was added since.
    ElementOriginPtr Origin;
    ElementOriginPtr MapOrigin;

    const std::string& PathAndName() const { return mPathAndName; }
    void SetPathAndName(std::string path);
    const std::string& PathOnly() const { return mPathOnly; }  // with its trailing separator
    const std::string& FileNameOnly() const { return mFileNameOnly; }
    const std::string& Extension() const { return mExtension; }  // without the dot

  private:
    std::string mPathAndName;
    std::string mPathOnly;
    std::string mFileNameOnly;
    std::string mExtension;
};

}  // namespace htmlsim

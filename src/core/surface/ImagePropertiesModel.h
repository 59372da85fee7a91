#pragma once

#include <string>
#include <vector>

#include "model/ImageProperties.h"

namespace htmlsim {

// What the "Image Properties" dialog shows and does: every edit goes into the image at once.
// Left and Top take whole numbers in the 16-bit range; other text is refused and not written.
class ImagePropertiesModel {
  public:
    // Opening the dialog does not change the image.
    ImagePropertiesModel(ImageProperties& image, const std::string& documentFolder,
                         const std::string& documentExtension);

    const std::vector<std::string>& LinkList() const { return mLinkList; }
    int ImageType() const { return mImage.ImageType; }
    bool LinkFrameVisible() const { return mImage.ImageType == kImageHyperlink; }
    bool MapFrameVisible() const { return mImage.ImageType == kImageMap; }
    const std::string& MapName() const { return mImage.MapName; }
    const std::string& HREF() const { return mImage.HREF; }
    const std::string& Title() const { return mImage.Title; }
    const std::string& Left() const { return mLeft; }
    const std::string& Top() const { return mTop; }
    bool LeftValid() const;
    bool TopValid() const;

    void TypeChosen(int type) { mImage.ImageType = type; }
    void HREFChanged(const std::string& text) { mImage.HREF = text; }
    void TitleChanged(const std::string& text) { mImage.Title = text; }
    void MapNameChanged(const std::string& text) { mImage.MapName = text; }
    void LeftChanged(const std::string& text);
    void TopChanged(const std::string& text);

  private:
    ImageProperties& mImage;
    std::vector<std::string> mLinkList;
    std::string mLeft;
    std::string mTop;
};

}  // namespace htmlsim

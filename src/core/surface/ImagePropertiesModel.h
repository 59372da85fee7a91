#pragma once

#include <string>
#include <vector>

#include "model/ImageProperties.h"
#include "text/DocumentCodec.h"

namespace htmlsim {

// What the "Image Properties" dialog shows and does: every edit goes into the image at once.
// Left and Top take whole numbers in the 16-bit range; other text is refused and not written.
// Texts are shown and typed as UTF-8, decoded from and encoded into the document by its codec.
class ImagePropertiesModel {
  public:
    // Opening the dialog does not change the image.
    ImagePropertiesModel(ImageProperties& image, const std::string& documentFolder,
                         const std::string& documentExtension, const DocumentCodec& codec);

    const std::vector<std::string>& LinkList() const { return mLinkList; }
    int ImageType() const { return mImage.ImageType; }
    bool LinkFrameVisible() const { return mImage.ImageType == kImageHyperlink; }
    bool MapFrameVisible() const { return mImage.ImageType == kImageMap; }
    std::string MapName() const { return mCodec.Decode(mImage.MapName); }
    std::string HREF() const { return mCodec.Decode(mImage.HREF); }
    std::string Title() const { return mCodec.Decode(mImage.Title); }
    const std::string& Left() const { return mLeft; }
    const std::string& Top() const { return mTop; }
    bool LeftValid() const;
    bool TopValid() const;

    void TypeChosen(int type) { mImage.ImageType = type; }
    void HREFChanged(const std::string& text) { mCodec.Update(mImage.HREF, text); }
    void TitleChanged(const std::string& text) { mCodec.Update(mImage.Title, text); }
    void MapNameChanged(const std::string& text) { mCodec.Update(mImage.MapName, text); }
    void LeftChanged(const std::string& text);
    void TopChanged(const std::string& text);

  private:
    ImageProperties& mImage;
    const DocumentCodec& mCodec;
    std::vector<std::string> mLinkList;
    std::string mLeft;
    std::string mTop;
};

}  // namespace htmlsim

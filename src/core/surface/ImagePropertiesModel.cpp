#include "surface/ImagePropertiesModel.h"

#include "surface/LinkChoices.h"
#include "util/WholeNumber.h"

namespace htmlsim {

namespace {

void SetWhenWhole(std::string& box, const std::string& text, int16_t& field) {
    box = text;
    if (auto value = WholeNumber16(text)) {
        field = *value;
    }
}

}  // namespace

ImagePropertiesModel::ImagePropertiesModel(ImageProperties& image,
                                           const std::string& documentFolder,
                                           const std::string& documentExtension,
                                           const DocumentCodec& codec)
    : mImage(image),
      mCodec(codec),
      mLinkList(LinkChoices(documentFolder, documentExtension)),
      mLeft(std::to_string(image.Left)),
      mTop(std::to_string(image.Top)) {}

bool ImagePropertiesModel::LeftValid() const {
    return WholeNumber16(mLeft).has_value();
}

bool ImagePropertiesModel::TopValid() const {
    return WholeNumber16(mTop).has_value();
}

void ImagePropertiesModel::LeftChanged(const std::string& text) {
    SetWhenWhole(mLeft, text, mImage.Left);
}

void ImagePropertiesModel::TopChanged(const std::string& text) {
    SetWhenWhole(mTop, text, mImage.Top);
}

}  // namespace htmlsim

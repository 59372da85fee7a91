#include "model/PageDesign.h"

#include <limits>
#include <string>

#include "util/RuntimeError.h"

namespace htmlsim {

const ImagePtr& PageDesign::ImagePointer(int index) const {
    if (index < 1 || index > ImageCount()) {
        throw RuntimeError("Subscript out of range: there is no image " + std::to_string(index));
    }
    return mImages[static_cast<size_t>(index) - 1];
}

ImageProperties& PageDesign::Image(int index) const {
    return *ImagePointer(index);
}

ImageProperties& PageDesign::AppendImage() {
    if (mImages.size() >= static_cast<size_t>(std::numeric_limits<int16_t>::max())) {
        throw OverflowError();
    }
    auto image = std::make_shared<ImageProperties>();
    image->Index = static_cast<int16_t>(mImages.size() + 1);
    mImages.push_back(image);
    return *image;
}

void PageDesign::RemoveLastImage() {
    if (!mImages.empty()) {
        mImages.pop_back();
    }
}

void PageDesign::ClearImages() {
    mImages.clear();
    ImagesLayout.reset();
    BalloonsLayout.reset();
    CanvasAreasLayout.reset();
    CanvasScriptRead.clear();
    CanvasScriptWrittenAsRead.clear();
    ImportStoppedInSection.clear();
    ImportStoppedAtLine = 0;
}

}  // namespace htmlsim

#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/ClickableAreas.h"
#include "model/ImageProperties.h"
#include "surface/ShapePool.h"

namespace htmlsim {

using ImagePtr = std::shared_ptr<ImageProperties>;

// The design of the page being edited: its images (numbered from 1 in painting order), the
// areas and balloons of all images, the outline elements that show them, and the items the
// user last worked on. Rebuilt from the document by the import.
class PageDesign {
  public:
    int16_t ImageCount() const { return static_cast<int16_t>(mImages.size()); }
    // Image `index`, 1-based; a RuntimeError outside 1 to ImageCount.
    ImageProperties& Image(int index) const;
    const ImagePtr& ImagePointer(int index) const;
    // A new, empty image at position ImageCount + 1, its Index set.
    ImageProperties& AppendImage();
    // Takes back the last image appended, for an insertion that failed after appending it.
    void RemoveLastImage();
    // No images, nothing read: the next write starts from nothing.
    void ClearImages();

    ClickableAreas Areas;
    // The Images section as read, so that writing it changes only what changed; none for a
    // design not read from a document.
    std::shared_ptr<const SectionLayout> ImagesLayout;
    // The same for the Balloons section and the canvas's area list (CanvasScript_Top).
    std::shared_ptr<const SectionLayout> BalloonsLayout;
    std::shared_ptr<const SectionLayout> CanvasAreasLayout;
    // The canvas's script (CanvasScript_Bottom) as read, and as the program would have written it
    // right after reading: only the lines whose values changed are written again.
    std::string CanvasScriptRead;
    std::string CanvasScriptWrittenAsRead;
    ShapePool Shapes;
    ImagePtr CurrentImage;
    ClickableAreaPtr CurrentClickableArea = std::make_shared<ClickableArea>();

    // Where the last import stopped early: the section it could not read completely and its
    // 1-based line in the document; line 0 when it read everything. While it is set, nothing is
    // written back from the design, which holds only part of the page.
    std::string ImportStoppedInSection;
    size_t ImportStoppedAtLine = 0;
    bool ImportIsComplete() const { return ImportStoppedAtLine == 0; }

  private:
    std::vector<ImagePtr> mImages;
};

}  // namespace htmlsim

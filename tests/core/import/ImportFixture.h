#pragma once

#include <gtest/gtest.h>

#include <array>

#include "FakeDialogs.h"
#include "FakePictures.h"
#include "FakeSurface.h"
#include "PageDocument.h"
#include "TempFolder.h"
#include "import/DocumentImport.h"

namespace htmlsim::testing {

// Left, top, width and height of an image or area, to check a placement in one line.
template <typename Placed>
std::array<int, 4> Box(const Placed& placed) {
    return {placed.Left, placed.Top, placed.Width, placed.Height};
}

// A design, the fakes it is imported through, and a document folder "/doc/" with pictures
// "/doc/a.jpg" (400 x 300) and "/doc/b.png" (100 x 50).
class ImportFixture : public ::testing::Test {
  protected:
    ImportFixture() {
        pictures.Add("/doc/a.jpg", 400, 300);
        pictures.Add("/doc/b.png", 100, 50);
    }

    void Import(const std::string& document) { ImportDocument(document, context); }
    void ImportImages(const std::string& images) { Import(DesignDocument(images)); }

    ImageProperties& Image(int index) { return design.Image(index); }
    const ClickableArea& Area(size_t position) { return *design.Areas.Item(position); }

    FakeDialogs dialogs;
    FakeSurface surface;
    FakePictures pictures;
    PageDesign design;
    ImportContext context{design, surface, pictures, dialogs, "/doc/"};
};

}  // namespace htmlsim::testing

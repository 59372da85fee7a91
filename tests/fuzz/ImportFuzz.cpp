// The tag scanner and the import of a whole document, then the section writers on what was
// read, as `htmlsim-cli regenerate` runs them: any text is read or refused, never a crash.
#include <cstdint>

#include "FakeTextMeasurer.h"
#include "FuzzDialogs.h"
#include "document/SectionDocument.h"
#include "import/DocumentImport.h"
#include "model/ImagesSectionWriter.h"
#include "services/NoSurface.h"
#include "surface/PageControls.h"

namespace {

// Every picture path names a 64 x 48 picture, so that images and their areas are kept.
class AnyPicture : public htmlsim::Picture {
  public:
    int Width() const override { return 64; }
    int Height() const override { return 48; }
};

class AnyPictures : public htmlsim::Pictures {
  public:
    htmlsim::PicturePtr LoadFile(const std::string&) override {
        return std::make_shared<AnyPicture>();
    }
    htmlsim::PicturePtr LoadBytes(const std::string&) override {
        return std::make_shared<AnyPicture>();
    }
    void SaveJpeg(const htmlsim::Picture&, const std::string&, int) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace htmlsim;
    FuzzDialogs dialogs;
    std::string document(reinterpret_cast<const char*>(data), size);
    testing::FakeTextMeasurer measurer;
    PageControls controls(measurer, dialogs, [&](const std::string& name, const std::string& body) {
        ReplaceSectionBody(document, name, body, dialogs);
    });
    PageDesign design;
    NoSurface surface;
    AnyPictures pictures;
    ImportContext context{design, surface, pictures, dialogs, "/fuzz/"};
    context.controls = &controls;
    ImportDocument(document, context);
    DocumentUpdateSectionImages(document, design, dialogs);
    controls.UpdateLabelsSection();
    controls.UpdateAnchorsSection();
    controls.UpdateInputsSection();
    return 0;
}

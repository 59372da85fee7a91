#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "UnexpectedMessageDialogs.h"
#include "model/ImagesSectionWriter.h"
#include "model/PageDesign.h"
#include "services/Dialogs.h"
#include "services/NoSurface.h"
#include "services/Pictures.h"

namespace htmlsim::bench {

// Services that cost nothing, so the figures measure the core alone.
class SizedPicture : public Picture {
  public:
    int Width() const override { return 800; }
    int Height() const override { return 600; }
};

class AnyPictures : public Pictures {
  public:
    PicturePtr LoadFile(const std::string&) override { return mPicture; }
    PicturePtr LoadBytes(const std::string&) override { return mPicture; }
    void SaveJpeg(const Picture&, const std::string&, int) override {}

  private:
    PicturePtr mPicture = std::make_shared<SizedPicture>();
};

// `images` image maps, each with `areasPerImage` linked areas.
inline void GenerateDesign(PageDesign& design, int images, int areasPerImage) {
    NoSurface surface;
    for (int i = 1; i <= images; ++i) {
        ImageProperties& image = design.AppendImage();
        image.ImageType = kImageMap;
        image.SRC = "./screens/screen_" + std::to_string(i) + ".jpg";
        image.Name = "Screen" + std::to_string(i);
        image.MapName = "Map" + std::to_string(i);
        image.Left = static_cast<int16_t>(i % 40 * 20);
        image.Top = static_cast<int16_t>(i / 40 * 30);
        image.Width = 800;
        image.Height = 600;
        for (int a = 0; a < areasPerImage; ++a) {
            const int index = design.Shapes.NextFreeShapeIndex(surface);
            auto area = design.Areas.Add(image.MapName + "_Area_" + std::to_string(index), 25, 60,
                                         static_cast<int16_t>(image.Top + a * 11 % 570),
                                         static_cast<int16_t>(image.Left + a * 7 % 740),
                                         static_cast<int16_t>(index), AreaKey(index),
                                         static_cast<int16_t>(i));
            area->Title = "Go on to the step " + std::to_string(index) + " of the simulation walk";
            area->LinkAddress = "pages/step_" + std::to_string(index) + "_of_the_walk_through.htm";
        }
    }
}

inline std::string EmptyDesignDocument() {
    std::string document = "<HTML>\r\n<BODY>\r\n";
    for (const char* name : {"CanvasScript_Top", "Images", "Labels", "Anchors", "Inputs",
                             "Balloons", "CanvasScript_Bottom"}) {
        document += std::string("<!-- Section: ") + name + " -->\r\n<!-- Section End -->\r\n";
    }
    return document + "</BODY>\r\n</HTML>\r\n";
}

inline std::string GeneratedDocument(int images, int areasPerImage) {
    PageDesign design;
    GenerateDesign(design, images, areasPerImage);
    std::string document = EmptyDesignDocument();
    UnexpectedMessageDialogs dialogs;
    DocumentUpdateSectionImages(document, design, dialogs);
    return document;
}

}  // namespace htmlsim::bench

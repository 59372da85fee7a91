#include "ImportFixture.h"
#include "document/SectionDocument.h"
#include "model/ImagesSectionWriter.h"

namespace htmlsim::testing {
namespace {

class RoundTrip : public ImportFixture {
  protected:
    // A page with an image of every kind, areas with and without links, canvas areas and
    // balloons, as the editor would build it.
    void BuildDesign() {
        Add(kImageMap, "a.jpg", 10, 20, 200, 150).MapName = "Map1";
        ImageProperties& linked = Add(kImageHyperlink, "./b.png", 300, 0, 100, 50);
        linked.HREF = "next.htm";
        linked.Title = "Go on";
        Add(kImagePlain, "/doc/b.png", -4, 7, 10, 5).Border = 1;
        Add(kImageCanvas, "a.jpg", 0, 400, 400, 300);
        Add(kImageMap, "b.png", 500, 500, 100, 50).MapName = "Second";

        Area(1, 30, 40, 50, 25).LinkAddress = "page2.htm";
        Area(1, 5, 20, 10, 10).Title = "No link";
        Area(5, 510, 505, 20, 20).LinkAddress = "javascript:history.back()";
        ClickableArea& onCanvas = Area(4, 10, 410, 30, 30);
        onCanvas.LinkAddress = "canvas.htm";
        onCanvas.SetClickType("right");
        ClickableArea& balloon = Area(1, 60, 80, 100, 40);
        balloon.AreaType = kAreaBalloon;
        balloon.BackgroundColor = "salmon";
        balloon.BorderRadius = "5";
        balloon.InnerHTML = "Click <b>here</b>";
    }

    ImageProperties& Add(int32_t type, const std::string& src, int16_t left, int16_t top,
                         int16_t width, int16_t height) {
        ImageProperties& image = design.AppendImage();
        image.ImageType = type;
        image.SRC = src;
        image.Name = "Image" + std::to_string(image.Index);
        image.Left = left;
        image.Top = top;
        image.Width = width;
        image.Height = height;
        return image;
    }

    ClickableArea& Area(int16_t imageID, int16_t left, int16_t top, int16_t width, int16_t height) {
        const ImageProperties& image = design.Image(imageID);
        const int index = design.Shapes.NextFreeShapeIndex(surface);
        const std::string prefix = image.ImageType == kImageCanvas ? image.Id : image.MapName;
        return *design.Areas.Add(prefix + "_Area_" + std::to_string(index), height, width, top,
                                 left, static_cast<int16_t>(index), AreaKey(index), imageID);
    }

    std::string Written() {
        std::string document = DesignDocument("");
        DocumentUpdateSectionImages(document, design, dialogs);
        return document;
    }
};

TEST_F(RoundTrip, WrittenDesignImportsBackAndRewritesIdentically) {
    BuildDesign();
    const std::string document = Written();
    ASSERT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(design.Image(4).Id, "Canvas_4");

    PageDesign imported;
    FakeSurface importSurface;
    ImportContext importContext{imported, importSurface, pictures, dialogs, "/doc/"};
    ImportDocument(document, importContext);
    EXPECT_TRUE(dialogs.messages.empty());
    // Every property the import reads is written again, so an identical rewrite shows that
    // images and areas came back whole and in order.
    EXPECT_EQ(imported.ImageCount(), design.ImageCount());
    EXPECT_EQ(imported.Areas.Count(), design.Areas.Count());
    std::string again = document;
    DocumentUpdateSectionImages(again, imported, dialogs);
    EXPECT_EQ(again, document);
}

TEST_F(RoundTrip, SectionsMissingOrIncomplete) {
    BuildDesign();
    // Without an Images section nothing is added; the balloons are still written.
    std::string document =
        PageDocument({{"CanvasScript_Top", ""}, {"CanvasScript_Bottom", ""}, {"Balloons", ""}});
    DocumentUpdateSectionImages(document, design, dialogs);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(document.find("Section: Images"), std::string::npos);
    EXPECT_NE(GetSectionText(document, "Balloons").find("salmon"), std::string::npos);

    // A canvas whose script section is missing: the Images body is written, the rest not.
    document = PageDocument({{"Images", "old"}, {"CanvasScript_Top", ""}, {"Balloons", "old"}});
    DocumentUpdateSectionImages(document, design, dialogs);
    EXPECT_EQ(dialogs.MessageTexts(),
              (std::vector<std::string>{"Section Not Found: 'CanvasScript_Bottom'"}));
    EXPECT_NE(GetSectionText(document, "Images").find("<canvas"), std::string::npos);
    EXPECT_EQ(GetSectionText(document, "CanvasScript_Top"), "");
    EXPECT_EQ(GetSectionText(document, "Balloons"), "old");
}

TEST_F(RoundTrip, ScriptSectionsFollowTheLastCanvasOnly) {
    std::string document = DesignDocument("", "kept top");
    DocumentUpdateSectionImages(document, design, dialogs);
    EXPECT_EQ(document, DesignDocument("", "kept top"));  // no images: an empty Images body

    Add(kImageCanvas, "a.jpg", 0, 0, 10, 10).Id = "First";
    Add(kImageCanvas, "b.png", 0, 0, 10, 10);
    DocumentUpdateSectionImages(document, design, dialogs);
    EXPECT_EQ(GetSectionText(document, "CanvasScript_Top"),
              "var Areas = new Array();\r\nmScale = .7;");
    const std::string bottom = GetSectionText(document, "CanvasScript_Bottom");
    EXPECT_NE(bottom.find("getElementById('Canvas_2')"), std::string::npos);
    EXPECT_EQ(bottom.find("First"), std::string::npos);
}

}  // namespace
}  // namespace htmlsim::testing

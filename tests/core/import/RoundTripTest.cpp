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

void ExpectSameImages(const PageDesign& expected, const PageDesign& actual) {
    ASSERT_EQ(actual.ImageCount(), expected.ImageCount());
    for (int i = 1; i <= expected.ImageCount(); ++i) {
        const ImageProperties& e = expected.Image(i);
        const ImageProperties& a = actual.Image(i);
        SCOPED_TRACE("image " + std::to_string(i));
        EXPECT_EQ(a.ImageType, e.ImageType);
        EXPECT_EQ(a.SRC, e.SRC);
        EXPECT_EQ(a.Name, e.ImageType == kImageCanvas ? "" : e.Name);
        EXPECT_EQ(a.Id, e.ImageType == kImageCanvas ? e.Id : "");
        EXPECT_EQ(a.Border, e.ImageType == kImageCanvas ? 0 : e.Border);
        EXPECT_EQ(Box(a), Box(e));
        EXPECT_EQ(a.MapName, e.ImageType == kImageMap ? e.MapName : "");
        EXPECT_EQ(a.HREF, e.ImageType == kImageHyperlink ? e.HREF : "");
        EXPECT_EQ(a.Title, e.ImageType == kImageHyperlink ? e.Title : "");
        EXPECT_NE(a.PCT, nullptr);
    }
}

void ExpectSameAreas(const PageDesign& expected, const PageDesign& actual) {
    // The import reads the map areas image by image, then the canvas areas, then the balloons.
    std::vector<const ClickableArea*> ordered;
    for (const int32_t type : {kImageMap, kImageCanvas}) {
        for (int i = 1; i <= expected.ImageCount(); ++i) {
            if (expected.Image(i).ImageType != type) {
                continue;
            }
            for (const auto& area : expected.Areas) {
                if (area->ImageID == i && area->AreaType == kAreaClickable) {
                    ordered.push_back(area.get());
                }
            }
        }
    }
    for (const auto& area : expected.Areas) {
        if (area->AreaType == kAreaBalloon) {
            ordered.push_back(area.get());
        }
    }
    ASSERT_EQ(actual.Areas.Count(), ordered.size());
    size_t position = 1;
    for (const ClickableArea* e : ordered) {
        const ClickableArea& a = *actual.Areas.Item(position++);
        SCOPED_TRACE("area " + e->Name);
        EXPECT_EQ(a.ImageID, e->ImageID);
        EXPECT_EQ(a.AreaType, e->AreaType);
        EXPECT_EQ(Box(a), Box(*e));
        EXPECT_EQ(a.LinkAddress, e->LinkAddress);
        EXPECT_EQ(a.Title, e->Title);
        EXPECT_EQ(a.ClickType(), e->ClickType());
        EXPECT_EQ(a.BackgroundColor, e->BackgroundColor);
        EXPECT_EQ(a.BorderRadius, e->BorderRadius);
        EXPECT_EQ(a.InnerHTML, e->InnerHTML);
    }
}

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
    ExpectSameImages(design, imported);
    ExpectSameAreas(design, imported);

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
    EXPECT_EQ(GetSectionText(document, "Images"), "");
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

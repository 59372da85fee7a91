

#include "FakeTextMeasurer.h"
#include "ImportFixture.h"
#include "document/SectionDocument.h"
#include "model/ImagesSectionWriter.h"
#include "surface/PageControls.h"
#include "util/Text.h"

namespace htmlsim::testing {
namespace {

// Pages from elsewhere read, changed through the model as the surface changes them, and
// written: only what changed is written anew.
class LosslessWrite : public ImportFixture {
  protected:
    std::string Written(std::string document) {
        DocumentUpdateSectionImages(document, design, dialogs);
        return document;
    }

    // The lines of `after` that differ from those of `before`, which must have as many.
    static std::vector<std::string> ChangedLines(const std::string& before,
                                                 const std::string& after) {
        const auto a = SplitText(before, "\n");
        const auto b = SplitText(after, "\n");
        EXPECT_EQ(a.size(), b.size());
        std::vector<std::string> changed;
        for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
            if (a[i] != b[i]) {
                changed.emplace_back(b[i]);
            }
        }
        return changed;
    }
};

constexpr const char* kShapes =
    "<IMG SRC='a.jpg' Name='Shapes' BORDER='0' Width='400' Height='300' "
    "STYLE='position:absolute; left:10px; top:20px' UseMap='#shapes' alt='The screen'/>\r\n"
    "<map name='shapes'>\r\n"
    "<AREA SHAPE='circle' COORDS='62,118,12' Title=\"Jane's\" HREF=\"javascript:go('x')\" "
    "target='_blank' alt='Circle'/> \r\n"
    "<AREA shape=\"poly\" coords=\"10,10, 50,10, 30,40\" title='Triangle' href='t.html' "
    "target='_blank' alt='Triangle'>\r\n"
    "<AREA SHAPE=default HREF=all.html target=_blank alt=Everything>\r\n"
    "</map>\r\n";

TEST_F(LosslessWrite, MovingOneAreaChangesOnlyItsCoords) {
    const std::string document = DesignDocument(kShapes);
    Import(document);
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;
    ASSERT_EQ(design.Areas.Count(), 3u);
    EXPECT_EQ(Box(Area(1)), (std::array{60, 126, 24, 24}));
    EXPECT_EQ(Area(1).Title, "Jane's");
    EXPECT_EQ(Area(1).LinkAddress, "javascript:go('x')");
    EXPECT_EQ(Area(3).Shape.Kind(), AreaShapeKind::Default);
    EXPECT_EQ(Written(document), document);

    // Moved by one pixel through its box, as the mouse and keyboard move areas.
    design.Areas.Item(1)->Left += 1;
    EXPECT_EQ(
        ChangedLines(document, Written(document)),
        std::vector<std::string>{"<AREA SHAPE='circle' COORDS='63,118,12' Title=\"Jane's\" "
                                 "HREF=\"javascript:go('x')\" target='_blank' alt='Circle'/> \r"});
    design.Areas.Item(1)->Left -= 1;
    design.Areas.Item(2)->Top += 1;
    EXPECT_EQ(ChangedLines(document, Written(document)),
              std::vector<std::string>{"<AREA shape=\"poly\" coords=\"10,11,50,11,30,41\" "
                                       "title='Triangle' href='t.html' target='_blank' "
                                       "alt='Triangle'>\r"});
}

TEST_F(LosslessWrite, ACanvasWritesTheBoxesOfOtherShapesAndSaysSoOnce) {
    std::string document = DesignDocument(kShapes);
    Import(document);
    Image(1).ImageType = kImageCanvas;
    document = Written(document);
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"A canvas knows rectangular areas only: its circles and "
                                       "polygons are written as the rectangles around them."});
    EXPECT_NE(GetSectionText(document, "CanvasScript_Top")
                  .find("Areas.push('50,106,74,130,javascript:go(\\'x\\'),left');\r\n"
                        "Areas.push('10,10,50,40,t.html,left');\r\n"
                        "Areas.push('0,0,400,300,all.html,left');"),
              std::string::npos)
        << document;
    Written(document);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(LosslessWrite, ChangedValuesKeepTheirSpellingAndQuoteSafely) {
    const std::string document = DesignDocument(
        "<img src=a.jpg usemap=#m style=\"border:0\">\n<img src=b.png style='width:20px'>\n"
        "<map name=m>\n"
        "<area shape=rect coords=0,0,10,10 href=x.html title=\"A\">\n</map>\n");
    Import(document);
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;
    EXPECT_EQ(Box(Image(1)), (std::array{0, 0, 400, 300}));  // the picture's own size
    ClickableArea& area = *design.Areas.Item(1);
    area.Title = "Say \"it's\"";
    area.LinkAddress = "";
    Image(1).Left = 5;  // an image moves with its areas
    area.Left += 5;
    Image(2).Width = 30;
    const std::string written = Written(document);
    EXPECT_NE(written.find("<img src=a.jpg usemap=#m style=\"border:0; position:absolute; "
                           "left:5px; top:0px\">\n"),
              std::string::npos)
        << written;
    EXPECT_NE(written.find("<img src=b.png style='width:30px'>\n"), std::string::npos) << written;
    EXPECT_NE(written.find("<area shape=rect coords=0,0,10,10 title=\"Say &quot;it's&quot;\">\n"),
              std::string::npos)
        << written;
}

TEST_F(LosslessWrite, NewAreasTakeTheProgramsFormAndTheDocumentsLineBreak) {
    const std::string document = DesignDocument(
        "<IMG SRC='a.jpg' Name='M' BORDER='0' Width='400' Height='300' "
        "STYLE='position:absolute; left:10px; top:20px' UseMap='#M'/>\n<map name='M'>\n</map>\n");
    std::string lf = document;
    for (size_t at = 0; (at = lf.find("\r\n", at)) != std::string::npos;) {
        lf.erase(at, 1);
    }
    Import(lf);
    auto add = [&](AreaShape shape) {
        const ShapeBox box = shape.Bounds();
        ClickableAreaPtr area = design.Areas.Add(
            "M_Area_9", static_cast<int16_t>(box.Height), static_cast<int16_t>(box.Width),
            static_cast<int16_t>(box.Top), static_cast<int16_t>(box.Left), 9, "", 1);
        area->Shape = std::move(shape);
        area->LinkAddress = "next.html";
    };
    add(AreaShape::Circle({72, 138}, 12));
    add(AreaShape::Polygon({{20, 30}, {60, 30}, {40, 70}}));
    const std::string written = Written(lf);
    EXPECT_EQ(written.find('\r'), std::string::npos);
    EXPECT_NE(written.find("<map name='M'>\n"
                           "<AREA SHAPE='circle' COORDS='62,118,12' Title='' HREF='next.html'/> \n"
                           "<AREA SHAPE='poly' COORDS='10,10,50,10,30,50' Title='' "
                           "HREF='next.html'/> \n</map>\n"),
              std::string::npos)
        << written;
}

TEST_F(LosslessWrite, SharedMapServesEveryImageAndNeverMultiplies) {
    const std::string document = DesignDocument(
        "<map name='m'><area shape='rect' coords='1,1,5,5' href='a.html'>\r\n"
        "<area shape='rect' coords='6,6,9,9' href='b.html'></map>\r\n"
        "<img src='a.jpg' usemap='#m'>\r\n"
        "<img src='b.png' usemap='page.html#m' style='position:absolute; left:500px; top:0px'>\r\n"
        "<map name='m'><area shape='rect' coords='0,0,1,1' href='never.html'></map>\r\n");
    std::string written = document;
    for (int round = 0; round < 3; ++round) {
        Import(written);
        ASSERT_EQ(design.Areas.Count(), 4u);
        EXPECT_EQ(Box(Area(3)), (std::array{501, 1, 4, 4}));  // on the second image
        EXPECT_EQ(Area(4).LinkAddress, "b.html");
        written = Written(written);
        EXPECT_EQ(written, document);
    }
    // Moved on the second image, the area moves in the one map; an area drawn there joins it.
    design.Areas.Item(4)->Left += 1;
    EXPECT_EQ(
        ChangedLines(document, Written(document)),
        (std::vector<std::string>{"<area shape='rect' coords='7,6,10,9' href='b.html'></map>\r"}));
    design.Areas.Add("m_Area_9", 2, 2, 20, 520, 9, "", 2)->LinkAddress = "c.html";
    written = Written(document);
    EXPECT_NE(written.find("href='b.html'><AREA SHAPE='rect' COORDS='20,20,22,22' Title='' "
                           "HREF='c.html'/> \r\n</map>"),
              std::string::npos)
        << written;
    EXPECT_EQ(written.find("c.html", written.find("c.html") + 1), std::string::npos);
}

TEST_F(LosslessWrite, BalloonsCanvasAreasAndControlsChangeOnlyWhatChanged) {
    FakeTextMeasurer measurer;
    std::string document = DesignDocument(
        "<canvas id='shot' SRC='a.jpg' width='400' Height='300' "
        "style='position:absolute; left:10px; top:20px'></canvas>\r\n",
        "// by hand\r\nvar Areas = new Array();\r\nmScale = .7;\r\n"
        "Areas.push(\"0,0,40,30,a.html,left\");\r\n",
        "<!-- tip -->\r\n<div class=\"tip\" style=\"position:absolute; left: 20px; top: 30px; "
        "width: 120px; height: 9px\">Click <div>here</div></div>\r\n");
    ReplaceSectionBody(document, "Labels",
                       "<label for=\"user\" style=\"position:absolute; left:10px; top:450px\">"
                       "User</label>\r\n<p>Both fields.</p>\r\n",
                       dialogs);
    PageControls controls(measurer, dialogs,
                          [&](const std::string& section, const std::string& body) {
                              ReplaceSectionBody(document, section, body, dialogs);
                          });
    context.controls = &controls;
    Import(document);
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Tag Not Understood: 'P'"});
    // The canvas's script, missing, is written whole; the rest is kept.
    const std::string read = Written(document);
    std::string withoutScript = read;
    ReplaceSectionBody(withoutScript, "CanvasScript_Bottom", "", dialogs);
    EXPECT_EQ(withoutScript, document);
    EXPECT_EQ(Written(read), read);

    ClickableArea& onCanvas = *design.Areas.Item(1);
    onCanvas.Left += 1;
    onCanvas.LinkAddress = "it's.html";
    ClickableArea& balloon = *design.Areas.Item(2);
    balloon.Top += 2;
    balloon.EditBalloon().InnerHTML = "Go";
    document = Written(read);
    controls.Label1[0].SetStyle("position:absolute; left:15px; top:450px");
    EXPECT_EQ(ChangedLines(read, document),
              (std::vector<std::string>{
                  "Areas.push(\"1,0,41,30,it\\'s.html,left\");\r",
                  "<label for=\"user\" style=\"position:absolute; left:15px; top:450px\">"
                  "User</label>\r",
                  "<div class=\"tip\" style=\"position:absolute; left: 20px; top: 32px; "
                  "width: 120px; height: 9px\">Go</div>\r"}));
}

TEST_F(LosslessWrite, AnImportThatStopsEarlyWritesNothing) {
    const std::string document = DesignDocument(
        "<img src='a.jpg' usemap='#m'>\r\n<map name='m'><area coords='1,1,5,5'></map>\r\n"
        "<a href='x.html'><span>no image</span></a>\r\n<img src='b.png'>\r\n");
    Import(document);
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"IMG HTML Not Properly Parsed."});
    EXPECT_EQ(design.ImportStoppedInSection, "Images");
    EXPECT_EQ(design.ImportStoppedAtLine, 10u);
    design.Areas.Item(1)->Left += 1;
    EXPECT_EQ(Written(document), document);

    Import(DesignDocument("<img src='a.jpg'>"));
    EXPECT_TRUE(design.ImportIsComplete());
}

// With its end marker deleted, the area list runs on over the Images section: writing it
// would write the pictures away, so the page is read no further.
TEST_F(LosslessWrite, ADesignSectionWithoutItsOwnEndMarkerStopsTheImport) {
    std::string document = DesignDocument("<img src='a.jpg'>\r\n", "var Areas = new Array();\r\n");
    const std::string endOfAreas = "var Areas = new Array();\r\n<!-- Section End -->\r\n";
    ASSERT_NE(document.find(endOfAreas), std::string::npos);
    document.replace(document.find(endOfAreas), endOfAreas.size(), "var Areas = new Array();\r\n");
    Import(document);
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"End of Section Not Found: '<!-- Section End -->'"});
    EXPECT_EQ(design.ImportStoppedInSection, "CanvasScript_Top");
    EXPECT_EQ(design.ImportStoppedAtLine, 7u);
    EXPECT_EQ(Written(document), document);
}

TEST_F(LosslessWrite, ThousandsOfUnknownElementsMakeOneCollectedMessage) {
    std::string images;
    for (int i = 0; i < 14318; ++i) {
        images += "<p>text</p>";
    }
    images += "\r\n<font><img src='a.jpg'></font>";
    Import(DesignDocument(images));
    ASSERT_EQ(dialogs.collected.size(), 1u);
    const std::vector<CollectedMessage>& messages = dialogs.collected[0];
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "Tag Not Understood: 'P'");
    EXPECT_EQ(messages[0].count, 14318u);
    EXPECT_EQ(messages[0].firstLine, 8u);
    EXPECT_EQ(messages[1].text, "Tag Not Understood: 'FONT'");
    EXPECT_EQ(messages[1].firstLine, 9u);
    EXPECT_EQ(design.ImageCount(), 1);
}

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
        balloon.EditBalloon().BackgroundColor = "salmon";
        balloon.EditBalloon().BorderRadius = "5";
        balloon.EditBalloon().InnerHTML = "Click <b>here</b>";
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

TEST_F(LosslessWrite, ACanvasReadWithoutAnIdGetsTheOneItsScriptLooksFor) {
    const std::string canvas =
        "<canvas SRC='a.jpg' width='400' Height='300' style='position:absolute; left:10px; "
        "top:20px'";
    const std::string document = DesignDocument(canvas + "></canvas>\r\n");
    Import(document);
    const std::string written = Written(document);
    EXPECT_NE(written.find(canvas + " id='Canvas_1'></canvas>"), std::string::npos) << written;
    EXPECT_NE(written.find("getElementById('Canvas_1')"), std::string::npos) << written;
}

// The session drops its text when the document is edited; the design's layouts keep what they
// were read from (a sanitizer build sees a layout that does not).
TEST_F(LosslessWrite, TheDesignOutlivesTheTextItWasReadFrom) {
    auto text = std::make_shared<const std::string>(DesignDocument(kShapes));
    const std::string document = *text;
    ImportDocument(text, context);
    text.reset();
    design.Areas.Item(2)->Top += 1;
    EXPECT_EQ(ChangedLines(document, Written(document)),
              std::vector<std::string>{"<AREA shape=\"poly\" coords=\"10,11,50,11,30,41\" "
                                       "title='Triangle' href='t.html' target='_blank' "
                                       "alt='Triangle'>\r"});
}

}  // namespace
}  // namespace htmlsim::testing

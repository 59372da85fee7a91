

#include "DesignBuilder.h"
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
    LosslessWrite() { pictures.Add("/doc/a.png", 400, 300); }

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

// The page of the corpus case regenerate/area-shapes: an image map at 10,20 with a circle, a
// triangle, a square polygon, a rectangle and a default area, as other editors write them.
std::string AreaShapesPage() {
    return CorpusFile("regenerate/area-shapes/input.html");
}

// The triangle of that page moved one pixel down.
const char* const kTriangleMovedDown =
    "<AREA shape=\"poly\" coords=\"10,11,50,11,30,41\" title='Triangle' "
    "href='tri.html?a=1&amp;b=2' target='_blank' alt='Triangle' onclick=\"return check(this)\">\r";

// What the areas read as and that the page writes back unchanged are pinned by the corpus cases.
TEST_F(LosslessWrite, MovingOneAreaChangesOnlyItsCoords) {
    const std::string document = AreaShapesPage();
    Import(document);
    ASSERT_EQ(design.Areas.Count(), 5u);
    // Moved by one pixel through its box, as the mouse and keyboard move areas.
    design.Areas.Item(1)->Left += 1;
    EXPECT_EQ(
        ChangedLines(document, Written(document)),
        std::vector<std::string>{"<AREA SHAPE='circle' COORDS='63,118,12' Title=\"Jane's\" "
                                 "HREF=\"javascript:go('x')\" target='_blank' alt='Circle'/> \r"});
    design.Areas.Item(1)->Left -= 1;
    design.Areas.Item(2)->Top += 1;
    EXPECT_EQ(ChangedLines(document, Written(document)),
              std::vector<std::string>{kTriangleMovedDown});
}

TEST_F(LosslessWrite, ACanvasWritesTheBoxesOfOtherShapesAndSaysSoOnce) {
    std::string document = AreaShapesPage();
    Import(document);
    EXPECT_EQ(Area(5).Shape.Kind(), AreaShapeKind::Default);
    Image(1).ImageType = kImageCanvas;
    document = Written(document);
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"A canvas knows rectangular areas only: its circles and "
                                       "polygons are written as the rectangles around them."});
    EXPECT_NE(GetSectionText(document, "CanvasScript_Top")
                  .find(TestDataFile("section-bodies/area-shapes-on-a-canvas.js")),
              std::string::npos)
        << document;
    Written(document);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

// The page of the corpus case regenerate/bare-attributes-mixed-breaks: a.png without a size
// over map m (one area), b.png 20 pixels wide by its style.
TEST_F(LosslessWrite, ChangedValuesKeepTheirSpellingAndQuoteSafely) {
    const std::string document = CorpusFile("regenerate/bare-attributes-mixed-breaks/input.html");
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
    EXPECT_NE(written.find("<img src=a.png usemap=#m style=\"border:0; position:absolute; "
                           "left:5px; top:0px\">\n"),
              std::string::npos)
        << written;
    EXPECT_NE(written.find("<img src=b.png style='width:30px'>\n"), std::string::npos) << written;
    EXPECT_NE(written.find("<area shape=rect coords=0,0,10,10 title=\"Say &quot;it's&quot;\">\n"),
              std::string::npos)
        << written;
}

// The page of the corpus case regenerate/empty-map-lf: an image map M at 10,20 with no areas,
// with LF line breaks.
TEST_F(LosslessWrite, NewAreasTakeTheProgramsFormAndTheDocumentsLineBreak) {
    const std::string lf = CorpusFile("regenerate/empty-map-lf/input.html");
    Import(lf);
    for (const AreaShape& shape :
         {AreaShape::Circle({72, 138}, 12), AreaShape::Polygon({{20, 30}, {60, 30}, {40, 70}})}) {
        ClickableArea& area = AddArea(design, 1, shape.Bounds());
        area.Shape = shape;
        area.LinkAddress = "next.html";
    }
    const std::string written = Written(lf);
    EXPECT_EQ(written.find('\r'), std::string::npos);
    EXPECT_NE(written.find(TestDataFile("section-bodies/new-areas-in-an-lf-map.html")),
              std::string::npos)
        << written;
}

// The page of the corpus case regenerate/map-before-images-lf: FrontPage's map FPMap0 (a
// rectangle to one.html, a circle to two.html, written before its image and with line breaks
// inside the circle's tag) serves a.png at 0,0 and b.png at 0,320; a second FPMap0 comes later.
TEST_F(LosslessWrite, SharedMapServesEveryImageAndNeverMultiplies) {
    const std::string document = CorpusFile("regenerate/map-before-images-lf/input.html");
    std::string written = document;
    for (int round = 0; round < 3; ++round) {
        Import(written);
        ASSERT_EQ(design.Areas.Count(), 4u);
        EXPECT_EQ(Box(Area(3)), (std::array{0, 320, 40, 20}));  // on the second image
        EXPECT_EQ(Area(4).LinkAddress, "two.html");
        written = Written(written);
        EXPECT_EQ(written, document);
    }
    // Moved on the second image, the area moves in the one map; an area drawn there joins it.
    design.Areas.Item(4)->Left += 1;
    EXPECT_EQ(ChangedLines(document, Written(document)),
              (std::vector<std::string>{"  COORDS = \"61,10,10\">"}));
    design.Areas.Add("FPMap0_Area_9", 2, 2, 340, 20, 9, "", 2)->LinkAddress = "c.html";
    written = Written(document);
    EXPECT_NE(written.find("COORDS = \"61,10,10\">\n<AREA SHAPE='rect' COORDS='20,20,22,22' "
                           "Title='' HREF='c.html'/> \n</MAP>"),
              std::string::npos)
        << written;
    EXPECT_EQ(written.find("c.html", written.find("c.html") + 1), std::string::npos);
}

TEST_F(LosslessWrite, BalloonsCanvasAreasAndControlsChangeOnlyWhatChanged) {
    FakeTextMeasurer measurer;
    // Its canvas script is written whole; the rest is kept (pinned by the corpus case).
    std::string document = CorpusFile("regenerate/canvas-script-missing/input.html");
    PageControls controls(measurer, dialogs,
                          [&](const std::string& section, const std::string& body) {
                              ReplaceSectionBody(document, section, body, dialogs);
                          });
    context.controls = &controls;
    Import(document);
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Tag Not Understood: 'P'"});
    const std::string read = Written(document);

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

// The pages of the corpus cases regenerate/import-stops (a link holding no image, at line 24)
// and regenerate/area-list-without-its-end (the area list's end marker deleted: it runs on
// over the Images section, and writing it would write the pictures away).
TEST_F(LosslessWrite, AnImportThatStopsEarlyWritesNothing) {
    const std::string document = CorpusFile("regenerate/import-stops/input.html");
    Import(document);
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"IMG HTML Not Properly Parsed."});
    EXPECT_EQ(design.ImportStoppedInSection, "Images");
    EXPECT_EQ(design.ImportStoppedAtLine, 24u);
    design.Areas.Item(1)->Left += 1;
    EXPECT_EQ(Written(document), document);

    Import(DesignDocument("<img src='a.jpg'>"));
    EXPECT_TRUE(design.ImportIsComplete());
}

TEST_F(LosslessWrite, ADesignSectionWithoutItsOwnEndMarkerStopsTheImport) {
    const std::string document = CorpusFile("regenerate/area-list-without-its-end/input.html");
    Import(document);
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"End of Section Not Found: '<!-- Section End -->'"});
    EXPECT_EQ(design.ImportStoppedInSection, "CanvasScript_Top");
    EXPECT_EQ(design.ImportStoppedAtLine, 7u);
    EXPECT_EQ(Written(document), document);
}

class RoundTrip : public ImportFixture {
  protected:
    // The design written into a page of the editor's sections.
    std::string Written() {
        std::string document = DesignDocument("");
        DocumentUpdateSectionImages(document, design, dialogs);
        return document;
    }
};

// That such a page reads back whole and rewrites identically is pinned by the corpus cases
// design/every-kind-as-the-program-writes-it and written/every-kind.
TEST_F(RoundTrip, ADesignOfEveryKindIsWrittenSilentlyWithItsCanvasNamed) {
    AddEveryKind(design);
    Written();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(design.Image(4).Id, "Canvas_4");
}

TEST_F(RoundTrip, SectionsMissingOrIncomplete) {
    AddEveryKind(design);
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

    AddImage(design, kImageCanvas, "a.jpg", {0, 0, 10, 10}).Id = "First";
    AddImage(design, kImageCanvas, "b.png", {0, 0, 10, 10});
    DocumentUpdateSectionImages(document, design, dialogs);
    EXPECT_EQ(GetSectionText(document, "CanvasScript_Top"),
              "var Areas = new Array();\r\nmScale = .7;");
    const std::string bottom = GetSectionText(document, "CanvasScript_Bottom");
    EXPECT_NE(bottom.find("getElementById('Canvas_2')"), std::string::npos);
    EXPECT_EQ(bottom.find("First"), std::string::npos);
}

// The session drops its text when the document is edited; the design's layouts keep what they
// were read from (a sanitizer build sees a layout that does not).
TEST_F(LosslessWrite, TheDesignOutlivesTheTextItWasReadFrom) {
    auto text = std::make_shared<const std::string>(AreaShapesPage());
    const std::string document = *text;
    ImportDocument(text, context);
    text.reset();
    design.Areas.Item(2)->Top += 1;
    EXPECT_EQ(ChangedLines(document, Written(document)),
              std::vector<std::string>{kTriangleMovedDown});
}

}  // namespace
}  // namespace htmlsim::testing

#include "ImportFixture.h"

namespace htmlsim::testing {
namespace {

using DocumentImport = ImportFixture;

const std::string kMapImage =
    "<IMG SRC='a.jpg' Width='400' Height='300' STYLE='position:absolute; left:100px; "
    "top:200px' UseMap='#Map1'/>\r\n";
const std::string kMap1 =
    "<map name='map1'>\r\n"
    "<AREA SHAPE='rect' COORDS='10,10,50,40' Title='Next' HREF='p2.htm'/> \r\n"
    "<P>skipped</P>\r\n"
    "<AREA SHAPE='rect' COORDS='0,0,5.5,2' Title=''/> \r\n"
    "</map>\r\n";

TEST_F(DocumentImport, TheFirstMapOfANameServesItsImagesWhereverItStands) {
    ImportImages(kMap1 + kMapImage + kMap1 + kMapImage.substr(0, kMapImage.size() - 2) +
                 "<map name='Map1'>\r\n<AREA COORDS='1,2,3,4'/>\r\n</map>\r\n");
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(design.ImageCount(), 2);
    // The map before the images serves both, each with its areas made from the same elements;
    // the others are kept as they stand.
    ASSERT_EQ(design.Areas.Count(), 4u);
    // Placed relative to the image; the fields the writer writes are checked by the round trip.
    EXPECT_EQ(Box(Area(1)), (std::array<int, 4>{110, 210, 40, 30}));
    EXPECT_EQ(Area(2).Width, 6);  // 5.5 rounds to even
    EXPECT_EQ(Area(2).ImageID, 1);
    EXPECT_EQ(Area(4).ImageID, 2);
    EXPECT_EQ(Area(4).Origin, Area(2).Origin);
    EXPECT_EQ(surface.VisibleOutlines(), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(DocumentImport, LinkedImagesAndTagsNotUnderstood) {
    ImportImages(
        "<P>para</P>\r\n"
        "<a HREF='next.htm'><IMG SRC='b.png' TITLE='Go' Width='10'/></a>\r\n"
        "loose text<!-- a comment -->");
    // Text and comments are not reported.
    EXPECT_EQ(dialogs.MessageTexts(), (std::vector<std::string>{"Tag Not Understood: 'P'"}));
    ASSERT_EQ(design.ImageCount(), 1);
    EXPECT_EQ(Image(1).ImageType, kImageHyperlink);
    EXPECT_EQ(Image(1).HREF, "next.htm");
}

TEST_F(DocumentImport, CanvasAreasFromTheAreaList) {
    Import(
        DesignDocument("<canvas id='Back' SRC='b.png' width='100' Height='50' "
                       "style='left:10px; top:20px'></canvas>\r\n",
                       "var Areas = new Array();\r\nmScale = .7;\r\n"
                       "Areas.push('5,10,45,40,p2.htm,right');\r\n"
                       "  Areas.push('1,1,2,2,indented.htm,left');\r\n"
                       "areas.push('1,1,2,2,lower.htm,left');\r\n"
                       "Areas.push('0,0,8,9,javascript:history.back(),Left');\r\n"));
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(design.Areas.Count(), 2u);
    EXPECT_EQ(Box(Area(1)), (std::array<int, 4>{15, 30, 40, 30}));
    EXPECT_EQ(Area(2).LinkAddress, "javascript:history.back()");
    EXPECT_EQ(Area(2).ClickType(), "left");
}

TEST_F(DocumentImport, FailuresOfTheImportItselfEndIt) {
    // A link without an image ends the import before any area or balloon.
    Import(DesignDocument("<a HREF='x.htm'><SPAN>no</SPAN></a>\r\n<IMG SRC='b.png'/>\r\n",
                          "Areas.push('1,2,3,4,x.htm,left');\r\n",
                          "<div style='left:1px'>b</div>\r\n"));
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"IMG HTML Not Properly Parsed."});
    EXPECT_EQ(design.Areas.Count(), 0u);

    dialogs.messages.clear();
    Import(DesignDocument(kMapImage + "<map name='Map1'><AREA COORDS='1,2,3'/></map>\r\n", "",
                          "<div style='left:1px'>b</div>\r\n"));
    EXPECT_EQ(dialogs.MessageTexts(),
              (std::vector<std::string>{"Fewer than four coordinates: '1,2,3'"}));
    EXPECT_EQ(design.Areas.Count(), 0u);

    dialogs.messages.clear();
    Import(DesignDocument("", "Areas.push('1,2,3,4,x.htm,left');\r\n"));
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"Subscript out of range: there is no image 1"});

    dialogs.messages.clear();
    Import(DesignDocument(kMapImage, "Areas.push('1,2,3,4,x.htm');\r\n"));
    EXPECT_EQ(
        dialogs.MessageTexts(),
        (std::vector<std::string>{"Fewer than six values in 'Areas.push('1,2,3,4,x.htm');'"}));

    dialogs.messages.clear();
    Import(DesignDocument(kMapImage + "<map name='Map1'><AREA COORDS='9,0,3,4'/></map>\r\n"));
    EXPECT_EQ(dialogs.MessageTexts(), (std::vector<std::string>{"Invalid property value"}));
}

TEST_F(DocumentImport, BalloonsOfImageOne) {
    Import(DesignDocument(
        "<IMG SRC='a.jpg' Width='40' STYLE='left:50px; top:60px' UseMap='#M'/>\r\n", "",
        "<div id='Balloon_1' style='position:absolute; left:10px; top:20px; width:100px; "
        "height:40px;background-color:salmon; border-radius:5px;' "
        "OnMouseDown=this.style.visibility='hidden';>Hello <B>you</B></div>\r\n"
        "<span>skipped</span>\r\n"
        "<DIV style='width:30px; left:10px'></DIV>\r\n"
        "<div>plain</div>\r\n"));
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(design.Areas.Count(), 3u);
    // Where a browser shows them: on the page, not counted from image 1's corner.
    EXPECT_EQ(Box(Area(1)), (std::array<int, 4>{10, 20, 100, 40}));
    EXPECT_EQ(Area(1).InnerHTML, "Hello <B>you</B>");
    EXPECT_EQ(Area(2).Width, 20);  // the width counted from 0, before left was read
    EXPECT_EQ(Box(Area(3)), (std::array<int, 4>{0, 0, 0, 0}));

    Import(DesignDocument("", "", "<div style='left:1px; top:x'>b</div>\r\n"));
    EXPECT_EQ(dialogs.MessageTexts(), (std::vector<std::string>{"Type mismatch"}));
}

TEST_F(DocumentImport, BlankDocumentDropsOnlyTheAreas) {
    ImportImages(kMapImage + kMap1);
    ASSERT_EQ(design.Areas.Count(), 2u);
    Import(" \r\n  \r\n");
    EXPECT_EQ(design.Areas.Count(), 0u);
    EXPECT_TRUE(surface.VisibleOutlines().empty());
    EXPECT_EQ(design.ImageCount(), 1);

    // A new import reuses the outlines from 0 on.
    ImportImages(kMapImage + kMap1);
    EXPECT_EQ(Area(2).Index, 1);
}

TEST_F(DocumentImport, LongSectionsAreReadWhole) {
    std::string images;
    for (int i = 0; i < 400; ++i) {
        images += "<IMG SRC='b.png' Name='image number " + std::to_string(i) +
                  "' Width='10' STYLE='position:absolute; left:" + std::to_string(i) +
                  "px; top:0px'/>\r\n";
    }
    ASSERT_GT(images.size(), 32767u);
    ImportImages(images);
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(design.ImageCount(), 400);
    EXPECT_EQ(Image(400).Left, 399);
}

}  // namespace
}  // namespace htmlsim::testing

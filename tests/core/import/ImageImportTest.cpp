#include "ImportFixture.h"

namespace htmlsim::testing {
namespace {

using ImageImport = ImportFixture;

TEST_F(ImageImport, ImgFieldsStyleMapAndPicture) {
    ImportImages(
        "<IMG SRC='a.jpg' Name='Shot' BORDER='2' Width='200' Height='150' Title='T' "
        "STYLE='position:absolute; left:12.5px; top:13.5px; transform:rotate(5deg)'/>\r\n"
        "<IMG SRC='a.jpg' UseMap='Map2'/>\r\n"
        "<IMG SRC='a.jpg' UseMap='page.html#Map3' style='width:20px; height:auto'/>\r\n");
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(design.ImageCount(), 3);
    // The fields the writer writes are checked by the round trip.
    const ImageProperties& image = Image(1);
    EXPECT_EQ(image.Title, "T");                                    // kept on a plain image too
    EXPECT_EQ(Box(image), (std::array<int, 4>{12, 14, 200, 150}));  // halves to even
    EXPECT_EQ(image.Transform, "rotate(5deg)");
    EXPECT_EQ(image.PathAndName(), "/doc/a.jpg");  // relative to the document, not the process
    EXPECT_EQ(surface.paints.at(0).picture, image.PCT.get());
    EXPECT_EQ(Image(2).MapName, "Map2");  // a name without "#" is kept whole
    EXPECT_EQ(Image(2).ImageType, kImageMap);
    EXPECT_EQ(Image(3).MapName, "Map3");
    EXPECT_EQ(Box(Image(3)), (std::array<int, 4>{0, 0, 20, 15}));  // a size in the style counts
}

TEST_F(ImageImport, MissingSizeFollowsThePictureProportions) {
    ImportImages(
        "<IMG SRC='a.jpg' Width='200'/>\r\n"
        "<IMG SRC='./a.jpg' Height='150'/>\r\n"
        "<IMG SRC='/doc/a.jpg'/>\r\n"
        "<IMG SRC='a.jpg' Width='3' Height='7'/>\r\n"
        "<CANVAS SRC='a.jpg' Width='200'></CANVAS>\r\n");
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(design.ImageCount(), 5);
    EXPECT_EQ(Image(1).Height, 150);
    EXPECT_EQ(Image(2).Width, 200);
    EXPECT_EQ(Box(Image(3)), (std::array<int, 4>{0, 0, 400, 300}));  // the picture's own size
    EXPECT_EQ(Box(Image(4)), (std::array<int, 4>{0, 0, 3, 7}));
    EXPECT_EQ(Image(5).Height, 0);  // a canvas completes nothing
    EXPECT_EQ(pictures.loadedPaths, std::vector<std::string>{"/doc/a.jpg"});  // once per import
}

TEST_F(ImageImport, CanvasReadsItsOwnAttributesOnly) {
    ImportImages(
        "<canvas id='Back' SRC='b.png' Name='x' BORDER='3' width='100' Height='50' "
        "style='position:absolute; left:5px; top:6px' OnMouseUp='Canvas_MouseUp(this, event)'>"
        "</canvas>\r\n");
    ASSERT_EQ(design.ImageCount(), 1);
    const ImageProperties& canvas = Image(1);
    EXPECT_EQ(canvas.Id, "Back");
    EXPECT_EQ(canvas.Name, "");
    EXPECT_EQ(canvas.Border, 0);
    EXPECT_EQ(canvas.Position, "");
}

TEST_F(ImageImport, FailuresEndOnlyTheirElement) {
    ImportImages(
        "<IMG SRC='a.jpg' Width='10' STYLE='left:auto; top:5px'/>\r\n"
        "<IMG SRC='missing.jpg' Width='10'/>\r\n"
        "<IMG SRC='a.jpg' Width='99999'/>\r\n"
        "<IMG SRC='b.png' Width='10'/>\r\n");
    EXPECT_EQ(dialogs.MessageTexts(),
              (std::vector<std::string>{
                  "Type mismatch", "Picture cannot be loaded: '/doc/missing.jpg'", "Overflow"}));
    ASSERT_EQ(design.ImageCount(), 4);                            // every element leaves its entry
    EXPECT_EQ(Box(Image(1)), (std::array<int, 4>{0, 0, 10, 0}));  // the rest is not read
    EXPECT_EQ(Image(2).PCT, nullptr);
    EXPECT_EQ(Image(4).Height, 5);
    ASSERT_EQ(surface.paints.size(), 1u);  // only the last one is painted
}

}  // namespace
}  // namespace htmlsim::testing

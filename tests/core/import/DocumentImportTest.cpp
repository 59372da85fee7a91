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

// What a page reads as is pinned by the cases of tests/corpus/design; here what the JSON does
// not show: the element each area comes from and the outlines on the surface.
TEST_F(DocumentImport, AMapServingTwoImagesGivesThemAreasOfTheSameElements) {
    ImportImages(kMap1 + kMapImage + kMap1 + kMapImage);
    ASSERT_EQ(design.Areas.Count(), 4u);
    EXPECT_EQ(Area(4).ImageID, 2);
    EXPECT_EQ(Area(4).Origin, Area(2).Origin);
    EXPECT_EQ(surface.VisibleOutlines(), (std::vector<int>{0, 1, 2, 3}));
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

#include "ImportFixture.h"

namespace htmlsim::testing {
namespace {

using ImageImport = ImportFixture;

// The fields read are pinned by the cases of tests/corpus/design; here the pictures behind them.
TEST_F(ImageImport, EachPictureIsLoadedOnceAndPaintedWhenItsImageIsWhole) {
    ImportImages(
        "<IMG SRC='a.jpg' Width='200'/>\r\n"
        "<IMG SRC='./a.jpg' Height='150'/>\r\n"
        "<IMG SRC='/doc/a.jpg'/>\r\n");
    EXPECT_EQ(pictures.loadedPaths, std::vector<std::string>{"/doc/a.jpg"});  // once per import
    ASSERT_EQ(surface.paints.size(), 3u);
    EXPECT_EQ(surface.paints.at(0).picture, Image(1).PCT.get());

    ImportImages(
        "<IMG SRC='a.jpg' Width='10' STYLE='left:auto; top:5px'/>\r\n"
        "<IMG SRC='missing.jpg' Width='10'/>\r\n"
        "<IMG SRC='b.png' Width='10'/>\r\n");
    EXPECT_EQ(Image(2).PCT, nullptr);
    EXPECT_EQ(surface.paints.size(), 1u);  // only the last one is painted
}

}  // namespace
}  // namespace htmlsim::testing

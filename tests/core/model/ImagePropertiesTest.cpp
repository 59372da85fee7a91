#include "model/ImageProperties.h"

#include <gtest/gtest.h>

namespace htmlsim {
namespace {

struct Split {
    std::string pathOnly, fileNameOnly, extension;
};

Split SplitOf(const std::string& path) {
    ImageProperties image;
    image.SetPathAndName(path);
    EXPECT_EQ(image.PathAndName(), path);
    return {image.PathOnly(), image.FileNameOnly(), image.Extension()};
}

TEST(ImageProperties, PathAndNameSplitsAtTheLastSeparatorAndDot) {
    auto split = SplitOf("/home/u/pics/shot.one.jpg");
    EXPECT_EQ(split.pathOnly, "/home/u/pics/");
    EXPECT_EQ(split.fileNameOnly, "shot.one");
    EXPECT_EQ(split.extension, "jpg");

    split = SplitOf("C:/a/b\\c.png");  // a forward slash wins over a later backslash
    EXPECT_EQ(split.pathOnly, "C:/a/");
    EXPECT_EQ(split.fileNameOnly, "b\\c");
    EXPECT_EQ(split.extension, "png");

    split = SplitOf("C:\\a\\b.gif");
    EXPECT_EQ(split.pathOnly, "C:\\a\\");
    EXPECT_EQ(split.fileNameOnly, "b");

    split = SplitOf("  bare name ");
    EXPECT_EQ(split.pathOnly, "");
    EXPECT_EQ(split.fileNameOnly, "bare name");
    EXPECT_EQ(split.extension, "");

    split = SplitOf("/pics/");
    EXPECT_EQ(split.pathOnly, "/pics/");
    EXPECT_EQ(split.fileNameOnly, "");
    EXPECT_EQ(split.extension, "");

    split = SplitOf("/pics/.hidden");
    EXPECT_EQ(split.fileNameOnly, "");
    EXPECT_EQ(split.extension, "hidden");
}

}  // namespace
}  // namespace htmlsim

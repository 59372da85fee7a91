#include "model/ImageProperties.h"

#include <gtest/gtest.h>

#include <array>

namespace htmlsim {
namespace {

TEST(ImageProperties, PathAndNameSplitsAtTheLastSeparatorAndDot) {
    const std::vector<std::array<std::string, 4>> cases{
        {"/home/u/pics/shot.one.jpg", "/home/u/pics/", "shot.one", "jpg"},
        {"C:/a/b\\c.png", "C:/a/", "b\\c", "png"},  // a forward slash wins over a later backslash
        {"C:\\a\\b.gif", "C:\\a\\", "b", "gif"},
        {"  bare name ", "", "bare name", ""},
        {"/pics/", "/pics/", "", ""},
        {"/pics/.hidden", "/pics/", "", "hidden"},
    };
    for (const auto& [path, folder, name, extension] : cases) {
        ImageProperties image;
        image.SetPathAndName(path);
        EXPECT_EQ(image.PathAndName(), path);
        EXPECT_EQ(
            (std::array<std::string, 3>{image.PathOnly(), image.FileNameOnly(), image.Extension()}),
            (std::array<std::string, 3>{folder, name, extension}))
            << path;
    }
}

}  // namespace
}  // namespace htmlsim

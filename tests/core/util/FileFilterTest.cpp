#include "util/FileFilter.h"

#include <gtest/gtest.h>

namespace htmlsim {
namespace {

TEST(FileFilter, ParsesChoicesWithTheirPatterns) {
    const auto choices = ParseFileFilter(
        "All Files (*.*)|*.*|HTML Documents|*.html;*.htm|Images|*.jpg;*.gif;*.ico;*.bmp");
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[0].description, "All Files (*.*)");
    EXPECT_EQ(choices[1].patterns, (std::vector<std::string>{"*.html", "*.htm"}));
    // A trailing description without patterns lets every file through.
    const auto open = ParseFileFilter("JPEG|*.jpg|Anything");
    ASSERT_EQ(open.size(), 2u);
    EXPECT_TRUE(MatchesFileFilterChoice("notes", open[1]));
}

TEST(FileFilter, MatchesWildcardsIgnoringCase) {
    EXPECT_TRUE(MatchesFilePattern("Page.HTML", "*.html"));
    EXPECT_FALSE(MatchesFilePattern("page.html.bak", "*.html"));
    EXPECT_TRUE(MatchesFilePattern("img1.jpg", "img?.jpg"));
    EXPECT_FALSE(MatchesFilePattern("img10.jpg", "img?.jpg"));
    EXPECT_TRUE(MatchesFilePattern("README", "*.*"));
    EXPECT_FALSE(MatchesFilePattern("x.jpgx", "*.jpg"));
    const FileFilterChoice pages{"HTML", {"*.html", "*.htm"}};
    EXPECT_TRUE(MatchesFileFilterChoice("index.htm", pages));
}

}  // namespace
}  // namespace htmlsim

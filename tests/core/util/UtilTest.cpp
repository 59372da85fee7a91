#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "util/FileFilter.h"
#include "util/Numbers.h"
#include "util/RuntimeError.h"
#include "util/TextToNumber.h"
#include "util/WholeFile.h"

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

TEST(RoundToInt16, HalvesGoToEvenAndOverflowIsAnError) {
    EXPECT_EQ(RoundToInt16(12.5), 12);
    EXPECT_EQ(RoundToInt16(13.5), 14);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(32767.4), 32767);
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);
    EXPECT_THROW(RoundToInt16(32767.5), OverflowError);
    EXPECT_THROW(RoundToInt16(1e300), OverflowError);
}

TEST(LeadingNumber, ReadsThePrefixThatFormsANumber) {
    EXPECT_EQ(LeadingNumber("12px"), 12);
    EXPECT_EQ(LeadingNumber("1 2 3"), 123);  // blanks inside are skipped
    EXPECT_EQ(LeadingNumber("1.5.6"), 1.5);
    EXPECT_EQ(LeadingNumber("2e3x"), 2000);
    EXPECT_EQ(LeadingNumber("7e"), 7);
    EXPECT_EQ(LeadingNumber("px12"), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
}

TEST(TextToNumber, TakesWholeNumbersWithBlanksAroundAndRefusesTheRest) {
    EXPECT_EQ(TextToNumber(" -3.5 "), -3.5);
    EXPECT_EQ(TextToNumber("+.5"), 0.5);
    EXPECT_EQ(TextToNumber("1e2"), 100);
    for (const char* bad : {"", " ", "7PX", "12px", "abc", "inf", "-nan", "1 2", "--1"}) {
        EXPECT_THROW(TextToNumber(bad), RuntimeError) << bad;
    }
    EXPECT_THROW(TextToNumber("1e999"), OverflowError);
}

using testing::TempFolder;

TEST(WholeFile, EveryByteSurvivesAWriteAndARead) {
    TempFolder folder;
    std::string bytes;
    for (int i = 0; i < 256; ++i) {
        bytes += static_cast<char>(i);
    }
    bytes += "\r\n\r\r\n";
    WriteWholeFileAtomically(folder.File("a.bin"), bytes);
    EXPECT_EQ(ReadWholeFile(folder.File("a.bin")), bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(WholeFile, FailuresDescribeThemselvesAndKeepTheOldFile) {
    TempFolder folder;
    EXPECT_THROW(ReadWholeFile(folder.File("missing")), RuntimeError);
    try {
        WriteWholeFileAtomically(folder.File("no/such/folder.html"), "x");
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_NE(std::string(e.what()).find("no/such/folder.html"), std::string::npos);
    }
    // A folder standing where the file should go: the rename fails, nothing is left behind.
    std::filesystem::create_directory(folder.File("taken"));
    testing::WriteFileBytes(folder.File("taken/inner"), "keep");
    EXPECT_THROW(WriteWholeFileAtomically(folder.File("taken"), "x"), RuntimeError);
    EXPECT_EQ(testing::ReadFileBytes(folder.File("taken/inner")), "keep");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

}  // namespace
}  // namespace htmlsim

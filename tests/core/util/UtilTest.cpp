#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "DataTable.h"
#include "TempFolder.h"
#include "util/FileFilter.h"
#include "util/Numbers.h"
#include "util/RuntimeError.h"
#include "util/TextToNumber.h"
#include "util/WholeFile.h"

namespace htmlsim {
namespace {

TEST(FileFilter, ParsesChoicesWithTheirPatternsAndMatchesWildcardsIgnoringCase) {
    const auto choices = ParseFileFilter(
        "All Files (*.*)|*.*|HTML Documents|*.html;*.htm|Images|*.jpg;*.gif;*.ico;*.bmp");
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[0].description, "All Files (*.*)");
    EXPECT_EQ(choices[1].patterns, (std::vector<std::string>{"*.html", "*.htm"}));
    // A trailing description without patterns lets every file through.
    const auto open = ParseFileFilter("JPEG|*.jpg|Anything");
    ASSERT_EQ(open.size(), 2u);
    EXPECT_TRUE(MatchesFileFilterChoice("notes", open[1]));

    // tests/data/util/file-patterns.txt
    for (const auto& row : testing::DataTable("util/file-patterns.txt")) {
        EXPECT_EQ(MatchesFilePattern(row.at(0), row.at(1)), row.at(2) == "yes") << row.at(0);
    }
    EXPECT_TRUE(MatchesFileFilterChoice("index.htm", choices[1]));
}

// tests/data/util/numbers.txt
TEST(Numbers, RoundToInt16LeadingNumberAndTextToNumberReadTheirTable) {
    const std::map<std::string, std::function<double(const std::string&)>> functions{
        {"RoundToInt16", [](const std::string& text) { return RoundToInt16(std::stod(text)); }},
        {"LeadingNumber", [](const std::string& text) { return LeadingNumber(text); }},
        {"TextToNumber", [](const std::string& text) { return TextToNumber(text); }}};
    for (const auto& row : testing::DataTable("util/numbers.txt")) {
        const auto& convert = functions.at(row.at(0));
        if (row.at(2) == "overflow") {
            EXPECT_THROW(convert(row.at(1)), OverflowError) << row.at(1);
        } else if (row.at(2) == "refused") {
            EXPECT_THROW(convert(row.at(1)), RuntimeError) << row.at(1);
        } else {
            EXPECT_EQ(convert(row.at(1)), std::stod(row.at(2))) << row.at(0) << " " << row.at(1);
        }
    }
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

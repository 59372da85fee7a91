#include "util/WholeFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "TempFolder.h"
#include "util/RuntimeError.h"

namespace htmlsim {
namespace {

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

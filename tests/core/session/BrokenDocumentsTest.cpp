#include <gtest/gtest.h>

#include <filesystem>

#include "ControlsSessionTest.h"

namespace htmlsim::testing {
namespace {

using BrokenDocuments = ControlsSessionTest;

// Every broken or hostile document of the corpus is opened, read into the design with its
// page controls, listed in the Document Editor and saved unchanged: the same bytes come back.
TEST_F(BrokenDocuments, AreReadAndSavedBackByteForByte) {
    const std::filesystem::path corpus = std::filesystem::path(HTMLSIM_TEST_DATA) / "broken";
    size_t documents = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (entry.path().extension() != ".html") {
            continue;
        }
        ++documents;
        const std::string name = entry.path().filename().string();
        const std::string original = ReadFileBytes(entry.path());
        Write(name, original);
        session.Start(File(name));
        session.SwitchTab(kDocumentEditorTab);
        session.SwitchTab(kImageDesignTab);
        ASSERT_EQ(session.PathAndName(), File(name));
        EXPECT_FALSE(session.ChangedSinceSaved()) << name;
        ASSERT_TRUE(session.SaveDocument()) << name;
        EXPECT_TRUE(Read(name) == original) << name;
    }
    EXPECT_GE(documents, 50u);
}

}  // namespace
}  // namespace htmlsim::testing

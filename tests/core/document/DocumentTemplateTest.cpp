#include "document/DocumentTemplate.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "document/SectionDocument.h"
#include "document/SupportFiles.h"
#include "util/RuntimeError.h"

namespace htmlsim {
namespace {

using testing::FakeDialogs;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

std::string Reference(const std::string& name) {
    return ReadFileBytes(std::filesystem::path(HTMLSIM_TEST_DATA) / "templates" / name);
}

TEST(DocumentTemplate, TextsAreByteForByteTheReferenceFiles) {
    EXPECT_EQ(NewDocumentTemplate(), Reference("new-document.html"));
    EXPECT_EQ(StyleSheetText(), Reference("MyStyle.css"));
    EXPECT_EQ(ScriptText(), Reference("HTMLSimulation.js"));
}

TEST(DocumentTemplate, ListsItsSectionsInDocumentOrder) {
    FakeDialogs dialogs;
    EXPECT_EQ(ListSections(NewDocumentTemplate(), dialogs).Names(),
              (std::vector<std::string>{"Entire Document", "CanvasScript_Top", "Scripts", "Style",
                                        "Balloons", "Images", "Anchors", "Main Body 1",
                                        "Main Body 2", "CanvasScript_Bottom"}));

    std::string document = NewDocumentTemplate();
    ReplaceSectionBody(document, "Labels", "<LABEL>\r\n", dialogs);
    EXPECT_NE(document.find("<!-- Section: Main Body 2 -->\r\n<!-- Section End -->\r\n"
                            "<!-- Section: Labels -->\r\n<LABEL>\r\n<!-- Section End -->\r\n"
                            "</BODY>"),
              std::string::npos);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(SupportFiles, AreWrittenWhenMissingAndNeverOverwritten) {
    TempFolder folder;
    const std::string prefix = folder.Path().string() + "/";
    WriteFileBytes(folder.File("HTMLSimulation.js"), "// mine");
    std::filesystem::remove(folder.File("MyStyle.css"));
    WriteMissingSupportFiles(prefix);
    EXPECT_EQ(ReadFileBytes(folder.File("HTMLSimulation.js")), "// mine");
    EXPECT_EQ(ReadFileBytes(folder.File("MyStyle.css")), StyleSheetText());

    EXPECT_THROW(WriteMissingSupportFiles(prefix + "missing/"), RuntimeError);
}

}  // namespace
}  // namespace htmlsim

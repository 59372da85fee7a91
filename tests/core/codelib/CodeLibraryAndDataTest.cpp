#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "ScopedVariable.h"
#include "TempFolder.h"
#include "codelib/CodeLibrary.h"
#include "codelib/DataFolder.h"
#include "codelib/LineBreaks.h"
#include "codelib/SnippetDate.h"

namespace htmlsim::testing {
namespace {

// The IDs of the first rows a new library's tables get, and the date its snippets are added on.
constexpr int64_t kBrenx = 2;
constexpr int64_t kHtml = 2;
constexpr int64_t kPhp = 3;
const std::string kSnippetDate = "03/05/2026";

class CodeLibraryTest : public ::testing::Test {
  protected:
    CodeLibraryTest() { Open(); }

    // Opens the library as the window does: tables first, then the queries.
    void Open() {
        library = std::make_unique<CodeLibrary>(dialogs, folder.Path() / "Data");
        library->CreateLibraryTables();
        library->OpenLibraryQueries();
    }
    std::string File(const std::string& name) {
        return ReadFileBytes(folder.Path() / "Data" / name);
    }
    ListEntry Add(const std::string& name, int64_t author = kBrenx, int64_t type = kHtml) {
        return library->AddSnippet(name, author, type, kSnippetDate).value();
    }

    TempFolder folder;
    FakeDialogs dialogs;
    std::unique_ptr<CodeLibrary> library;
};

// The tables' bytes, at the first start and after another, are pinned by the corpus cases
// snippets-list-creates-the-tables and snippets-list.
TEST_F(CodeLibraryTest, FirstStartMakesTheThreeTablesWithTheirFirstRows) {
    EXPECT_EQ(library->FillListFromQuery("select * from SnippetTypes order by name", "name", "id"),
              (std::vector<ListEntry>{
                  {"ASP", 5}, {"HTML", 2}, {"JavaScript", 4}, {"PHP", 3}, {"VB6", 6}}));
    EXPECT_EQ(library->GetSnippetTypeName(4), "JavaScript");
}

// Its bytes are pinned by the corpus case snippets-add-keeps-awkward-code-in-the-library-format.
TEST_F(CodeLibraryTest, AwkwardCodeIsReadBackUnchanged) {
    const std::string code =
        "Function Q(a, b)\r\n  Q = \"it's\" & 'x' & chr$(253)\r\nEnd Function, done;\r\n";
    EXPECT_EQ(Add("Quote  "), (ListEntry{"Quote", 1}));
    ASSERT_TRUE(library->StoreSnippet({1, "Quote", code, "12/31/2025", kBrenx, kPhp}));
    Open();
    const auto listed = library->ProcedureEntries(kPhp, kBrenx);
    ASSERT_EQ(listed, (std::vector<ListEntry>{{"Quote", 1}}));
    library->SelectProcedure(listed[0].itemData);
    EXPECT_EQ(library->CurrentSnippet().value().codeText, code);
}

TEST_F(CodeLibraryTest, AddingAnExistingNameAddsNoRecordAndSelectsIt) {
    Add("First");
    Add("Second", kBrenx, kPhp);
    const auto bytes = File("ProcedureLib.dat");

    EXPECT_EQ(Add("First", kBrenx, kPhp), (ListEntry{"First", 1}));
    EXPECT_EQ(library->CurrentProcID(), 1);
    EXPECT_EQ(File("ProcedureLib.dat"), bytes);
    EXPECT_FALSE(library->AddSnippet("  ", kBrenx, kHtml, kSnippetDate).has_value());
}

TEST_F(CodeLibraryTest, DeletingEitherOfTwoSnippetsOfOneNameDeletesTheFirst) {
    Add("Twin");
    Add("Other");
    Add("Keep");
    library->SelectProcedure(2);
    ASSERT_TRUE(library->StoreSnippet({2, "Twin", "second twin", kSnippetDate, kBrenx, kHtml}));

    EXPECT_EQ(library->ProcedureEntries(kHtml, kBrenx),
              (std::vector<ListEntry>{{"Twin", 1}, {"Twin", 2}, {"Keep", 3}}));
    ASSERT_TRUE(library->DeleteSnippet("Twin"));
    EXPECT_EQ(library->ProcedureEntries(kHtml, kBrenx),
              (std::vector<ListEntry>{{"Twin", 2}, {"Keep", 3}}));
    EXPECT_FALSE(library->DeleteSnippet("Nobody"));
}

// Its -1 for both is pinned by the corpus case snippets-add-name-only.
TEST_F(CodeLibraryTest, NoFilterShowsASnippetWithoutAuthorAndType) {
    Add("Loose", CodeLibrary::kNoChoice, CodeLibrary::kNoChoice);
    EXPECT_TRUE(library->ProcedureEntries(kHtml, kBrenx).empty());
    EXPECT_TRUE(library->ProcedureEntries(0, 0).empty());
}

TEST_F(CodeLibraryTest, StoringWhileTheQueryIsElsewhereIsRefused) {
    Add("a");
    Add("b");
    library->SelectProcedure(1);
    library->ProcedureEntries(kHtml, kBrenx);  // walks the query past its records
    const auto bytes = File("ProcedureLib.dat");
    EXPECT_FALSE(library->StoreSnippet({1, "x", "", kSnippetDate, kBrenx, kHtml}));
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"Procedures Query is not on the correct record."});
    EXPECT_EQ(File("ProcedureLib.dat"), bytes);
}

// The messages and the files kept are pinned by the corpus case snippets-reports-unreadable-tables.
TEST_F(CodeLibraryTest, ATableThatCannotBeMadeIsReportedAsCritical) {
    WriteFileBytes(folder.Path() / "Data" / "Authors.dat", "2,\"Brenx\r\n");
    Open();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].icon, MessageIcon::Critical);
}

TEST_F(CodeLibraryTest, ACorruptLibraryFileIsReportedOnceAndAddingChangesNothing) {
    const auto file = folder.Path() / "Data" / "ProcedureLib.dat";
    WriteFileBytes(file, "1\xFD\xFCunclosed");
    Open();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(library->AddSnippet("New", kBrenx, kHtml, kSnippetDate).has_value());
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(ReadFileBytes(file), "1\xFD\xFCunclosed");
}

TEST(LineBreaks, EditedCodeGetsBackTheLineBreaksItWasStoredWith) {
    EXPECT_EQ(WithStoredLineBreaks("a\nb\n", "x\r\ny"), "a\r\nb\r\n");
    EXPECT_EQ(WithStoredLineBreaks("a\nb", ""), "a\r\nb");
    EXPECT_EQ(WithStoredLineBreaks("a\r\nb\n", "x"), "a\r\nb\r\n");
    EXPECT_EQ(WithStoredLineBreaks("a\nb", "x\ny"), "a\nb");
}

TEST(SnippetDate, IsMonthFirstWithSlashes) {
    EXPECT_EQ(FormatSnippetDate({987, 12, 31}), "12/31/0987");
}

// The override comes first: the corpus case
// snippets-list-uses-the-data-folder-the-environment-names.
TEST(DataFolder, WritableProgramFolderThenUserDataFolder) {
    TempFolder program;
    ScopedVariable noOverride("HTMLSIM_DATA_DIR", nullptr);
    EXPECT_EQ(ResolveDataFolder(program.Path()), program.Path());

    const std::filesystem::path readOnly = "/proc/self";  // never writable as a folder
    {
        ScopedVariable dataHome("XDG_DATA_HOME", "/home/u/data");
        EXPECT_EQ(ResolveDataFolder(readOnly), "/home/u/data/htmlsim/Data");
    }
    ScopedVariable noDataHome("XDG_DATA_HOME", nullptr);
    ScopedVariable home("HOME", "/home/u");
    EXPECT_EQ(ResolveDataFolder(readOnly), "/home/u/.local/share/htmlsim/Data");
}

}  // namespace
}  // namespace htmlsim::testing

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "DataTable.h"
#include "FakeDialogs.h"
#include "PageDocument.h"
#include "TempFolder.h"
#include "components/DataQuery.h"
#include "components/FileHelper.h"
#include "components/StatementParser.h"
#include "components/TableFile.h"
#include "util/RuntimeError.h"

namespace htmlsim {
namespace {

using Texts = std::vector<std::string>;
using testing::ReadFileBytes;
using testing::TempFolder;
using testing::TestDataFile;
using testing::WriteFileBytes;

// A data folder with a small Authors table, and a query whose errors are collected.
class DataQueryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        query.Error = [this](const std::string& description, bool& handled) {
            errors.push_back(description);
            handled = true;
        };
        ASSERT_TRUE(
            Run("Create Table Authors (ID Integer, Name String(50));\r\n"
                "Insert Into Authors Values (3, 'carol'; 2, 'Brenx'; 4, 'alice');\r\n"));
    }

    bool Run(const std::string& statements) { return query.Execute(statements, Folder()); }
    std::string Folder() const { return folder.Path().string(); }
    std::vector<std::string> Column(const std::string& field) {
        std::vector<std::string> values;
        for (query.MoveFirst(); !query.AtEnd(); query.MoveNext()) {
            values.push_back(query.Fields().Item(field).Value());
        }
        return values;
    }

    TempFolder folder;
    DataQuery query;
    std::vector<std::string> errors;
};

TEST_F(DataQueryTest, CreateWritesTheDefaultFormatAndSelectsSortIgnoringCase) {
    EXPECT_EQ(ReadFileBytes(folder.Path() / "Authors.dat"),
              "3,\"carol\"\r\n2,\"Brenx\"\r\n4,\"alice\"\r\n");
    EXPECT_EQ(ReadFileBytes(folder.Path() / "Authors.def"), TestDataFile("surface/authors.def"));
    EXPECT_FALSE(query.HasRecords());

    ASSERT_TRUE(Run("select id, name from AUTHORS order by id"));
    EXPECT_EQ(Column("Id"), (std::vector<std::string>{"2", "3", "4"}));

    ASSERT_TRUE(Run("select * from authors order by name"));
    EXPECT_EQ(Column("name"), (std::vector<std::string>{"alice", "Brenx", "carol"}));
    ASSERT_TRUE(Run("select name from authors order by id desc"));
    EXPECT_EQ(Column("name"), (std::vector<std::string>{"alice", "carol", "Brenx"}));
    EXPECT_TRUE(errors.empty());
}

TEST_F(DataQueryTest, FindAndGoToRecordReachRecordsByValueAndNumber) {
    ASSERT_TRUE(Run("select * from authors order by name"));
    EXPECT_TRUE(query.Find("id", "2"));
    EXPECT_EQ(query.Fields().Item("Name").Value(), "Brenx");
    const int32_t brenx = query.RecordNumber();
    EXPECT_EQ(brenx, 2);  // numbered in table order, whatever the sort

    EXPECT_FALSE(query.Find("Name", "brenx"));  // texts compare exactly

    query.GoToRecord(brenx);
    EXPECT_EQ(query.Fields().Item("name").Value(), "Brenx");
}

TEST_F(DataQueryTest, SplitByWalksGroupsOfEqualFieldCombinations) {
    ASSERT_TRUE(
        Run("Create Table P (Id Integer, T Integer, A Integer)\r\n"
            "Insert Into P Values (1, 2, 2; 2, 3, 2; 3, 2, 2; 4, 3, 5; 5, 3, 2)"));
    ASSERT_TRUE(Run("select * from p split by t, a"));
    std::vector<std::vector<std::string>> groups;
    query.FirstGroup();
    for (;;) {
        groups.push_back(Column("id"));
        if (query.AtLastGroup()) {
            break;
        }
        query.NextGroup();
    }
    EXPECT_EQ(groups, (std::vector<std::vector<std::string>>{{"1", "3"}, {"2", "5"}, {"4"}}));
}

TEST_F(DataQueryTest, AddedRecordsAreStoredAndTakenUpIntoTheirGroup) {
    ASSERT_TRUE(
        Run("Create Table P (Id Integer, Name String, T Integer)\r\n"
            "Insert Into P Values (1, 'a', 7)"));
    ASSERT_TRUE(Run("select * from p split by t"));
    query.AddNew();
    query.Fields().Item("id").SetValue(int64_t{2});
    query.Fields().Item("NAME").SetValue("b");
    query.Fields().Item("t").SetValue("7");
    ASSERT_TRUE(query.Update());
    EXPECT_EQ(ReadFileBytes(folder.Path() / "P.dat"), "1,\"a\",7\r\n2,\"b\",7\r\n");
    query.AfterAdd();
    query.FirstGroup();
    EXPECT_EQ(Column("name"), (std::vector<std::string>{"a", "b"}));

    // An edit stays in the query until Update; moving away drops it.
    query.GoToRecord(1);
    query.Fields().Item("Name").SetValue("changed");
    query.MoveFirst();
    EXPECT_EQ(query.Fields().Item("Name").Value(), "a");
}

TEST_F(DataQueryTest, UpdateAndDeleteRewriteOnlyTheirRecord) {
    ASSERT_TRUE(Run("select * from authors order by id"));
    ASSERT_TRUE(query.Find("id", "3"));
    query.Fields().Item("name").SetValue("Carol");
    ASSERT_TRUE(query.Update());
    EXPECT_EQ(ReadFileBytes(folder.Path() / "Authors.dat"),
              "3,\"Carol\"\r\n2,\"Brenx\"\r\n4,\"alice\"\r\n");

    ASSERT_TRUE(query.Find("id", "2"));
    ASSERT_TRUE(query.Delete());
    EXPECT_EQ(ReadFileBytes(folder.Path() / "Authors.dat"), "3,\"Carol\"\r\n4,\"alice\"\r\n");

    // A record changed behind the query's back is not overwritten.
    WriteFileBytes(folder.Path() / "Authors.dat", "3,\"Carla\"\r\n4,\"alice\"\r\n");
    ASSERT_TRUE(query.Find("id", "3"));
    query.Fields().Item("name").SetValue("Mine");
    EXPECT_FALSE(query.Update());
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(ReadFileBytes(folder.Path() / "Authors.dat"), "3,\"Carla\"\r\n4,\"alice\"\r\n");
}

// tests/data/surface/query-errors.txt
TEST_F(DataQueryTest, FailuresRaiseErrorWithTheirDescription) {
    for (const auto& row : testing::DataTable("surface/query-errors.txt")) {
        errors.clear();
        EXPECT_FALSE(Run(row.at(0)));
        EXPECT_EQ(errors, Texts{FileHelper::ReplaceText(row.at(1), "<folder>", Folder())});
    }
    errors.clear();
    EXPECT_FALSE(query.Execute("select * from authors", Folder() + "/missing"));
    EXPECT_EQ(errors, Texts{"The data folder '" + Folder() + "/missing' does not exist."});
    EXPECT_EQ(ReadFileBytes(folder.Path() / "Authors.dat"),
              "3,\"carol\"\r\n2,\"Brenx\"\r\n4,\"alice\"\r\n");

    errors.clear();
    ASSERT_TRUE(Run("select * from authors"));
    query.MoveLast();
    query.MoveNext();
    EXPECT_FALSE(query.Update());
    EXPECT_EQ(errors, std::vector<std::string>{"There is no current record."});
}

TEST_F(DataQueryTest, CorruptFileIsReportedAndNeverOverwritten) {
    const std::string corrupt = "3,\"carol\"\r\n2,\"Brenx\r\n";
    WriteFileBytes(folder.Path() / "Authors.dat", corrupt);
    EXPECT_FALSE(Run("insert into authors values (5, 'eve')"));
    EXPECT_FALSE(Run("select * from authors"));
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[1], "The table file '" + (folder.Path() / "Authors.dat").string() +
                             "' is corrupt at line 2: a text is not closed.");
    EXPECT_EQ(ReadFileBytes(folder.Path() / "Authors.dat"), corrupt);

    WriteFileBytes(folder.Path() / "Authors.def", "Create Tabel");
    EXPECT_FALSE(Run("select * from authors"));
    EXPECT_EQ(errors.back(), "The table definition '" + (folder.Path() / "Authors.def").string() +
                                 "' is corrupt at line 1: it is not one Create Table statement.");
}

TEST_F(DataQueryTest, UnhandledErrorsAreThrown) {
    DataQuery bare;
    bare.Error = [](const std::string&, bool&) {};  // heard but not handled
    EXPECT_THROW(bare.Execute("select * from nobody", Folder()), RuntimeError);
}

TEST_F(DataQueryTest, CreateKeepsDataAlreadyInTheFolder) {
    WriteFileBytes(folder.Path() / "Old.txt", "1|x\n");
    ASSERT_TRUE(
        Run("Create Table Old [txt, RecordDelimiter=chr$(10), FieldDelimiter='|'] (A "
            "Integer, B String)"));
    ASSERT_TRUE(Run("select b from old"));
    EXPECT_EQ(Column("B"), std::vector<std::string>{"x"});
}

TEST(FileHelper, TellsFilesFromFolders) {
    TempFolder folder;
    WriteFileBytes(folder.File("a.html"), "x");
    EXPECT_TRUE(FileHelper::FileExists(folder.File("a.html")));
    EXPECT_FALSE(FileHelper::FileExists(folder.Path().string()));
    EXPECT_TRUE(FileHelper::FolderExists(folder.Path().string()));
    EXPECT_FALSE(FileHelper::FolderExists(folder.File("a.html")));
}

TEST(FileHelper, BrowseForFolderAsksTheDialogsAndEndsTheFolderWithASlash) {
    testing::FakeDialogs dialogs;
    dialogs.folderAnswers = {"/home/me/work", ""};
    EXPECT_EQ(FileHelper::BrowseForFolder(dialogs, "Set Working Folder", ""), "/home/me/work/");
    EXPECT_EQ(FileHelper::BrowseForFolder(dialogs, "Set Working Folder", ""), "");
    EXPECT_EQ(dialogs.asked.at(0).title, "Set Working Folder");
}

// tests/data/surface/file-paths.txt
TEST(FileHelper, SplitRelativeAndResolvedPaths) {
    for (const auto& row : testing::DataTable("surface/file-paths.txt")) {
        if (row.at(0) == "split") {
            const PathParts parts = FileHelper::SplitPath(row.at(1));
            EXPECT_EQ((Texts{parts.folder, parts.name, parts.extension}),
                      (Texts{row.at(2), row.at(3), row.at(4)}))
                << row.at(1);
        } else if (row.at(0) == "relative") {
            EXPECT_EQ(FileHelper::RelativePath(row.at(1), row.at(2)), row.at(3)) << row.at(2);
        } else if (row.at(0) == "resolved") {
            EXPECT_EQ(FileHelper::ResolveLink(row.at(1), row.at(2)), row.at(3)) << row.at(2);
        }
    }
    EXPECT_EQ(FileHelper::ResolveLink("/a/b/", FileHelper::RelativePath("/a/b/", "/x/y.html")),
              "/x/y.html");
}

TEST(FileHelper, TextHelpers) {
    std::string before, after;
    FileHelper::SplitAt("background:url(http://x)", ":", before, after);
    EXPECT_EQ(before, "background");
    EXPECT_EQ(after, "url(http://x)");

    EXPECT_EQ(FileHelper::ReplaceText("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(FileHelper::ReplaceText("abc", "", "x"), "abc");

    EXPECT_EQ(FileHelper::CommandLinePath("  \"/a/b c/d.html\" "), "/a/b c/d.html");
    EXPECT_EQ(FileHelper::CommandLinePath("/a/./b/../d.html"), "/a/d.html");
    EXPECT_EQ(FileHelper::CommandLinePath("d.html"),
              (std::filesystem::current_path() / "d.html").generic_string());
}

// What the RuntimeError thrown by `act` says; empty when it throws none.
std::string ErrorOf(const std::function<void()>& act) {
    try {
        act();
    } catch (const RuntimeError& error) {
        return error.what();
    }
    return "";
}

// Create, Insert and Select are read end to end by the data query tests; here the details
// those do not reach.
TEST(StatementParser, ReadsCharacterCodeOptionsAndSeveralOrderKeys) {
    const auto named = ParseStatements(
        "Create Table T [Extension=txt, FieldDelimiter='|' & chr$(9), TextQualifier=''] (A "
        "String)\r\nSELECT * FROM t ORDER BY a DESC, b asc");
    const auto& format = std::get<CreateTableStatement>(named.at(0)).definition.format;
    EXPECT_EQ(format.fieldDelimiter, "|\t");
    EXPECT_EQ(format.textQualifier, "");
    const auto& select = std::get<SelectStatement>(named.at(1));
    EXPECT_TRUE(select.orderBy.at(0).descending);
    EXPECT_FALSE(select.orderBy.at(1).descending);
}

TEST(StatementParser, QuotedTextsKeepLineBreaksAndDoubledQuotes) {
    const auto statements =
        ParseStatements("Insert Into T Values ('it''s\r\na \"line\"', -7)\r\nselect * from T");
    ASSERT_EQ(statements.size(), 2u);
    const auto& row = std::get<InsertStatement>(statements[0]).rows.at(0);
    EXPECT_EQ(row[0].text, "it's\r\na \"line\"");
    EXPECT_EQ(row[1].text, "-7");
}

// tests/data/surface/statement-errors.txt
TEST(StatementParser, MalformedStatementsAreDescribedWithTheirLine) {
    for (const auto& row : testing::DataTable("surface/statement-errors.txt")) {
        EXPECT_EQ(ErrorOf([&] { ParseStatements(row.at(0)); }),
                  "Malformed statement at line " + row.at(1))
            << row.at(0);
    }
    EXPECT_EQ(ErrorOf([] { ParseStatements("select * from a\r\ndrop table a"); }),
              "Malformed statement at line 2: expected Create, Insert or Select but found "
              "\"drop\".");
}

TableDefinition Define(const std::string& createStatement) {
    return std::get<CreateTableStatement>(ParseStatements(createStatement).at(0)).definition;
}

const TableDefinition& Library() {
    static const auto table = Define(
        "Create Table ProcedureLib [dat, Delimited, RecordDelimiter=chr$(255) & chr$(254), "
        "TextQualifier=chr$(252), FieldDelimiter=chr$(253)] (Id Integer, Name String, CodeText "
        "String, AuthorsID Integer)");
    return table;
}

std::string CorruptMessage(const std::string& bytes, const TableDefinition& table) {
    return ErrorOf([&] { DecodeTableRows(bytes, table, "/data/T.dat"); });
}

TEST(TableFile, LibraryFormatUsesItsOwnDelimitersAndKeepsAnyText) {
    const std::string code = "a, b;\r\n'single' \"double\" chr$(253)\r\n";
    const std::vector<TableRow> rows = {{"1", "Name, with comma", code, "-1"}, {"2", "", "", "2"}};
    const auto bytes = EncodeTableRows(rows, Library());
    EXPECT_EQ(bytes, TestDataFile("surface/library-rows.dat"));
    EXPECT_EQ(DecodeTableRows(bytes, Library(), "x"), rows);
}

TEST(TableFile, DefaultFormatIsCommaSeparatedLinesWithQuotedTexts) {
    const auto table = Define("Create Table Authors (ID Integer, Name String(50))");
    const std::vector<TableRow> rows = {{"2", "Brenx"}, {"3", "Say \"hi\", then\r\nleave"}};
    const auto bytes = EncodeTableRows(rows, table);
    EXPECT_EQ(bytes, "2,\"Brenx\"\r\n3,\"Say \"\"hi\"\", then\r\nleave\"\r\n");
    EXPECT_EQ(DecodeTableRows(bytes, table, "x"), rows);
    // Hand-edited files: bare texts, blank lines and a missing last line break are read.
    EXPECT_EQ(DecodeTableRows("\r\n2,Brenx\r\n\r\n3,\"X\"", table, "x"),
              (std::vector<TableRow>{{"2", "Brenx"}, {"3", "X"}}));
}

TEST(TableFile, CorruptRecordsNameTheFileAndTheLineWhereTheyStart) {
    const auto table = Define("Create Table T (ID Integer, Name String)");
    EXPECT_EQ(CorruptMessage("1,\"a\"\r\n2\r\n", table),
              "The table file '/data/T.dat' is corrupt at line 2: expected 2 fields but found 1.");
    EXPECT_EQ(CorruptMessage("1,\"a\"\r\n2,\"b\r\nc\"\r\nx,\"d\"\r\n", table),
              "The table file '/data/T.dat' is corrupt at line 4: the field 'ID' is not a whole "
              "number.");
    EXPECT_EQ(CorruptMessage("1,\"a\"b\r\n", table),
              "The table file '/data/T.dat' is corrupt at line 1: characters follow the end of a "
              "text.");
}

TEST(TableFile, TextsThatCannotBeWrittenWithoutAQualifierAreRefused) {
    const auto table = Define("Create Table T [TextQualifier=''] (Name String)");
    EXPECT_EQ(EncodeTableRows({{"plain"}}, table), "plain\r\n");
    EXPECT_THROW(EncodeTableRows({{"a,b"}}, table), RuntimeError);
}

}  // namespace
}  // namespace htmlsim

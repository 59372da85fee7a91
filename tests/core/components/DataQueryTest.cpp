#include "components/DataQuery.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "util/RuntimeError.h"

namespace htmlsim {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
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
    EXPECT_EQ(ReadFileBytes(folder.Path() / "Authors.def"),
              "Create Table Authors [Extension=dat, Delimited, RecordDelimiter=chr$(13) & "
              "chr$(10), TextQualifier=chr$(34), FieldDelimiter=chr$(44)] (ID Integer, Name "
              "String(50))\r\n");
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

TEST_F(DataQueryTest, FailuresRaiseErrorWithTheirDescription) {
    EXPECT_FALSE(Run("select * from Nobody"));
    EXPECT_FALSE(Run("select id, age from authors"));
    EXPECT_FALSE(Run("insert into authors values (1)"));
    EXPECT_FALSE(Run("insert into authors values ('x', 'y')"));
    EXPECT_FALSE(Run("insert into authors values (1, '" + std::string(51, 'n') + "')"));
    EXPECT_FALSE(query.Execute("select * from authors", Folder() + "/missing"));
    const auto folderText = Folder();
    EXPECT_EQ(errors,
              (std::vector<std::string>{
                  "The table 'Nobody' does not exist in the data folder '" + folderText + "'.",
                  "The field 'age' does not exist in the table 'Authors'.",
                  "Insert Into Authors gives 1 values for 2 fields.",
                  "The field 'ID' of table 'Authors' holds whole numbers; 'x' is not one.",
                  "The field 'Name' of table 'Authors' holds at most 50 characters.",
                  "The data folder '" + folderText + "/missing' does not exist.",
              }));
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

}  // namespace
}  // namespace htmlsim

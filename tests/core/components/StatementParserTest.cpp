#include "components/StatementParser.h"

#include <gtest/gtest.h>

#include "util/RuntimeError.h"

namespace htmlsim {
namespace {

std::string MalformedMessage(const std::string& text) {
    try {
        ParseStatements(text);
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

TEST(StatementParser, MalformedStatementsAreDescribedWithTheirLine) {
    EXPECT_EQ(MalformedMessage("select * from"),
              "Malformed statement at line 1: expected a table name but found the end of the "
              "text.");
    EXPECT_EQ(MalformedMessage("select * from a\r\ndrop table a"),
              "Malformed statement at line 2: expected Create, Insert or Select but found "
              "\"drop\".");
    EXPECT_EQ(MalformedMessage("insert into a values ('open"),
              "Malformed statement at line 1: a quoted text is not closed.");
    EXPECT_EQ(MalformedMessage("create table a (x Float)"),
              "Malformed statement at line 1: expected the type Integer or String but found "
              "\"Float\".");
    EXPECT_EQ(MalformedMessage("create table a (x Integer, X String)"),
              "Malformed statement at line 1: the field 'X' is named twice.");
    EXPECT_EQ(MalformedMessage("create table a [def] (x Integer)"),
              "Malformed statement at line 1: the extension \"def\" is kept for table "
              "definitions.");
    EXPECT_EQ(MalformedMessage("create table a [FieldDelimiter=chr$(300)] (x Integer)"),
              "Malformed statement at line 1: expected a character code from 0 to 255 but found "
              "\"300\".");
}

}  // namespace
}  // namespace htmlsim

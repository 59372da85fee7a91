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

TEST(StatementParser, ReadsCreateAndInsertTextsWithRowsSeparatedBySemicolons) {
    const auto statements = ParseStatements(
        "Create Table SnippetTypes (Id Integer, Name String(50));\r\n"
        "Insert Into SnippetTypes Values (2, 'HTML'; 3, 'PHP'; 4, 'JavaScript';5, 'ASP';6, "
        "'VB6');\r\n");
    ASSERT_EQ(statements.size(), 2u);
    const auto& table = std::get<CreateTableStatement>(statements[0]).definition;
    EXPECT_EQ(table.name, "SnippetTypes");
    ASSERT_EQ(table.fields.size(), 2u);
    EXPECT_EQ(table.fields[0].type, FieldType::Integer);
    EXPECT_EQ(table.fields[1].type, FieldType::String);
    EXPECT_EQ(table.fields[1].maxLength, 50u);
    EXPECT_EQ(table.format.recordDelimiter, "\r\n");

    const auto& insert = std::get<InsertStatement>(statements[1]);
    EXPECT_EQ(insert.table, "SnippetTypes");
    ASSERT_EQ(insert.rows.size(), 5u);
    EXPECT_EQ(insert.rows[2][1].text, "JavaScript");
    EXPECT_TRUE(insert.rows[2][1].quoted);
    EXPECT_EQ(insert.rows[4][0].text, "6");
    EXPECT_FALSE(insert.rows[4][0].quoted);
}

TEST(StatementParser, ReadsTableOptionsWithCharacterCodes) {
    const auto statements = ParseStatements(
        "create table ProcedureLib [dat, Delimited, RecordDelimiter=chr$(255) & chr$(254), "
        "TextQualifier=chr$(252), FieldDelimiter=chr$(253)] (Id Integer, CodeText String)");
    const auto& format = std::get<CreateTableStatement>(statements.at(0)).definition.format;
    EXPECT_EQ(format.extension, "dat");
    EXPECT_EQ(format.recordDelimiter, "\xFF\xFE");
    EXPECT_EQ(format.textQualifier, "\xFC");
    EXPECT_EQ(format.fieldDelimiter, "\xFD");

    const auto named = ParseStatements(
        "Create Table T [Extension=txt, FieldDelimiter='|' & chr$(9), TextQualifier=''] (A "
        "String)");
    const auto& other = std::get<CreateTableStatement>(named.at(0)).definition.format;
    EXPECT_EQ(other.extension, "txt");
    EXPECT_EQ(other.fieldDelimiter, "|\t");
    EXPECT_EQ(other.textQualifier, "");
}

TEST(StatementParser, ReadsSelectsWithOrderAndSplit) {
    const auto statements = ParseStatements(
        "select id, name from authors order by id\r\n"
        "Select * From Procedurelib Split By SnippetTypesID, AuthorsID\r\n"
        "SELECT * FROM t ORDER BY a DESC, b asc split by c");
    ASSERT_EQ(statements.size(), 3u);
    const auto& first = std::get<SelectStatement>(statements[0]);
    EXPECT_EQ(first.fields, (std::vector<std::string>{"id", "name"}));
    EXPECT_EQ(first.table, "authors");
    ASSERT_EQ(first.orderBy.size(), 1u);
    EXPECT_EQ(first.orderBy[0].field, "id");
    const auto& second = std::get<SelectStatement>(statements[1]);
    EXPECT_TRUE(second.fields.empty());
    EXPECT_EQ(second.splitBy, (std::vector<std::string>{"SnippetTypesID", "AuthorsID"}));
    const auto& third = std::get<SelectStatement>(statements[2]);
    EXPECT_TRUE(third.orderBy[0].descending);
    EXPECT_FALSE(third.orderBy[1].descending);
    EXPECT_EQ(third.splitBy, std::vector<std::string>{"c"});
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
    EXPECT_EQ(MalformedMessage("select * from a where x"),
              "Malformed statement at line 1: expected the end of the statement but found "
              "\"where\".");
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
    EXPECT_EQ(MalformedMessage("select * from a/b"),
              "Malformed statement at line 1: unexpected character '/'.");
}

}  // namespace
}  // namespace htmlsim

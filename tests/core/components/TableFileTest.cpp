#include "components/TableFile.h"

#include <gtest/gtest.h>

#include "components/StatementParser.h"
#include "util/RuntimeError.h"

namespace htmlsim {
namespace {

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
    try {
        DecodeTableRows(bytes, table, "/data/T.dat");
    } catch (const RuntimeError& error) {
        return error.what();
    }
    return "";
}

TEST(TableFile, LibraryFormatUsesItsOwnDelimitersAndKeepsAnyText) {
    const std::string code = "a, b;\r\n'single' \"double\" chr$(253)\r\n";
    const std::vector<TableRow> rows = {{"1", "Name, with comma", code, "-1"}, {"2", "", "", "2"}};
    const auto bytes = EncodeTableRows(rows, Library());
    EXPECT_EQ(bytes, "1\xFD\xFCName, with comma\xFC\xFD\xFC" + code +
                         "\xFC\xFD-1\xFF\xFE"
                         "2\xFD\xFC\xFC\xFD\xFC\xFC\xFD"
                         "2\xFF\xFE");
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

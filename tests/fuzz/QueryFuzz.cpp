// The query engine's statement parser and its table-file reader: any text is parsed or refused
// with a description; rows read from a table file are written back to bytes that read the same.
#include <cstdint>
#include <cstdlib>

#include "FuzzDialogs.h"
#include "components/StatementParser.h"
#include "components/TableFile.h"
#include "util/RuntimeError.h"

namespace {

htmlsim::TableDefinition SnippetLikeTable() {
    htmlsim::TableDefinition table;
    table.name = "Snippets";
    table.fields = {{"ID", htmlsim::FieldType::Integer, 0},
                    {"Title", htmlsim::FieldType::String, 50},
                    {"Code", htmlsim::FieldType::String, 0}};
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace htmlsim;
    const auto [statements, tableBytes] = SplitAtNul(data, size);
    try {
        ParseStatements(statements);
    } catch (const RuntimeError&) {
        // malformed statements are described, not run
    }
    static const TableDefinition table = SnippetLikeTable();
    std::vector<TableRow> rows;
    try {
        rows = DecodeTableRows(tableBytes, table, "Snippets.dat");
    } catch (const RuntimeError&) {
        return 0;  // an unreadable record is named, not guessed at
    }
    try {
        if (DecodeTableRows(EncodeTableRows(rows, table), table, "again") != rows) {
            std::abort();  // what was read must be written back unchanged
        }
    } catch (const RuntimeError&) {
        // a text the format cannot hold is refused on writing
    }
    return 0;
}

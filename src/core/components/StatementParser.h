#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "components/TableDefinition.h"

namespace htmlsim {

// Create Table Name [options] (Field Type, ...)
struct CreateTableStatement {
    TableDefinition definition;
};

// A value written in a statement: a number or a quoted text.
struct Literal {
    std::string text;
    bool quoted = false;
};

// Insert Into Name [(Field, ...)] Values (row; row; ...) where a row is "value, value, ...".
struct InsertStatement {
    std::string table;
    std::vector<std::string> fields;  // empty: every field of the table, in order
    std::vector<std::vector<Literal>> rows;
};

struct OrderKey {
    std::string field;
    bool descending = false;
};

// Select * | Field, ... From Name [Order By Field [Asc|Desc], ...] [Split By Field, ...]
struct SelectStatement {
    std::string table;
    std::vector<std::string> fields;  // empty: *
    std::vector<OrderKey> orderBy;
    std::vector<std::string> splitBy;
};

using Statement = std::variant<CreateTableStatement, InsertStatement, SelectStatement>;

// Parses a text of statements, each ended by a line break or ";" (line breaks inside parentheses
// and quotes belong to the statement). Keywords, table and field names ignore case. Throws
// RuntimeError "Malformed statement ..." describing the first fault.
std::vector<Statement> ParseStatements(std::string_view text);

}  // namespace htmlsim

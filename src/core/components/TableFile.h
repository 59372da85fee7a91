#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "components/TableDefinition.h"

namespace htmlsim {

// One record of a table: a text per field, Integers in plain decimal.
using TableRow = std::vector<std::string>;

// Cuts the bytes of a table file into records. A text enclosed in the qualifier may hold the
// delimiters and the qualifier doubled. Throws RuntimeError naming the file and the line where
// an unreadable record starts.
std::vector<TableRow> DecodeTableRows(const std::string& bytes, const TableDefinition& definition,
                                      const std::string& fileName);

// The bytes of a table file holding the rows; the inverse of DecodeTableRows. Throws
// RuntimeError when a text cannot be written in the table's format.
std::string EncodeTableRows(const std::vector<TableRow>& rows, const TableDefinition& definition);

// The rows of the table's data file in the folder (none when the file does not exist).
std::vector<TableRow> ReadTableRows(const std::filesystem::path& folder,
                                    const TableDefinition& definition);

// Replaces the table's data file with the rows, atomically.
void WriteTableRows(const std::filesystem::path& folder, const TableDefinition& definition,
                    const std::vector<TableRow>& rows);

}  // namespace htmlsim

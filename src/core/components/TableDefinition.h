#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace htmlsim {

enum class FieldType { Integer, String };

struct FieldDefinition {
    std::string name;
    FieldType type = FieldType::String;
    size_t maxLength = 0;  // characters of a String field; 0 for no limit
};

// How the rows of a table are laid out in its file.
struct TableFormat {
    std::string extension = "dat";
    std::string recordDelimiter = "\r\n";
    std::string fieldDelimiter = ",";
    std::string textQualifier = "\"";  // may be empty: texts are then written bare
};

// A table's name, fields and file format. Each table of a data folder keeps its definition in
// "<name>.def" beside its data file, as the Create Table statement that made it.
struct TableDefinition {
    std::string name;
    TableFormat format;
    std::vector<FieldDefinition> fields;

    // The index of the field of that name, ignoring case; nullopt when there is none.
    std::optional<size_t> FieldIndex(std::string_view fieldName) const;
    std::filesystem::path DataFile(const std::filesystem::path& folder) const;
    std::filesystem::path DefinitionFile(const std::filesystem::path& folder) const;
    // The Create Table statement that makes this table, ended by CR LF.
    std::string CreateStatement() const;

    // Checks the value against the field's type and length and returns it as stored: an Integer
    // in plain decimal. Throws RuntimeError with a description naming the field.
    std::string NormalizedValue(size_t field, std::string_view value) const;
    // The value a new record holds before it is given one.
    std::string DefaultValue(size_t field) const;
};

// The definition file of the named table in the folder, ignoring the case of the name (an exact
// match wins); nullopt when there is none.
std::optional<std::filesystem::path> FindDefinitionFile(const std::filesystem::path& folder,
                                                        std::string_view tableName);

// The definition of the named table of the folder, ignoring the case of the name; nullopt when
// the folder holds no such table. Throws RuntimeError when the definition cannot be read.
std::optional<TableDefinition> FindTableDefinition(const std::filesystem::path& folder,
                                                   std::string_view tableName);

// Writes the definition file (atomically) and an empty data file when none exists, so that data
// already in the folder is kept.
void WriteTableDefinition(const std::filesystem::path& folder, const TableDefinition& definition);

}  // namespace htmlsim

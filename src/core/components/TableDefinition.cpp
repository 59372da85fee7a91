#include "components/TableDefinition.h"

#include <charconv>
#include <system_error>

#include "components/StatementParser.h"
#include "util/RuntimeError.h"
#include "util/Text.h"
#include "util/WholeFile.h"

namespace htmlsim {

namespace {

constexpr const char* kDefinitionExtension = ".def";

std::string CharacterExpression(const std::string& characters) {
    std::string expression;
    for (unsigned char c : characters) {
        if (!expression.empty()) {
            expression += " & ";
        }
        expression += "chr$(" + std::to_string(c) + ")";
    }
    return expression.empty() ? "''" : expression;
}

std::string TypeText(const FieldDefinition& field) {
    if (field.type == FieldType::Integer) {
        return "Integer";
    }
    return field.maxLength == 0 ? "String" : "String(" + std::to_string(field.maxLength) + ")";
}

size_t CharacterCount(std::string_view utf8) {
    size_t count = 0;
    for (unsigned char c : utf8) {
        count += (c & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

}  // namespace

std::optional<size_t> TableDefinition::FieldIndex(std::string_view fieldName) const {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (EqualsIgnoreCase(fields[i].name, fieldName)) {
            return i;
        }
    }
    return std::nullopt;
}

std::filesystem::path TableDefinition::DataFile(const std::filesystem::path& folder) const {
    return folder / (name + "." + format.extension);
}

std::filesystem::path TableDefinition::DefinitionFile(const std::filesystem::path& folder) const {
    return folder / (name + kDefinitionExtension);
}

std::string TableDefinition::CreateStatement() const {
    std::string text =
        "Create Table " + name + " [Extension=" + format.extension +
        ", Delimited, RecordDelimiter=" + CharacterExpression(format.recordDelimiter) +
        ", TextQualifier=" + CharacterExpression(format.textQualifier) +
        ", FieldDelimiter=" + CharacterExpression(format.fieldDelimiter) + "] (";
    for (size_t i = 0; i < fields.size(); ++i) {
        text += (i == 0 ? "" : ", ") + fields[i].name + " " + TypeText(fields[i]);
    }
    return text + ")\r\n";
}

std::string TableDefinition::NormalizedValue(size_t field, std::string_view value) const {
    const auto& definition = fields.at(field);
    if (definition.type == FieldType::Integer) {
        const auto trimmed = TrimBlanks(value);
        int32_t number = 0;
        const auto* end = trimmed.data() + trimmed.size();
        const auto [stop, error] = std::from_chars(trimmed.data(), end, number);
        if (trimmed.empty() || error != std::errc() || stop != end) {
            throw RuntimeError("The field '" + definition.name + "' of table '" + name +
                               "' holds whole numbers; '" + std::string(value) + "' is not one.");
        }
        return std::to_string(number);
    }
    if (definition.maxLength != 0 && CharacterCount(value) > definition.maxLength) {
        throw RuntimeError("The field '" + definition.name + "' of table '" + name +
                           "' holds at most " + std::to_string(definition.maxLength) +
                           " characters.");
    }
    return std::string(value);
}

std::string TableDefinition::DefaultValue(size_t field) const {
    return fields.at(field).type == FieldType::Integer ? "0" : "";
}

std::optional<std::filesystem::path> FindDefinitionFile(const std::filesystem::path& folder,
                                                        std::string_view tableName) {
    std::error_code error;
    std::optional<std::filesystem::path> match;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const auto& path = entry.path();
        if (path.extension() != kDefinitionExtension ||
            !EqualsIgnoreCase(path.stem().string(), tableName)) {
            continue;
        }
        if (!match || path.stem().string() == tableName) {
            match = path;
        }
    }
    return match;
}

std::optional<TableDefinition> FindTableDefinition(const std::filesystem::path& folder,
                                                   std::string_view tableName) {
    const auto match = FindDefinitionFile(folder, tableName);
    if (!match) {
        return std::nullopt;
    }
    const auto text = ReadWholeFile(match->string());
    try {
        auto statements = ParseStatements(text);
        if (statements.size() == 1) {
            if (auto* create = std::get_if<CreateTableStatement>(&statements.front())) {
                return create->definition;
            }
        }
    } catch (const RuntimeError&) {
    }
    throw RuntimeError("The table definition '" + match->string() +
                       "' is corrupt at line 1: it is not one Create Table statement.");
}

void WriteTableDefinition(const std::filesystem::path& folder, const TableDefinition& definition) {
    WriteWholeFileAtomically(definition.DefinitionFile(folder).string(),
                             definition.CreateStatement());
    const auto dataFile = definition.DataFile(folder);
    if (!std::filesystem::exists(dataFile)) {
        WriteWholeFileAtomically(dataFile.string(), "");
    }
}

}  // namespace htmlsim

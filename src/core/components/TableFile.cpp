#include "components/TableFile.h"

#include <algorithm>

#include "util/RuntimeError.h"
#include "util/WholeFile.h"

namespace htmlsim {

namespace {

bool At(const std::string& bytes, size_t pos, const std::string& what) {
    return !what.empty() && bytes.compare(pos, what.size(), what) == 0;
}

// Reads one record starting at pos and leaves pos after its delimiter.
class RecordReader {
  public:
    RecordReader(const std::string& bytes, const TableFormat& format)
        : mBytes(bytes), mFormat(format) {}

    TableRow Read(size_t& pos) const {
        TableRow fields;
        for (;;) {
            fields.push_back(ReadField(pos));
            if (pos >= mBytes.size()) {
                return fields;  // the last record may lack its delimiter
            }
            if (At(mBytes, pos, mFormat.fieldDelimiter)) {
                pos += mFormat.fieldDelimiter.size();
            } else if (At(mBytes, pos, mFormat.recordDelimiter)) {
                pos += mFormat.recordDelimiter.size();
                return fields;
            } else {
                throw RuntimeError("characters follow the end of a text");
            }
        }
    }

  private:
    std::string ReadField(size_t& pos) const {
        const auto& qualifier = mFormat.textQualifier;
        if (!At(mBytes, pos, qualifier)) {
            const size_t end = std::min(mBytes.find(mFormat.fieldDelimiter, pos),
                                        mBytes.find(mFormat.recordDelimiter, pos));
            const size_t stop = end == std::string::npos ? mBytes.size() : end;
            std::string value = mBytes.substr(pos, stop - pos);
            pos = stop;
            return value;
        }
        std::string value;
        pos += qualifier.size();
        for (;;) {
            const size_t close = mBytes.find(qualifier, pos);
            if (close == std::string::npos) {
                throw RuntimeError("a text is not closed");
            }
            value.append(mBytes, pos, close - pos);
            pos = close + qualifier.size();
            if (!At(mBytes, pos, qualifier)) {
                return value;
            }
            value += qualifier;  // a doubled qualifier stands for itself
            pos += qualifier.size();
        }
    }

    const std::string& mBytes;
    const TableFormat& mFormat;
};

void CheckRecord(const TableRow& row, const TableDefinition& definition) {
    if (row.size() != definition.fields.size()) {
        throw RuntimeError("expected " + std::to_string(definition.fields.size()) +
                           " fields but found " + std::to_string(row.size()));
    }
    for (size_t i = 0; i < row.size(); ++i) {
        if (definition.fields[i].type != FieldType::Integer) {
            continue;
        }
        bool wholeNumber = false;
        try {
            wholeNumber = definition.NormalizedValue(i, row[i]) == row[i];
        } catch (const RuntimeError&) {
        }
        if (!wholeNumber) {
            throw RuntimeError("the field '" + definition.fields[i].name +
                               "' is not a whole number");
        }
    }
}

std::string EncodeText(const std::string& value, const FieldDefinition& field,
                       const TableDefinition& definition) {
    const auto& format = definition.format;
    if (format.textQualifier.empty()) {
        if (value.find(format.fieldDelimiter) != std::string::npos ||
            value.find(format.recordDelimiter) != std::string::npos) {
            throw RuntimeError("The value of the field '" + field.name + "' of table '" +
                               definition.name + "' holds a delimiter of the table's file.");
        }
        return value;
    }
    std::string text = format.textQualifier;
    size_t pos = 0;
    for (size_t found; (found = value.find(format.textQualifier, pos)) != std::string::npos;
         pos = found + format.textQualifier.size()) {
        text.append(value, pos, found + format.textQualifier.size() - pos);
        text += format.textQualifier;
    }
    text.append(value, pos);
    return text + format.textQualifier;
}

}  // namespace

std::vector<TableRow> DecodeTableRows(const std::string& bytes, const TableDefinition& definition,
                                      const std::string& fileName) {
    std::vector<TableRow> rows;
    const RecordReader reader(bytes, definition.format);
    size_t pos = 0;
    size_t line = 1;
    size_t lineCountedTo = 0;
    while (pos < bytes.size()) {
        if (At(bytes, pos, definition.format.recordDelimiter)) {
            pos += definition.format.recordDelimiter.size();  // an empty record holds nothing
            continue;
        }
        line +=
            static_cast<size_t>(std::count(bytes.begin() + static_cast<ptrdiff_t>(lineCountedTo),
                                           bytes.begin() + static_cast<ptrdiff_t>(pos), '\n'));
        lineCountedTo = pos;
        try {
            rows.push_back(reader.Read(pos));
            CheckRecord(rows.back(), definition);
        } catch (const RuntimeError& fault) {
            throw RuntimeError("The table file '" + fileName + "' is corrupt at line " +
                               std::to_string(line) + ": " + fault.what() + ".");
        }
    }
    return rows;
}

std::string EncodeTableRows(const std::vector<TableRow>& rows, const TableDefinition& definition) {
    std::string bytes;
    for (const auto& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                bytes += definition.format.fieldDelimiter;
            }
            const auto& field = definition.fields[i];
            bytes +=
                field.type == FieldType::Integer ? row[i] : EncodeText(row[i], field, definition);
        }
        bytes += definition.format.recordDelimiter;
    }
    return bytes;
}

std::vector<TableRow> ReadTableRows(const std::filesystem::path& folder,
                                    const TableDefinition& definition) {
    const auto file = definition.DataFile(folder);
    if (!std::filesystem::exists(file)) {
        return {};
    }
    return DecodeTableRows(ReadWholeFile(file.string()), definition, file.string());
}

void WriteTableRows(const std::filesystem::path& folder, const TableDefinition& definition,
                    const std::vector<TableRow>& rows) {
    WriteWholeFileAtomically(definition.DataFile(folder).string(),
                             EncodeTableRows(rows, definition));
}

}  // namespace htmlsim

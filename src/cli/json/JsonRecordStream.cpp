#include "JsonRecordStream.h"

#include <charconv>
#include <nlohmann/json.hpp>

namespace htmlsim::cli {

namespace {

constexpr std::string_view kArrayIndent = "  ";
constexpr std::string_view kRecordIndent = "    ";
// What goes before a field's name; the first field of a record goes without the comma.
constexpr std::string_view kNextField = ",\n      \"";

// Printable ASCII without quote or backslash: written as it stands. A plain loop, as this runs
// over every byte of a large design.
bool NeedsNoEscape(std::string_view text) {
    for (const char c : text) {
        if (c < 0x20 || c >= 0x7f || c == '"' || c == '\\') {
            return false;
        }
    }
    return true;
}

// Most texts are plain ASCII and are written as they are; the others are escaped, and bytes
// that are not UTF-8 replaced, by the JSON library itself.
void AppendQuoted(std::string& out, std::string_view text) {
    if (NeedsNoEscape(text)) {
        out += '"';
        out += text;
        out += '"';
        return;
    }
    out += nlohmann::json(std::string(text))
               .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

JsonRecordStream::JsonRecordStream(std::ostream& out) : mOut(out) {
    mOut << '{';
}

void JsonRecordStream::TopText(std::string_view name, std::string_view value) {
    std::string field(mFirstArray ? "\n" : ",\n");
    field += kArrayIndent;
    AppendQuoted(field, name);
    field += ": ";
    AppendQuoted(field, value);
    mOut << field;
    mFirstArray = false;
}

void JsonRecordStream::DecodeTextsWith(std::function<std::string(std::string_view)> decode) {
    mDecode = std::move(decode);
}

void JsonRecordStream::BeginArray(std::string_view name) {
    std::string start(mFirstArray ? "\n" : ",\n");
    start += kArrayIndent;
    AppendQuoted(start, name);
    start += ": [";
    mOut << start;
    mFirstArray = false;
    mFirstRecord = true;
}

void JsonRecordStream::BeginRecord() {
    mRecord = mFirstRecord ? "\n" : ",\n";
    mRecord += kRecordIndent;
    mRecord += '{';
    mFirstRecord = false;
    mFirstField = true;
}

void JsonRecordStream::FieldName(std::string_view name) {
    // Field names are the program's own plain words.
    mRecord += mFirstField ? kNextField.substr(1) : kNextField;
    mRecord += name;
    mRecord += "\": ";
    mFirstField = false;
}

void JsonRecordStream::Text(std::string_view name, std::string_view value) {
    FieldName(name);
    // Printable ASCII is the same text in every encoding a document can have.
    if (NeedsNoEscape(value)) {
        mRecord += '"';
        mRecord += value;
        mRecord += '"';
    } else if (mDecode) {
        AppendQuoted(mRecord, mDecode(value));
    } else {
        AppendQuoted(mRecord, value);
    }
}

void JsonRecordStream::Number(std::string_view name, long long value) {
    FieldName(name);
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    mRecord.append(digits, written.ptr);
}

void JsonRecordStream::Flag(std::string_view name, bool value) {
    FieldName(name);
    mRecord += value ? "true" : "false";
}

void JsonRecordStream::EndRecord() {
    if (!mFirstField) {
        mRecord += '\n';
        mRecord += kRecordIndent;
    }
    mRecord += '}';
    mOut << mRecord;
}

void JsonRecordStream::EndArray() {
    if (!mFirstRecord) {
        mOut << '\n' << kArrayIndent;
    }
    mOut << ']';
}

void JsonRecordStream::Finish() {
    mOut << (mFirstArray ? "}" : "\n}");
}

}  // namespace htmlsim::cli

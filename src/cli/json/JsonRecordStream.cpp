#include "JsonRecordStream.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <nlohmann/json.hpp>

namespace htmlsim::cli {

namespace {

constexpr std::string_view kArrayIndent = "  ";
constexpr std::string_view kRecordIndent = "    ";
// What goes before a field's name; the first field of a record goes without the comma.
constexpr std::string_view kNextField = ",\n      \"";
// Large enough that a large design goes out in a few dozen writes.
constexpr size_t kBlockSize = size_t{1} << 16;

bool NeedsEscape(char c) {
    return c < 0x20 || c >= 0x7f || c == '"' || c == '\\';
}

// Whether one of the eight bytes of `word` needs escaping, tested all at once: the texts of a
// large design are read byte for byte here, most of them without any such byte.
bool HasByteToEscape(uint64_t word) {
    constexpr uint64_t kOnes = 0x0101010101010101;
    constexpr uint64_t kHighBits = 0x8080808080808080;
    // Whether a byte is below n (n at most 0x80).
    const auto hasByteBelow = [&](uint64_t bytes, uint64_t n) {
        return ((bytes - kOnes * n) & ~bytes & kHighBits) != 0;
    };
    const auto hasByte = [&](uint8_t b) { return hasByteBelow(word ^ (kOnes * b), 1); };
    return (word & kHighBits) != 0 || hasByteBelow(word, 0x20) || hasByte(0x7f) || hasByte('"') ||
           hasByte('\\');
}

// Printable ASCII without quote or backslash: written as it stands.
bool NeedsNoEscape(std::string_view text) {
    size_t at = 0;
    for (; at + sizeof(uint64_t) <= text.size(); at += sizeof(uint64_t)) {
        uint64_t word;
        std::memcpy(&word, text.data() + at, sizeof word);
        if (HasByteToEscape(word)) {
            return false;
        }
    }
    for (; at < text.size(); ++at) {
        if (NeedsEscape(text[at])) {
            return false;
        }
    }
    return true;
}

}  // namespace

JsonRecordStream::JsonRecordStream(std::ostream& out) : mOut(out) {
    mBlock.reserve(kBlockSize);
    Put("{");
}

void JsonRecordStream::Put(std::string_view piece) {
    mBlock += piece;
    if (mBlock.size() >= kBlockSize) {
        Send();
    }
}

void JsonRecordStream::Send() {
    mOut.write(mBlock.data(), static_cast<std::streamsize>(mBlock.size()));
    mBlock.clear();
}

// Escaped, and bytes that are not UTF-8 replaced, by the JSON library itself.
void JsonRecordStream::Escaped(std::string text) {
    Put(nlohmann::json(std::move(text))
            .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

// Most texts are plain ASCII and are written as they are.
void JsonRecordStream::Quoted(std::string_view text) {
    if (NeedsNoEscape(text)) {
        Put("\"");
        Put(text);
        Put("\"");
    } else {
        Escaped(std::string(text));
    }
}

void JsonRecordStream::TopText(std::string_view name, std::string_view value) {
    Put(mFirstArray ? "\n" : ",\n");
    Put(kArrayIndent);
    Quoted(name);
    Put(": ");
    Quoted(value);
    mFirstArray = false;
}

void JsonRecordStream::DecodeTextsWith(std::function<std::string(std::string_view)> decode) {
    mDecode = std::move(decode);
}

void JsonRecordStream::BeginArray(std::string_view name) {
    Put(mFirstArray ? "\n" : ",\n");
    Put(kArrayIndent);
    Quoted(name);
    Put(": [");
    mFirstArray = false;
    mFirstRecord = true;
}

void JsonRecordStream::BeginRecord() {
    Put(mFirstRecord ? "\n" : ",\n");
    Put(kRecordIndent);
    Put("{");
    mFirstRecord = false;
    mFirstField = true;
}

void JsonRecordStream::FieldName(std::string_view name) {
    // Field names are the program's own plain words.
    Put(mFirstField ? kNextField.substr(1) : kNextField);
    Put(name);
    Put("\": ");
    mFirstField = false;
}

void JsonRecordStream::Text(std::string_view name, std::string_view value) {
    FieldName(name);
    // Printable ASCII is the same text in every encoding a document can have.
    if (NeedsNoEscape(value)) {
        Put("\"");
        Put(value);
        Put("\"");
    } else {
        Escaped(mDecode ? mDecode(value) : std::string(value));
    }
}

void JsonRecordStream::Number(std::string_view name, long long value) {
    FieldName(name);
    char digits[20];  // the sign and 19 digits
    const char* end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    Put({digits, static_cast<size_t>(end - digits)});
}

void JsonRecordStream::Flag(std::string_view name, bool value) {
    FieldName(name);
    Put(value ? "true" : "false");
}

void JsonRecordStream::EndRecord() {
    if (!mFirstField) {
        Put("\n");
        Put(kRecordIndent);
    }
    Put("}");
}

void JsonRecordStream::EndArray() {
    if (!mFirstRecord) {
        Put("\n");
        Put(kArrayIndent);
    }
    Put("]");
}

void JsonRecordStream::Finish() {
    Put(mFirstArray ? "}" : "\n}");
    Send();
}

}  // namespace htmlsim::cli

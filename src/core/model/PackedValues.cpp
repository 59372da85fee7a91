#include "model/PackedValues.h"

#include <iterator>

namespace htmlsim {

namespace {

// Names kept as one byte: an area's, as a large page holds tens of thousands of areas.
constexpr std::string_view kCommonNames[] = {"COORDS", "Title", "HREF"};
// Set on the tag byte when a common name's number follows instead of the name.
constexpr unsigned char kCommonName = 0x80;

// The number of a common name, or none.
std::optional<unsigned char> CommonName(std::string_view name) {
    for (unsigned char i = 0; i < std::size(kCommonNames); ++i) {
        if (kCommonNames[i] == name) {
            return i;
        }
    }
    return std::nullopt;
}

// A length in seven-bit groups, lowest first, the high bit set on all but the last: most names
// and values are short, so most lengths take one byte.
void AppendLength(std::string& packed, size_t length) {
    for (; length >= 0x80; length >>= 7) {
        packed += static_cast<char>(0x80 | (length & 0x7f));
    }
    packed += static_cast<char>(length);
}

size_t LengthBytes(size_t length) {
    size_t bytes = 1;
    for (; length >= 0x80; length >>= 7) {
        ++bytes;
    }
    return bytes;
}

// The length at `at`, which moves past it.
size_t LengthAt(std::string_view packed, size_t& at) {
    size_t length = 0;
    for (unsigned shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(packed[at++]);
        length |= static_cast<size_t>(byte & 0x7f) << shift;
        if ((byte & 0x80) == 0) {
            return length;
        }
    }
}

}  // namespace

PackedValues::PackedValues(const WrittenValues& values) {
    size_t size = 0;
    for (const WrittenValue& value : values) {
        const size_t name =
            CommonName(value.Name) ? 1 : LengthBytes(value.Name.size()) + value.Name.size();
        size += 1 + name + LengthBytes(value.Value.size()) + value.Value.size();
    }
    mPacked.reserve(size);
    for (const WrittenValue& value : values) {
        Add(value);
    }
}

void PackedValues::Add(const WrittenValue& value) {
    if (const std::optional<unsigned char> common = CommonName(value.Name)) {
        mPacked += static_cast<char>(value.TagIndex | kCommonName);
        mPacked += static_cast<char>(*common);
    } else {
        mPacked += static_cast<char>(value.TagIndex);
        AppendLength(mPacked, value.Name.size());
        mPacked.append(value.Name);
    }
    AppendLength(mPacked, value.Value.size());
    mPacked.append(value.Value);
}

template <typename Visit>
bool PackedValues::AnyOf(Visit visit) const {
    const std::string_view packed = mPacked;
    for (size_t at = 0; at < packed.size();) {
        const auto tag = static_cast<unsigned char>(packed[at++]);
        std::string_view name;
        if (tag & kCommonName) {
            name = kCommonNames[static_cast<unsigned char>(packed[at++])];
        } else {
            const size_t nameLength = LengthAt(packed, at);
            name = packed.substr(at, nameLength);
            at += nameLength;
        }
        const size_t valueLength = LengthAt(packed, at);
        const std::string_view value = packed.substr(at, valueLength);
        at += valueLength;
        if (visit(View{static_cast<size_t>(tag & ~kCommonName), name, value})) {
            return true;
        }
    }
    return false;
}

std::optional<std::string_view> PackedValues::Find(size_t tagIndex, std::string_view name) const {
    std::optional<std::string_view> found;
    AnyOf([&](const View& view) {
        if (view.TagIndex == tagIndex && view.Name == name) {
            found = view.Value;
        }
        return found.has_value();
    });
    return found;
}

WrittenValues PackedValues::Unpacked() const {
    WrittenValues values;
    AnyOf([&](const View& view) {
        values.push_back({view.TagIndex, std::string(view.Name), std::string(view.Value)});
        return false;
    });
    return values;
}

bool PackedValues::operator==(const WrittenValues& values) const {
    size_t next = 0;
    const bool differs = AnyOf([&](const View& view) {
        if (next == values.size()) {
            return true;
        }
        const WrittenValue& value = values[next++];
        return value.TagIndex != view.TagIndex || value.Name != view.Name ||
               value.Value != view.Value;
    });
    return !differs && next == values.size();
}

}  // namespace htmlsim

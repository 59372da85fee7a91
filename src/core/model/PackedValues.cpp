#include "model/PackedValues.h"

#include <iterator>

#include "util/RuntimeError.h"

namespace htmlsim {

namespace {

// Names kept in the flags byte: an area's, as a large page holds tens of thousands of areas.
constexpr std::string_view kCommonNames[] = {"COORDS", "Title", "HREF"};
// The flags byte: the tag index below, a common name's number above it.
constexpr unsigned char kCommonName = 0x80;
constexpr unsigned char kInElement = 0x40;
constexpr unsigned kCommonNumberShift = 4;
constexpr unsigned char kTagIndexMask = 0x0f;

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

// Where a value stands in the element, when it stands there at all.
std::optional<size_t> PlaceIn(std::string_view element, std::string_view value) {
    const size_t at = value.empty() ? std::string_view::npos : element.find(value);
    return at == std::string_view::npos ? std::nullopt : std::optional<size_t>(at);
}

}  // namespace

PackedValues::PackedValues(const WrittenValues& values) : PackedValues(values, {}) {}

PackedValues::PackedValues(const WrittenValues& values, std::string_view element) {
    std::string packed;
    for (const WrittenValue& value : values) {
        Append(packed, value, element);
    }
    // Copied to a block of its exact size, or none at all when it is short.
    mPacked = std::string(packed.data(), packed.size());
}

void PackedValues::Add(const WrittenValue& value) {
    Append(mPacked, value, {});
}

void PackedValues::Append(std::string& packed, const WrittenValue& value,
                          std::string_view element) {
    const std::optional<unsigned char> common = CommonName(value.Name);
    const std::optional<size_t> place = PlaceIn(element, value.Value);
    auto flags = static_cast<unsigned char>(value.TagIndex & kTagIndexMask);
    if (common) {
        flags |= kCommonName | static_cast<unsigned char>(*common << kCommonNumberShift);
    }
    if (place) {
        flags |= kInElement;
    }
    packed += static_cast<char>(flags);
    if (!common) {
        AppendLength(packed, value.Name.size());
        packed.append(value.Name);
    }
    if (place) {
        AppendLength(packed, *place);
        AppendLength(packed, value.Value.size());
    } else {
        AppendLength(packed, value.Value.size());
        packed.append(value.Value);
    }
}

template <typename Visit>
bool PackedValues::AnyOf(std::string_view element, Visit visit) const {
    const std::string_view packed = mPacked;
    for (size_t at = 0; at < packed.size();) {
        const auto flags = static_cast<unsigned char>(packed[at++]);
        std::string_view name;
        if (flags & kCommonName) {
            name = kCommonNames[(flags >> kCommonNumberShift) & 0x03];
        } else {
            const size_t nameLength = LengthAt(packed, at);
            name = packed.substr(at, nameLength);
            at += nameLength;
        }
        std::string_view value;
        if (flags & kInElement) {
            const size_t place = LengthAt(packed, at);
            const size_t length = LengthAt(packed, at);
            if (place > element.size() || length > element.size() - place) {
                throw RuntimeError("The section changed since it was read");
            }
            value = element.substr(place, length);
        } else {
            const size_t length = LengthAt(packed, at);
            value = packed.substr(at, length);
            at += length;
        }
        if (visit(View{static_cast<size_t>(flags & kTagIndexMask), name, value})) {
            return true;
        }
    }
    return false;
}

std::optional<std::string_view> PackedValues::Find(size_t tagIndex, std::string_view name,
                                                   std::string_view element) const {
    std::optional<std::string_view> found;
    AnyOf(element, [&](const View& view) {
        if (view.TagIndex == tagIndex && view.Name == name) {
            found = view.Value;
        }
        return found.has_value();
    });
    return found;
}

WrittenValues PackedValues::Unpacked(std::string_view element) const {
    WrittenValues values;
    AnyOf(element, [&](const View& view) {
        values.push_back({view.TagIndex, std::string(view.Name), std::string(view.Value)});
        return false;
    });
    return values;
}

bool PackedValues::Equals(const WrittenValues& values, std::string_view element) const {
    size_t next = 0;
    const bool differs = AnyOf(element, [&](const View& view) {
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

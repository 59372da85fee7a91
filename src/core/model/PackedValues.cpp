#include "model/PackedValues.h"

#include <cstring>

namespace htmlsim {

namespace {

constexpr size_t kLengthBytes = sizeof(uint32_t);
constexpr size_t kHeaderBytes = 1 + 2 * kLengthBytes;

void AppendLength(std::string& packed, size_t length) {
    const auto value = static_cast<uint32_t>(length);
    char bytes[kLengthBytes];
    std::memcpy(bytes, &value, kLengthBytes);
    packed.append(bytes, kLengthBytes);
}

size_t LengthAt(std::string_view packed, size_t at) {
    uint32_t value = 0;
    std::memcpy(&value, packed.data() + at, kLengthBytes);
    return value;
}

}  // namespace

PackedValues::PackedValues(const WrittenValues& values) {
    size_t size = 0;
    for (const WrittenValue& value : values) {
        size += kHeaderBytes + value.Name.size() + value.Value.size();
    }
    mPacked.reserve(size);
    for (const WrittenValue& value : values) {
        Add(value);
    }
}

void PackedValues::Add(const WrittenValue& value) {
    mPacked += static_cast<char>(value.TagIndex);
    AppendLength(mPacked, value.Name.size());
    AppendLength(mPacked, value.Value.size());
    mPacked.append(value.Name).append(value.Value);
}

template <typename Visit>
bool PackedValues::AnyOf(Visit visit) const {
    const std::string_view packed = mPacked;
    for (size_t at = 0; at < packed.size();) {
        const auto tagIndex = static_cast<unsigned char>(packed[at]);
        const size_t nameLength = LengthAt(packed, at + 1);
        const size_t valueLength = LengthAt(packed, at + 1 + kLengthBytes);
        const size_t name = at + kHeaderBytes;
        if (visit(View{tagIndex, packed.substr(name, nameLength),
                       packed.substr(name + nameLength, valueLength)})) {
            return true;
        }
        at = name + nameLength + valueLength;
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

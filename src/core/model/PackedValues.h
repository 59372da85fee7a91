#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/WrittenValue.h"

namespace htmlsim {

// Written values kept in one block of text instead of a string per name and value: a large page
// holds tens of thousands of elements, each with the values it was read with.
class PackedValues {
  public:
    PackedValues() = default;
    explicit PackedValues(const WrittenValues& values);
    // Packed against the text of the element they were read from: a value standing in it is
    // kept as its place there instead of a copy, so that an area's values most often fit in the
    // block itself. Every reading must then be given the same element text.
    PackedValues(const WrittenValues& values, std::string_view element);

    void Add(const WrittenValue& value);

    // The value of that name on that tag, or none.
    std::optional<std::string_view> Find(size_t tagIndex, std::string_view name,
                                         std::string_view element = {}) const;
    WrittenValues Unpacked(std::string_view element = {}) const;

    // The same values in the same order.
    bool Equals(const WrittenValues& values, std::string_view element = {}) const;
    bool operator==(const WrittenValues& values) const { return Equals(values); }

  private:
    struct View {
        size_t TagIndex;
        std::string_view Name;
        std::string_view Value;
    };
    static void Append(std::string& packed, const WrittenValue& value, std::string_view element);
    // Calls visit(view) for each value in order until it returns true; whether one did.
    template <typename Visit>
    bool AnyOf(std::string_view element, Visit visit) const;

    // Each value as one byte of its tag index and flags (a common name's number in it instead
    // of the name, or the value standing in the element), the name (its length in seven bits a
    // byte, then the name) unless common, then the value: its place in the element and its
    // length, or its length and the value.
    std::string mPacked;
};

}  // namespace htmlsim

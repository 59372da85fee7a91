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

    void Add(const WrittenValue& value);

    // The value of that name on that tag, or none.
    std::optional<std::string_view> Find(size_t tagIndex, std::string_view name) const;
    WrittenValues Unpacked() const;

    // The same values in the same order.
    bool operator==(const WrittenValues& values) const;

  private:
    struct View {
        size_t TagIndex;
        std::string_view Name;
        std::string_view Value;
    };
    // Calls visit(view) for each value in order until it returns true; whether one did.
    template <typename Visit>
    bool AnyOf(Visit visit) const;

    // Each value as its tag index, the name (its length in seven bits a byte, then the name; or
    // for a common name one byte of its number, flagged on the tag index), then the value's
    // length and the value.
    std::string mPacked;
};

}  // namespace htmlsim

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace htmlsim {

// The properties dialog as the "Properties" command of an anchor, an input or a label uses it:
// one row per property, a name and an editable value. The rows come as lists rather than
// "|"-joined texts, so a value that itself holds a "|" stays in its own row.
class PropertiesDialog {
  public:
    virtual ~PropertiesDialog() = default;

    // The i-th value belongs to the i-th name.
    virtual void RefreshForm(const std::vector<std::string>& names,
                             const std::vector<std::string>& values) = 0;
    // Returns when the user closes the dialog with OK (it has no Cancel).
    virtual void ShowModal() = 0;

    virtual int16_t NumberOfItems() const = 0;
    virtual std::string ItemName(int index) const = 0;
    virtual std::string ItemValue(int index) const = 0;
};

}  // namespace htmlsim

#pragma once

#include <map>
#include <string>
#include <vector>

#include "controls/PropertiesDialog.h"

namespace htmlsim::testing {

// Shows nothing: it keeps the rows it is given and, when "shown", the user's edits (by row
// name) replace their values, as if typed before pressing OK.
class FakePropertiesDialog : public PropertiesDialog {
  public:
    std::vector<std::string> names;
    std::vector<std::string> offered;  // the values as the command filled them in
    std::vector<std::string> values;   // and as the user left them
    std::map<std::string, std::string> edits;

    void RefreshForm(const std::vector<std::string>& newNames,
                     const std::vector<std::string>& newValues) override {
        names = newNames;
        offered = newValues;
        values = newValues;
    }
    void ShowModal() override {
        for (size_t i = 0; i < names.size(); ++i) {
            if (const auto edit = edits.find(names[i]); edit != edits.end()) {
                values[i] = edit->second;
            }
        }
    }
    int16_t NumberOfItems() const override { return static_cast<int16_t>(names.size()); }
    std::string ItemName(int index) const override { return names.at(index); }
    std::string ItemValue(int index) const override { return values.at(index); }
};

}  // namespace htmlsim::testing

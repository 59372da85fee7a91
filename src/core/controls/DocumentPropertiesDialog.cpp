#include "controls/DocumentPropertiesDialog.h"

namespace htmlsim {

void DocumentPropertiesDialog::RefreshForm(const std::vector<std::string>& names,
                                           const std::vector<std::string>& values) {
    mValues = values;
    std::vector<std::string> shown;
    for (const std::string& value : values) {
        shown.push_back(mCodec.Decode(value));
    }
    mShown.RefreshForm(names, shown);
}

std::string DocumentPropertiesDialog::ItemValue(int index) const {
    std::string value = index >= 0 && static_cast<size_t>(index) < mValues.size()
                            ? mValues[static_cast<size_t>(index)]
                            : std::string();
    mCodec.Update(value, mShown.ItemValue(index));
    return value;
}

}  // namespace htmlsim

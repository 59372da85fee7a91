#pragma once

#include "controls/PropertiesDialog.h"
#include "text/DocumentCodec.h"

namespace htmlsim {

// A properties dialog that shows the rows' values as text and gives them back as the
// document's bytes: a row the user did not change keeps its bytes.
class DocumentPropertiesDialog : public PropertiesDialog {
  public:
    DocumentPropertiesDialog(PropertiesDialog& shown, const DocumentCodec& codec)
        : mShown(shown), mCodec(codec) {}

    void RefreshForm(const std::vector<std::string>& names,
                     const std::vector<std::string>& values) override;
    void ShowModal() override { mShown.ShowModal(); }
    int16_t NumberOfItems() const override { return mShown.NumberOfItems(); }
    std::string ItemName(int index) const override { return mShown.ItemName(index); }
    std::string ItemValue(int index) const override;

  private:
    PropertiesDialog& mShown;
    const DocumentCodec& mCodec;
    std::vector<std::string> mValues;
};

}  // namespace htmlsim

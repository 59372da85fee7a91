#include "linkcheck/ImportedPage.h"

#include <exception>

#include "import/DocumentImport.h"
#include "services/NoSurface.h"

namespace htmlsim {

ImportedPage::ImportedPage(const std::string& text, const std::string& folder, Pictures& pictures,
                           const TextMeasurer* measurer, Dialogs& dialogs) {
    if (measurer != nullptr) {
        // A fresh set per page: an import that ends early would otherwise leave the controls of
        // the page read before.
        mControls = std::make_unique<PageControls>(*measurer, dialogs,
                                                   [](const std::string&, const std::string&) {});
    }
    NoSurface surface;
    ImportContext context{mDesign, surface, pictures, dialogs, folder};
    context.controls = mControls.get();
    try {
        ImportDocument(text, context);
    } catch (const std::exception& e) {
        dialogs.Message(e.what(), "", MessageIcon::None);
    }
}

}  // namespace htmlsim

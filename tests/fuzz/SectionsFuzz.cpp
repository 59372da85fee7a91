// Section listing, the Document Editor's commit of an edited entry, and the replacement of a
// named section's body on any text: refused or done, never a crash or a hang.
#include <cstdint>

#include "FuzzDialogs.h"
#include "document/SectionDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace htmlsim;
    FuzzDialogs dialogs;
    const auto [document, body] = SplitAtNul(data, size);
    const SectionTable sections = ListSections(document, dialogs);
    for (size_t index = 0; index < sections.Count(); ++index) {
        try {
            sections.WithBody(index, body);
            std::string changed = document;
            ReplaceSectionBody(changed, sections.Name(index), body, dialogs);
            GetSectionText(changed, sections.Name(index));
        } catch (const std::exception&) {
            // an entry without its end marker is refused
        }
    }
    return 0;
}

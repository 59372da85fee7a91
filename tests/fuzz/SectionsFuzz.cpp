// Section listing and replacement on any text: refused or done, never a crash or a hang.
#include <cstdint>

#include "FuzzDialogs.h"
#include "document/SectionDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace htmlsim;
    FuzzDialogs dialogs;
    const auto [document, body] = SplitAtNul(data, size);
    for (const SectionEntry& section : ListSections(document, dialogs)) {
        std::string changed = document;
        try {
            ReplaceSectionBody(changed, section.name, body, dialogs);
            GetSectionText(changed, section.name);
        } catch (const std::exception&) {
            // a section without its end marker is refused
        }
    }
    return 0;
}

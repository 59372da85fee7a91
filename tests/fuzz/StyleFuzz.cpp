// Inline styles in both of their forms and colour names: parsed, applied and rewritten after a
// move on any text, never a crash.
#include <cstdint>

#include "FuzzDialogs.h"
#include "controls/ColorFromName.h"
#include "controls/InlineStyle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace htmlsim;
    FuzzDialogs dialogs;
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const StyleForm form : {StyleForm::Quoted, StyleForm::Input}) {
        std::string style = text;
        const StyleDeclarations declarations = ParseStyle(style, form);
        ControlAppearance appearance;
        const StylePosition position = ApplyStyleDeclarations(declarations, appearance, dialogs);
        RewriteStylePosition(declarations, {static_cast<int16_t>(position.Left + 7),
                                            static_cast<int16_t>(position.Top - 7)});
    }
    ColorFromName(text);
    return 0;
}

#include "surface/PageBackground.h"

#include <algorithm>
#include <filesystem>

#include "controls/InlineStyle.h"
#include "document/DocumentTemplate.h"
#include "document/SectionDocument.h"
#include "surface/BalloonLooks.h"
#include "util/Text.h"
#include "util/WholeFile.h"

namespace htmlsim {

namespace {

std::string WithoutComments(std::string_view css) {
    std::string text;
    size_t from = 0;
    for (size_t open = css.find("/*"); open != std::string_view::npos;
         open = css.find("/*", from)) {
        text.append(css.substr(from, open - from));
        const size_t close = css.find("*/", open + 2);
        from = close == std::string_view::npos ? css.size() : close + 2;
    }
    return text.append(css.substr(std::min(from, css.size())));
}

// Style sheets run over lines: blanks here are line breaks and tabs too.
std::string_view TrimCss(std::string_view text) {
    constexpr std::string_view kWhite = " \t\r\n\f";
    const size_t first = text.find_first_not_of(kWhite);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kWhite) - first + 1);
}

bool NamesElement(std::string_view selectors, std::string_view element) {
    // A Style section holds its sheet inside a STYLE tag.
    const size_t tagEnd = selectors.rfind('>');
    if (tagEnd != std::string_view::npos && selectors.find('<') < tagEnd) {
        selectors.remove_prefix(tagEnd + 1);
    }
    size_t from = 0;
    while (from <= selectors.size()) {
        const size_t comma = std::min(selectors.find(',', from), selectors.size());
        if (EqualsIgnoreCase(TrimCss(selectors.substr(from, comma - from)), element)) {
            return true;
        }
        from = comma + 1;
    }
    return false;
}

// Calls `use` with the property (in lower case) and value of every declaration of the rules
// naming `element`, in the order the sheets give them.
template <typename Use>
void ForEachDeclaration(const std::vector<std::string>& styleSheets, std::string_view element,
                        Use use) {
    for (const std::string& sheet : styleSheets) {
        const std::string css = WithoutComments(sheet);
        size_t from = 0;
        for (size_t open = css.find('{'); open != std::string::npos; open = css.find('{', from)) {
            const size_t close = std::min(css.find('}', open), css.size());
            if (NamesElement(std::string_view(css).substr(from, open - from), element)) {
                const std::string_view body =
                    std::string_view(css).substr(open + 1, close - open - 1);
                size_t at = 0;
                while (at <= body.size()) {
                    const size_t end = std::min(body.find(';', at), body.size());
                    const std::string_view declaration = body.substr(at, end - at);
                    const size_t colon = declaration.find(':');
                    if (colon != std::string_view::npos) {
                        use(ToLowerAscii(TrimCss(declaration.substr(0, colon))),
                            TrimCss(declaration.substr(colon + 1)));
                    }
                    at = end + 1;
                }
            }
            from = close + 1;
        }
    }
}

// The colour a background or background-color declaration sets, if it is one understood.
std::optional<SurfaceColor> DeclaredBackground(const std::string& property,
                                               std::string_view value) {
    if (property == "background-color") {
        return CssColor(value);
    }
    if (property == "background") {
        // The shorthand's colour is the one of its words that is a colour.
        size_t from = 0;
        while (from < value.size()) {
            const size_t blank = std::min(value.find(' ', from), value.size());
            if (auto color = CssColor(value.substr(from, blank - from))) {
                return color;
            }
            from = blank + 1;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<SurfaceColor> BodyBackground(const std::vector<std::string>& styleSheets) {
    std::optional<SurfaceColor> background;
    ForEachDeclaration(styleSheets, "body",
                       [&](const std::string& property, std::string_view value) {
                           if (auto color = DeclaredBackground(property, value)) {
                               background = color;
                           }
                       });
    return background;
}

SheetFont ElementFont(const std::vector<std::string>& styleSheets, std::string_view element) {
    SheetFont font;
    ForEachDeclaration(styleSheets, element,
                       [&](const std::string& property, std::string_view value) {
                           if (property == "font-size") {
                               // A value a browser would not take leaves the font as it was.
                               try {
                                   font.Pixels = CssFontPixels(value);
                               } catch (const std::exception&) {
                               }
                           } else if (property == "font-weight") {
                               font.Bold = CssBold(value);
                           }
                       });
    return font;
}

std::vector<std::string> PageStyleSheets(const std::string& documentText,
                                         const std::string& folder) {
    std::vector<std::string> sheets{GetSectionText(documentText, "Style")};
    const std::string linked = folder + kStyleSheetFileName;
    std::error_code error;
    if (!folder.empty() && std::filesystem::is_regular_file(linked, error)) {
        try {
            sheets.push_back(ReadWholeFile(linked));
        } catch (const std::exception&) {
            // A sheet that cannot be read gives the page no colour, as in a browser.
        }
    }
    return sheets;
}

}  // namespace htmlsim

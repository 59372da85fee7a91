#include "import/ScanText.h"

#include "util/Text.h"

namespace htmlsim {

namespace {

constexpr auto npos = std::string_view::npos;

void FillWithNul(std::string& mask, size_t openingQuote, size_t closingQuote) {
    for (size_t i = openingQuote + 1; i < closingQuote; ++i) {
        mask[i] = '\0';
    }
}

// Masks the runs between pairs of `quote`. The first opening quote is looked for in the mask
// built so far, so that a quote inside an earlier kind of run does not open one; the rest are
// looked for in the text. Returns false when a quote is left unmatched.
bool MaskQuotedRuns(std::string_view text, std::string& mask, char quote) {
    size_t opening = std::string_view(mask).find(quote);
    while (opening != npos) {
        const size_t closing = text.find(quote, opening + 1);
        if (closing == npos) {
            return false;
        }
        FillWithNul(mask, opening, closing);
        opening = text.find(quote, closing + 1);
    }
    return true;
}

}  // namespace

std::string BuildSearchMask(std::string_view text) {
    std::string mask = ToUpperAscii(text);
    for (const char quote : {'`', '"', '\''}) {
        if (!MaskQuotedRuns(text, mask, quote)) {
            break;
        }
    }
    return mask;
}

ScanText TrimBlankLines(const ScanText& piece) {
    size_t start = 0;
    size_t end = piece.Text.size();
    const std::string_view text = piece.Text;
    auto at = [&](size_t i, std::string_view what) { return text.substr(i, what.size()) == what; };
    for (bool removedLineBreak = true; removedLineBreak;) {
        while (start < end && text[start] == ' ') {
            ++start;
        }
        while (end > start && text[end - 1] == ' ') {
            --end;
        }
        removedLineBreak = false;
        if (end - start >= 2 && at(start, "\r\n")) {
            start += 2;
            removedLineBreak = true;
        }
        if (end - start >= 2 && at(end - 2, "\r\n")) {
            end -= 2;
            removedLineBreak = true;
        }
    }
    return piece.Slice(start, end - start);
}

}  // namespace htmlsim

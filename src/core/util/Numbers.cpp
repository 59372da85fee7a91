#include "util/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "util/RuntimeError.h"

namespace htmlsim {

int16_t RoundToInt16(double value) {
    if (!std::isfinite(value)) {
        throw OverflowError();
    }
    const double rounded = std::nearbyint(value);  // default rounding mode: halves to even
    if (rounded < std::numeric_limits<int16_t>::min() ||
        rounded > std::numeric_limits<int16_t>::max()) {
        throw OverflowError();
    }
    return static_cast<int16_t>(rounded);
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

double LeadingNumber(std::string_view text) {
    // Collect the characters that form the number, skipping blanks as we go, then convert once.
    std::string number;
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text[i])) {
            ++i;
        }
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') {
            number += '-';
        }
        ++i;
    }
    bool seenDigit = false;
    bool seenPoint = false;
    for (skipBlanks(); i < text.size(); ++i, skipBlanks()) {
        const char c = text[i];
        if (IsDigit(c)) {
            number += c;
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            number += c;
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit) {
        return 0.0;
    }
    // An exponent only counts when digits follow it ("12e" stays 12).
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) {
            exponent += text[j++];
        }
        const size_t digitsStart = j;
        while (j < text.size() && IsDigit(text[j])) {
            exponent += text[j++];
        }
        if (j > digitsStart) {
            number += exponent;
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return number.front() == '-' ? -std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::infinity();
    }
    return value;
}

}  // namespace htmlsim

#include "util/TextToNumber.h"

#include <charconv>

#include "util/RuntimeError.h"
#include "util/Text.h"

namespace htmlsim {

double TextToNumber(std::string_view text) {
    std::string_view number = TrimBlanks(text);
    if (!number.empty() && number.front() == '+') {
        number.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan", which are no numbers here.
    const std::string_view digits =
        !number.empty() && number.front() == '-' ? number.substr(1) : number;
    const bool startsLikeNumber =
        !digits.empty() &&
        (digits.front() == '.' || (digits.front() >= '0' && digits.front() <= '9'));
    double value = 0;
    if (startsLikeNumber) {
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), value);
        if (error == std::errc::result_out_of_range) {
            throw OverflowError();
        }
        if (error == std::errc() && end == number.data() + number.size()) {
            return value;
        }
    }
    throw RuntimeError("Type mismatch");
}

}  // namespace htmlsim

#include "codelib/SnippetDate.h"

#include <cstdio>
#include <ctime>

namespace htmlsim {

CivilDate Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string FormatSnippetDate(const CivilDate& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.month, date.day, date.year);
    return text;
}

}  // namespace htmlsim

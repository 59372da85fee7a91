#pragma once

#include <string>

namespace htmlsim {

struct CivilDate {
    int year;
    int month;  // 1 to 12
    int day;    // 1 to 31
};

// Today's date in the local time zone.
CivilDate Today();

// The date as a snippet keeps it: month first, "mm/dd/yyyy".
std::string FormatSnippetDate(const CivilDate& date);

}  // namespace htmlsim

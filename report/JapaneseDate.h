#pragma once

#include <string>

namespace lumenta {

// A date in the Japanese imperial calendar as the estimate sheet prints it:
// era name, the year within the era in two digits, month and day in two
// digits each. 2007-01-31 gives "平成19年01月31日", 2019-05-01 "令和01年05月01日".
// The era and its year are those of the calendar library's Japanese calendar.
// An empty text when the date can't be formatted.
std::string japaneseDate(int year, int month, int day);

// Today's local date, as above.
std::string japaneseToday();

} // namespace lumenta

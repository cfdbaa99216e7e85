#include "JapaneseDate.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

struct DateCase {
    int year, month, day;
    const char* text;
};

// Leading zeros in year, month and day; the era changes on the right day.
TEST(JapaneseDate, EraYearMonthAndDayInTwoDigits)
{
    const DateCase cases[] = {
        {2007, 1, 31, "平成19年01月31日"},
        {2019, 4, 30, "平成31年04月30日"},
        {2019, 5, 1, "令和01年05月01日"},
        {2026, 12, 7, "令和08年12月07日"},
        {1989, 1, 7, "昭和64年01月07日"},
        {1989, 1, 8, "平成01年01月08日"},
        {2000, 2, 29, "平成12年02月29日"},
    };
    for (const DateCase& c : cases)
        EXPECT_EQ(lumenta::japaneseDate(c.year, c.month, c.day), c.text) << c.year << "-" << c.month << "-" << c.day;
}

// Today is the local calendar day, not the UTC one.
TEST(JapaneseDate, TodayIsTheLocalDay)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(lumenta::japaneseToday(), lumenta::japaneseDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday));
}

} // namespace

#include "JapaneseDate.h"

#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>

#include <memory>

namespace lumenta {

namespace {

const char* const kJapaneseCalendar = "ja_JP@calendar=japanese";

// The era's name as the calendar writes it ("平成", "令和").
std::string eraName(UDate instant)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat formatter(icu::UnicodeString(u"G"), icu::Locale(kJapaneseCalendar), status);
    if (U_FAILURE(status))
        return {};
    icu::UnicodeString era;
    formatter.format(instant, era);
    std::string utf8;
    return era.toUTF8String(utf8);
}

// At least two digits, with a leading zero below 10.
std::string twoDigits(int value)
{
    std::string digits = std::to_string(value);
    return digits.size() < 2 ? "0" + digits : digits;
}

// Numbers are written here, not by the date formatter, which writes the
// first year of an era as "元" and drops the leading zero of the year.
std::string format(UDate instant)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(icu::Locale(kJapaneseCalendar), status));
    if (U_FAILURE(status))
        return {};
    calendar->setTime(instant, status);
    const int year = calendar->get(UCAL_YEAR, status);
    const int month = calendar->get(UCAL_MONTH, status) + 1;
    const int day = calendar->get(UCAL_DATE, status);
    const std::string era = eraName(instant);
    if (U_FAILURE(status) || era.empty())
        return {};
    return era + twoDigits(year) + "年" + twoDigits(month) + "月" + twoDigits(day) + "日";
}

} // namespace

std::string japaneseDate(int year, int month, int day)
{
    UErrorCode status = U_ZERO_ERROR;
    // Noon of the local day, so that no time-zone shift moves it to another day.
    icu::GregorianCalendar calendar(status);
    if (U_FAILURE(status))
        return {};
    calendar.clear();
    calendar.set(year, month - 1, day, 12, 0, 0);
    const UDate instant = calendar.getTime(status);
    return U_FAILURE(status) ? std::string() : format(instant);
}

std::string japaneseToday()
{
    return format(icu::Calendar::getNow());
}

} // namespace lumenta

#include "JapaneseDate.h"

#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>

#include <memory>

namespace lumenta {

namespace {

// "yy" keeps the leading zero; the era stays the short name ("平成").
constexpr char16_t kPattern[] = u"Gyy年MM月dd日";

std::string format(UDate instant)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale japanese("ja_JP@calendar=japanese");
    icu::SimpleDateFormat formatter(icu::UnicodeString(kPattern), japanese, status);
    if (U_FAILURE(status))
        return {};
    icu::UnicodeString text;
    formatter.format(instant, text);
    std::string utf8;
    return text.toUTF8String(utf8);
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

#include "app/locale_names_win.h"

#include <windows.h>

namespace lunea {
namespace {

std::string LocaleText(LCTYPE type, const std::string& fallback) {
    char text[80] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text) <= 1)
        return fallback;
    return text;
}

} // namespace

std::array<std::string, 12> LocaleMonthNames() {
    static const char* const kEnglish[12] = {"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
    std::array<std::string, 12> names;
    for (int i = 0; i < 12; ++i)
        names[static_cast<std::size_t>(i)] =
            LocaleText(static_cast<LCTYPE>(LOCALE_SMONTHNAME1 + i), kEnglish[i]);
    return names;
}

MonthViewLocale LocaleWeek() {
    MonthViewLocale week;
    // One digit, 0 = Monday .. 6 = Sunday; only Monday starts a Monday-first week.
    week.mondayFirst = LocaleText(LOCALE_IFIRSTDAYOFWEEK, "6") == "0";
    // LOCALE_SABBREVDAYNAME1 is Monday, 7 is Sunday; the names are kept Sunday first.
    for (int i = 0; i < 7; ++i) {
        const std::size_t weekday = static_cast<std::size_t>((i + 1) % 7);
        week.dayNames[weekday] =
            LocaleText(static_cast<LCTYPE>(LOCALE_SABBREVDAYNAME1 + i), week.dayNames[weekday]);
    }
    return week;
}

std::string ShortDateText(CivilDate date) {
    SYSTEMTIME day{};
    day.wYear = static_cast<WORD>(date.year);
    day.wMonth = static_cast<WORD>(date.month);
    day.wDay = static_cast<WORD>(date.day);
    char text[80] = {};
    if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &day, nullptr, text, sizeof text) > 1)
        return text;
    return std::to_string(date.day) + "." + std::to_string(date.month) + "." +
           std::to_string(date.year);
}

} // namespace lunea

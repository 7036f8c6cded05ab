// The archive's calendar: one record a day from 1 June 1941 to 31 December 1971
#pragma once

#include <vector>

namespace gensample {

struct Date {
    int year, month, day;
    friend bool operator==(const Date&, const Date&) = default;
    friend auto operator<=>(const Date&, const Date&) = default;
};

constexpr Date FIRST_DAY{1941, 6, 1};
constexpr Date LAST_DAY{1971, 12, 31};
constexpr int DAY_COUNT = 11171;

// Every year of the period divisible by four is a leap year; 1900 and 2100 lie outside it.
constexpr int monthLength(int year, int month) {
    constexpr int LENGTH[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && year % 4 == 0 ? 29 : LENGTH[month];
}

constexpr Date nextDate(Date d) {
    if (d.day < monthLength(d.year, d.month)) return {d.year, d.month, d.day + 1};
    if (d.month < 12) return {d.year, d.month + 1, 1};
    return {d.year + 1, 1, 1};
}

// Decade of the year 1-36: three to a month, the third running to the month's end.
constexpr int decadeOfYear(Date d) { return (d.month - 1) * 3 + (d.day <= 10 ? 1 : d.day <= 20 ? 2 : 3); }

// First and last day of the date's decade within its month.
constexpr int decadeFirstDay(Date d) { return d.day <= 10 ? 1 : d.day <= 20 ? 11 : 21; }
constexpr int decadeLastDay(Date d) { return d.day <= 10 ? 10 : d.day <= 20 ? 20 : monthLength(d.year, d.month); }

// Days of a winter (October to March) are counted to the year in which it begins.
constexpr int winterOf(Date d) { return d.month >= 10 ? d.year : d.year - 1; }
constexpr bool inWinterHalf(Date d) { return d.month >= 10 || d.month <= 3; }

inline std::vector<Date> archiveDates() {
    std::vector<Date> dates;
    dates.reserve(DAY_COUNT);
    for (Date d = FIRST_DAY; d <= LAST_DAY; d = nextDate(d)) dates.push_back(d);
    return dates;
}

}  // namespace gensample

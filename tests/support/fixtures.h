// Small archives written by the tests: one 96-character record per day.
#pragma once

#include <cstdio>
#include <map>
#include <string>

namespace testsupport {

// One day's record. Fields hold their text as it stands in the archive
// (right-aligned in four characters); unset fields are written as "   0".
struct Day {
    int year = 1941, month = 6, day = 1;
    std::map<std::string, std::string> fields;  // by the listing header's labels
    std::map<int, char> codes;                  // code characters by column (1-based)

    Day& Set(const std::string& label, int value) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%4d", value);
        fields[label] = buf;
        return *this;
    }
    Day& SetText(const std::string& label, const std::string& text4) {
        fields[label] = text4;
        return *this;
    }
    Day& Code(int column, char c) {
        codes[column] = c;
        return *this;
    }
};

// First columns of the number fields.
inline const std::map<std::string, int>& FieldColumns() {
    static const std::map<std::string, int> columns = {
        {"Rdvl", 17}, {"Tgn", 22}, {"Tn", 27}, {"Tx", 32}, {"T", 37},  {"de", 42},  {"e", 47},  {"u", 52},
        {"DD", 57},   {"f2", 62},  {"f9", 67}, {"dR", 72}, {"sR", 77}, {"rS", 82}, {"sS", 87}, {"sQ", 92},
    };
    return columns;
}

inline std::string FormatRecord(const Day& d) {
    std::string rec(96, ' ');
    rec.replace(0, 4, "DWRN");
    char date[16];
    std::snprintf(date, sizeof date, "%04d%02d%02d", d.year % 10000, d.month % 100, d.day % 100);
    rec.replace(5, 8, date);
    for (const auto& [label, column] : FieldColumns()) {
        auto it = d.fields.find(label);
        rec.replace(static_cast<size_t>(column - 1), 4, it != d.fields.end() ? it->second.substr(0, 4) : "   0");
    }
    for (const auto& [column, c] : d.codes) rec[static_cast<size_t>(column - 1)] = c;
    return rec;
}

inline bool IsLeap(int year) { return year % 4 == 0; }

inline int DaysInMonth(int year, int month) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : days[month - 1];
}

// The day after d, with the fields cleared.
inline Day NextDay(const Day& d) {
    Day n;
    n.year = d.year;
    n.month = d.month;
    n.day = d.day + 1;
    if (n.day > DaysInMonth(n.year, n.month)) {
        n.day = 1;
        if (++n.month > 12) {
            n.month = 1;
            ++n.year;
        }
    }
    return n;
}

// `count` consecutive days from 1 June 1941; `fill` may set each day's fields.
template <typename Fill>
std::string ArchiveOfDays(int count, Fill fill) {
    std::string bytes;
    Day d;
    for (int i = 0; i < count; ++i) {
        Day day = d;
        fill(i, day);
        bytes += FormatRecord(day);
        d = NextDay(d);
    }
    return bytes;
}

inline std::string ArchiveOfDays(int count) {
    return ArchiveOfDays(count, [](int, Day&) {});
}

}  // namespace testsupport

// The sample archive's records: count, dates, columns, codes and the range of every field
#include <regex>

#include "sample_archive.h"

namespace {

using sample::Column;
using sample::Day;
using sample::days;

TEST(SampleLayout, OneRecordOfNinetySixBytesForEveryDayOfThePeriod) {
    EXPECT_EQ(sample::readBytes(sample::archivePath()).size(), std::size_t{sample::DAYS} * sample::RECORD);
    ASSERT_EQ(days().size(), std::size_t{sample::DAYS});
    EXPECT_EQ(days().front().date(), "19410601");
    EXPECT_EQ(days().back().date(), "19711231");
    constexpr int LENGTH[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (std::size_t i = 1; i < days().size(); ++i) {
        const Day &a = days()[i - 1], &b = days()[i];
        const int length = a.month == 2 && a.year % 4 == 0 ? 29 : LENGTH[a.month];
        const bool next = a.day < length ? b.year == a.year && b.month == a.month && b.day == a.day + 1
                          : a.month < 12 ? b.year == a.year && b.month == a.month + 1 && b.day == 1
                                         : b.year == a.year + 1 && b.month == 1 && b.day == 1;
        ASSERT_TRUE(next) << "record " << i << " dated " << b.date() << " does not follow " << a.date();
    }
}

// Blanks, then an optional minus, then at least one digit to the field's end.
bool rightAlignedNumber(const std::string& field) {
    std::size_t at = field.find_first_not_of(' ');
    if (at != std::string::npos && field[at] == '-') ++at;
    if (at >= field.size()) return false;
    return field.find_first_not_of("0123456789", at) == std::string::npos;
}

// Every number field is four columns of right-aligned decimal text; the code columns after them
// hold a blank unless they carry one of their codes.
TEST(SampleLayout, FieldsAndCodesInTheirColumns) {
    const std::regex date("[0-9]{8}");
    const std::string marker = days().front().rec.substr(0, 4);
    EXPECT_TRUE(std::regex_match(marker, std::regex("[A-Z0-9]{4}"))) << "marker '" << marker << "'";
    for (const Day& d : days()) {
        ASSERT_EQ(d.rec.substr(0, 4), marker) << d.date();
        ASSERT_TRUE(std::regex_match(d.rec.substr(5, 8), date)) << d.rec;
        ASSERT_EQ(d.rec.substr(4, 1) + d.rec.substr(13, 3), "    ") << d.date() << ": separator columns";
        for (int column = 17; column < 96; column += 5) {
            const std::string field = d.rec.substr(column - 1, 4);
            const bool unobservedTgn = column == sample::TGN && field == "    ";
            ASSERT_TRUE(unobservedTgn || rightAlignedNumber(field)) << d.date() << " column " << column;
            const char code = d.rec[column + 3];
            const std::string allowed = column == sample::RDVL ? " 567" : column == sample::DD ? " 9" : " ";
            ASSERT_NE(allowed.find(code), std::string::npos) << d.date() << " code column " << column + 4;
        }
    }
}

struct Range {
    const char* field;
    Column column;
    int low, high;  // in the record's units
};

// Bounds that no day of this climate leaves: a value outside them is a unit or column slip.
constexpr Range RANGES[] = {
    {"Rdvl (0.1 mm)", sample::RDVL, 0, 900},  {"Tgn (0.1 degC)", sample::TGN, -300, 250},
    {"Tn (0.1 degC)", sample::TN, -250, 250}, {"Tx (0.1 degC)", sample::TX, -150, 380},
    {"T (0.1 degC)", sample::T, -200, 300},   {"de (0.1 hPa)", sample::DE, 0, 250},
    {"e (0.1 hPa)", sample::E, 10, 300},      {"u (%)", sample::U, 20, 100},
    {"f2 (0.1 m/s)", sample::F2, 0, 250},     {"f9 (0.1 m/s)", sample::F9, 1, 300},
    {"dR (h)", sample::DR, 0, 24},            {"sR (0.1 mm)", sample::SR, 0, 900},
    {"rS (%)", sample::RS, 0, 100},           {"sS (0.1 h)", sample::SS, 0, 170},
    {"sQ (J/cm2)", sample::SQ, 0, 3600},
};

TEST(SampleLayout, EveryFieldWithinTheRangeOfItsUnit) {
    for (const Range& r : RANGES)
        for (const Day& d : days())
            ASSERT_TRUE(d[r.column] >= r.low && d[r.column] <= r.high)
                << r.field << " = " << d[r.column] << " on " << d.date();
}

TEST(SampleLayout, WindDirectionsAreDegreesOrTheirTwoMarks) {
    for (const Day& d : days()) {
        const int dd = d[sample::DD];
        ASSERT_TRUE(dd == 0 || dd == 999 || (dd >= 1 && dd <= 360)) << "DD = " << dd << " on " << d.date();
        ASSERT_EQ(dd == 999, d.code(sample::DD_CODE) == '9') << "variable direction and its code on " << d.date();
    }
}

}  // namespace

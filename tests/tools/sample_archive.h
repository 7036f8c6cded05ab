// The committed sample archive as the tests read it: raw records and a plain field reader
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace sample {

constexpr int RECORD = 96;
constexpr int DAYS = 11171;

inline std::string archivePath() { return std::string(DUINVELDE_SOURCE_DIR) + "/data/WEERDATA.VSs"; }

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A number field as the program reads it: leading blanks skipped, an optional minus, digits to the
// field's end; a blank or malformed field is 0.
inline int fieldValue(const std::string& rec, int column, int width = 4) {
    std::size_t at = column - 1;
    const std::size_t end = at + width;
    while (at < end && rec[at] == ' ') ++at;
    const bool negative = at < end && rec[at] == '-';
    if (negative) ++at;
    if (at == end) return 0;
    int value = 0;
    for (; at < end; ++at) {
        if (rec[at] < '0' || rec[at] > '9') return 0;
        value = value * 10 + (rec[at] - '0');
    }
    return negative ? -value : value;
}

// Columns where each field starts.
enum Column : int {
    RDVL = 17, SNOW = 21, TGN = 22, TN = 27, TX = 32, T = 37, DE = 42, E = 47, U = 52, DD = 57, DD_CODE = 61,
    F2 = 62, F9 = 67, DR = 72, SR = 77, RS = 82, SS = 87, SQ = 92,
};

struct Day {
    std::string rec;
    int year, month, day;
    int operator[](Column c) const { return fieldValue(rec, c); }
    bool tgnObserved() const { return rec.compare(TGN - 1, 4, "    ") != 0; }
    char code(Column c) const { return rec[c - 1]; }
    std::string date() const { return rec.substr(5, 8); }
    int decade() const { return (month - 1) * 3 + (day <= 10 ? 1 : day <= 20 ? 2 : 3); }
    bool inNormalPeriod() const { return year >= 1942 && year <= 1971; }
    bool winterHalf() const { return month >= 10 || month <= 3; }
};

// The archive's days, read once for all tests.
inline const std::vector<Day>& days() {
    static const std::vector<Day> all = [] {
        const std::string bytes = readBytes(archivePath());
        std::vector<Day> out;
        for (std::size_t at = 0; at + RECORD <= bytes.size(); at += RECORD) {
            std::string rec = bytes.substr(at, RECORD);
            out.push_back({rec, fieldValue(rec, 6, 4), fieldValue(rec, 10, 2), fieldValue(rec, 12, 2)});
        }
        return out;
    }();
    return all;
}

}  // namespace sample

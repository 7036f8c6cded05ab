// One day's observations in the units and codes of the archive record
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar.h"

namespace gensample {

// Numbers are the record's whole units: tenths of degC, hPa, m/s, mm and hours; per cent; degrees;
// J/cm2. A code is the one character after its field.
struct Observation {
    Date date{};
    int Rdvl = 0;          // site gauge precipitation
    char snowCode = ' ';   // '5' patchy, '6' closed, '7' closed and 10 cm or more
    bool tgnObserved = true;
    int Tgn = 0, Tn = 0, Tx = 0, T = 0;
    int de = 0;            // saturation deficit
    int e = 0, u = 0;
    int DD = 0;            // 1-360; 0 calm; 999 variable
    char ddCode = ' ';     // '9' with a variable direction
    int f2 = 0, f9 = 0;
    int dR = 0, sR = 0;    // hours with precipitation, pluviograph sum
    int rS = 0, sS = 0, sQ = 0;
};

constexpr int RECORD_LENGTH = 96;
constexpr std::string_view STATION_MARKER = "DVLD";

// The 96 characters of a day's record.
std::string formatRecord(const Observation& o);
// The inverse of formatRecord; a blank or malformed number field reads as 0.
Observation parseRecord(std::string_view record);

void writeArchive(const std::string& path, const std::vector<Observation>& days);
std::vector<Observation> readArchive(const std::string& path);

}  // namespace gensample

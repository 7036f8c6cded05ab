// Site tables and angle functions: decade normals, calendar names, tangent and arc functions
#pragma once

#include <array>
#include <string_view>

// Angles in radians.
double TAN(double GG);
// Arc sine by its power series for |GG| < 0.98, the library's arc sine for 0.98 to 1;
// beyond 1 (or not a number) run-time error 207.
double ARCSIN(double GG);
// As ARCSIN, and reports how many series terms were added (0 when the series is not used).
double ARCSIN(double GG, int& TERMEN);
// Arc cosine, 0 to pi, by way of ARCSIN; same ranges.
double ARCCOS(double GG);

// Decade normals of the site. Row d (1-36) is the d-th decade of the year: month (d-1)/3+1,
// days 1-10, 11-20 or 21 to the month's end. Row 0 is unused. Columns:
//   0 the decade number     1 Tgn  2 Tn  3 Tx  4 T (tenths of degC)   5 e (tenths of hPa)
//   6 f9 wind (tenths of m/s)   7 hour blocks with precipitation   8 sR (tenths of mm)
//   9 sS sunshine (tenths of hours)   10 sQ global radiation (J/cm2 per day)
extern const double KLT[37][11];

// Month names, index 1-12 (index 0 empty).
extern const std::array<std::string_view, 13> SMAANDNAAM;
// Weekday names, index 0-6 from Monday: the day number modulo 7 is the index.
extern const std::array<std::string_view, 7> SDAGNAAM;

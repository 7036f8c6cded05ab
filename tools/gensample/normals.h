// The site's decade normals, as daily values for the model and as calibration targets
#pragma once

#include "calendar.h"

namespace gensample {

// Columns of the decade-normal table.
enum NormalColumn : int {
    N_TGN = 1, N_TN = 2, N_TX = 3, N_T = 4, N_E = 5, N_F9 = 6, N_DR = 7, N_SR = 8, N_SS = 9, N_SQ = 10,
};

// The normals are means over these years; the archive is calibrated on the same years.
constexpr int NORMAL_FIRST_YEAR = 1942, NORMAL_LAST_YEAR = 1971;
constexpr bool inNormalPeriod(Date d) { return d.year >= NORMAL_FIRST_YEAR && d.year <= NORMAL_LAST_YEAR; }

double decadeNormal(NormalColumn column, int decade);

// A day's normal, linear between the middles of neighbouring decades: the seasonal cycle has no
// steps, though the decade means stay the table's once the archive is calibrated.
double dailyNormal(NormalColumn column, Date d);

}  // namespace gensample

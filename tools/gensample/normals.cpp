// Daily values between the decade normals
#include "normals.h"

#include "formulas/untduinvelde.h"

namespace gensample {

double decadeNormal(NormalColumn column, int decade) {
    const int wrapped = (decade + 35) % 36 + 1;  // the year's decades run round: 0 is 36, 37 is 1
    return KLT[wrapped][column];
}

double dailyNormal(NormalColumn column, Date d) {
    const int decade = decadeOfYear(d);
    const int first = decadeFirstDay(d), length = decadeLastDay(d) - first + 1;
    const double t = (d.day - first + 0.5) / length;  // 0.5 at the middle of the decade
    const double here = decadeNormal(column, decade);
    if (t < 0.5) {
        const double before = decadeNormal(column, decade - 1);
        return before + (here - before) * (t + 0.5);
    }
    const double after = decadeNormal(column, decade + 1);
    return here + (after - here) * (t - 0.5);
}

}  // namespace gensample

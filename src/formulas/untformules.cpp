// Vapour pressure and dew point
#include "formulas/untformules.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "toolkit/runerror.h"

bool FOUTBLIND = false;

namespace {
std::uint8_t FOUTTELLING = 0;
bool FOUTNEGEREN = false;

constexpr double LN10 = 2.302585092994046;
// Saturation pressure at 0 degC and its decimal logarithm to four decimals; the
// short logarithm makes the dew point of a saturated day come out a hair warm.
constexpr double BASISDRUK = 61.07;
constexpr double LOGBASIS = 1.7858;
constexpr double NOEMER = 9.2858;  // LOGBASIS + the Magnus factor over water

double TienTot(double x) { return std::exp(LN10 * x); }
}  // namespace

void InitUntFormules() {
    FOUTBLIND = false;
    FOUTTELLING = 0;
    FOUTNEGEREN = false;
}

double EXW(double T) { return BASISDRUK * TienTot(7.5 * T / (2373 + T)); }

double EXY(double T) {
    const double UITK = BASISDRUK * TienTot(9.5 * T / (2655 + T));
    // Over ice only below freezing; above it the marker tells callers there is no ice.
    return T > 0 ? 99999.0 : UITK;
}

double TD(double E) {
    // A day without vapour (or with garbage in the field) has no dew point; the
    // caller must test the field, so reaching here is a fault, not a value.
    if (!(E > 0))
        RunError(ErrInvalidFloat, "invalid floating-point operation: dew point of vapour pressure " + std::to_string(E));
    const double HULP = std::log(E) / LN10;
    return -2373 * (HULP - LOGBASIS) / (HULP - NOEMER);
}

// Evaporation, radiation and day-length formulas
#include "formulas/untverdamping.h"

#include <array>
#include <cmath>
#include <string>

#include "formulas/untformules.h"
#include "toolkit/runerror.h"

namespace {
// Days of a 365-day year before each month, indexed by the month 1-12.
constexpr std::array<double, 13> DAT0 = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

constexpr double GRADEN_PER_RADIAAL = 57.3;
constexpr double MIN_STEFAN_BOLTZMANN = -489914e-12;  // J/cm2 per day per K^4, negated

// A garbled month field must not reach the table: stop as a range check would.
int Maand(double M, const char* formule) {
    if (!(M >= 1 && M <= 12))
        RunError(ErrRange, std::string("range check: month ") + std::to_string(M) + " in " + formule);
    return static_cast<int>(M);
}

// Day of the year as an angle in degrees.
double DagHoek(double DAT, int M) { return (DAT + DAT0[M]) * 360 / 365; }

// Turns J/cm2 into tenths of mm of evaporated water and weights by delta / (delta + gamma).
double FACT(double T) { return 100000 / (LAMBDA(T) * (1 + GAMMA() / DELTA(T))); }
}  // namespace

double DELTA(double T) {
    if (T >= 0) return EXW(T) * 40980 / ((2373 + T) * (2373 + T));
    return EXY(T) * 58077 / ((2655 + T) * (2655 + T));
}

double GAMMA() { return 0.648; }

double LAMBDA(double T) { return 2501000 - 238 * T; }

double DAGLENGTE(double NBR, double MND, double DAT) {
    const double RELBR = NBR - 52;
    const double DAGHK = DagHoek(DAT, Maand(std::round(MND), "DAGLENGTE"));
    const double HKSIN = (DAGHK - 81) - 4 * std::sin(2 * (DAGHK - 80) / GRADEN_PER_RADIAAL);
    return 122.3 + (45 + 2 * RELBR) * std::sin(HKSIN / GRADEN_PER_RADIAAL);
}

double QNUL(double NBR, double MND, double DAT) {
    const double RELBR = NBR - 52;
    const double DAGHK = DagHoek(DAT, Maand(std::trunc(MND), "QNUL"));
    const double HKSIN = (DAGHK - 80) - 1.3 * std::sin((DAGHK + 50) / GRADEN_PER_RADIAAL);
    // The bracket is a mean radiation in W/m2; 8.64 makes it J/cm2 per day.
    return 8.64 * ((275.1 - 3.5 * RELBR) + (203.2 + 3 * RELBR) * std::sin(HKSIN / GRADEN_PER_RADIAAL));
}

double LANGNET(double T, double U, double RZON) {
    const double ea = (EXW(T) / 10) * (U / 100);
    const double B = 0.47 - 0.0667 * std::sqrt(ea);
    const double K4 = std::exp(4 * std::log(T / 10 + 273));
    return K4 * MIN_STEFAN_BOLTZMANN * B * (0.2 + 0.8 * RZON / 100);
}

double WINDTERM(double T, double U, double U2) {
    return 65 * (0.5 + 0.54 * U2 / 10) * (EXW(T) / 10) * (1 - U / 100);
}

double BRUGLOBAAL(double NBR, double MND, double DAT, double RZON) {
    return QNUL(NBR, MND, DAT) * (0.2 + 0.48 * RZON / 100);
}

// Open water absorbs 0.94 of the global radiation.
double PENE1(double T, double Q) { return FACT(T) * 0.94 * Q; }

double PENE2(double T, double U, double RZON) { return FACT(T) * LANGNET(T, U, RZON); }

double PENE3(double T, double U, double U2) { return (GAMMA() / DELTA(T)) * FACT(T) * WINDTERM(T, U, U2); }

double PENMAN(double Q, double T, double U, double RZON, double U2) {
    const double GGDD = GAMMA() / DELTA(T);
    return FACT(T) * (0.94 * Q + LANGNET(T, U, RZON) + GGDD * WINDTERM(T, U, U2));
}

double MAKKINK(double Q, double T) { return FACT(T) * 0.65 * Q; }

double TXNGLOBAAL(double NBR, double MND, double DAT, double TX, double TN, double IJKF) {
    return DAGLENGTE(NBR, MND, DAT) * (TX - TN) * IJKF;
}

// The mean of maximum and minimum stands in for the day's mean temperature.
double TXNMAKKINK(double NBR, double MND, double DAT, double TX, double TN, double IJKF) {
    return MAKKINK(TXNGLOBAAL(NBR, MND, DAT, TX, TN, IJKF), (TX + TN) * 0.5);
}

// Tests of the evaporation, radiation and day-length formulas
#include "formulas/untverdamping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "formula_checks.h"
#include "formulas/untformules.h"

namespace {
constexpr double DUINVELDE = 52.55;  // latitude of the site
const double JUST_BELOW_ZERO = std::nextafter(0.0, -1.0);
const double NAN_ = std::numeric_limits<double>::quiet_NaN();
}  // namespace

TEST(UntVerdamping, PublishedValues) {
    // A summer day: 15 June, 17.0 degC, 75 %, 3.0 m/s, 40 % of the possible sunshine.
    const double T = 170, U = 75, U2 = 30, RZON = 40;
    const double Q = BRUGLOBAAL(DUINVELDE, 6, 15, RZON);
    ExpectCases({
        {"DELTA(0)", DELTA(0), 0.4444, 4},
        {"DELTA(-0)", DELTA(JUST_BELOW_ZERO), 0.5032, 4},
        {"DELTA(200)", DELTA(200), 1.4471, 4},
        {"GAMMA()", GAMMA(), 0.648, EXACT},
        {"LAMBDA(0)", LAMBDA(0), 2501000, EXACT},
        {"LAMBDA(200)", LAMBDA(200), 2453400, EXACT},
        {"DAGLENGTE(52.55, 6, 21)", DAGLENGTE(DUINVELDE, 6, 21), 168.39, 2},
        {"DAGLENGTE(52.55, 12, 21)", DAGLENGTE(DUINVELDE, 12, 21), 76.21, 2},
        {"DAGLENGTE(52.55, 3, 21)", DAGLENGTE(DUINVELDE, 3, 21), 120.74, 2},
        {"QNUL(52.55, 6, 21)", QNUL(DUINVELDE, 6, 21), 4130.1, 1},
        {"QNUL(52.55, 12, 21)", QNUL(DUINVELDE, 12, 21), 590.5, 1},
        {"BRUGLOBAAL 15 June", Q, 1615.75, 2},
        {"LANGNET 15 June", LANGNET(T, U, RZON), -388.75, 2},
        {"WINDTERM 15 June", WINDTERM(T, U, U2), 667.41, 2},
        {"PENE1 15 June", PENE1(T, Q), 40.40, 2},
        {"PENE2 15 June", PENE2(T, U, RZON), -10.34, 2},
        {"PENE3 15 June", PENE3(T, U, U2), 9.37, 2},
        {"PENMAN 15 June", PENMAN(Q, T, U, RZON, U2), 39.43, 2},
        {"MAKKINK(1800, 170)", MAKKINK(1800, 170), 31.12, 2},
        {"TXNGLOBAAL 15 June", TXNGLOBAAL(DUINVELDE, 6, 15, 220, 120, 0.112), 1880.87, 2},
        {"TXNMAKKINK 15 June", TXNMAKKINK(DUINVELDE, 6, 15, 220, 120, 0.112), 32.52, 2},
        {"WINDTERM at 100 %", WINDTERM(T, 100, U2), 0, EXACT},
        {"PENE3 at 100 %", PENE3(T, 100, U2), 0, EXACT},
    });
}

// Days spread over the whole range of archive values.
template <typename F>
void ForGridOfDays(F check) {
    for (double T = -400; T <= 400; T += 50)
        for (double U = 0; U <= 100; U += 25)
            for (double U2 = 0; U2 <= 400; U2 += 100)
                for (double RZON = 0; RZON <= 100; RZON += 50)
                    for (double Q = 0; Q <= 4000; Q += 1000) check(T, U, U2, RZON, Q);
}

TEST(UntVerdamping, PenmanIsTheSumOfItsThreeTerms) {
    ForGridOfDays([](double T, double U, double U2, double RZON, double Q) {
        const double sum = PENE1(T, Q) + PENE2(T, U, RZON) + PENE3(T, U, U2);
        EXPECT_NEAR(PENMAN(Q, T, U, RZON, U2), sum, 1e-9 * (1 + std::fabs(sum)))
            << "T=" << T << " U=" << U << " U2=" << U2 << " RZON=" << RZON << " Q=" << Q;
    });
}

TEST(UntVerdamping, EveryVariantIsFiniteOverArchiveValues) {
    ForGridOfDays([](double T, double U, double U2, double RZON, double Q) {
        EXPECT_TRUE(std::isfinite(PENMAN(Q, T, U, RZON, U2))) << "PENMAN T=" << T << " U=" << U;
        EXPECT_TRUE(std::isfinite(MAKKINK(Q, T))) << "MAKKINK T=" << T;
    });
    for (double MND = 1; MND <= 12; ++MND)
        for (double DAT = 1; DAT <= 31; DAT += 10)
            for (double TX = -400; TX <= 400; TX += 200)
                for (double TN = -400; TN <= TX; TN += 200) {
                    EXPECT_TRUE(std::isfinite(BRUGLOBAAL(DUINVELDE, MND, DAT, 100)));
                    EXPECT_TRUE(std::isfinite(TXNMAKKINK(DUINVELDE, MND, DAT, TX, TN, 0.112)))
                        << MND << "/" << DAT << " TX=" << TX << " TN=" << TN;
                }
}

// DELTA is the slope of the vapour pressure curve in hPa per degC; with temperatures in
// tenths of a degree and pressures in tenths of a hPa that is the plain derivative.
TEST(UntVerdamping, DeltaIsTheSlopeOverWaterAboveAndOverIceBelowFreezing) {
    const double h = 0.01;
    for (double T = -400; T <= 400; T += 25) {
        const auto curve = T >= 0 ? EXW : EXY;
        const double slope = (curve(T + h) - curve(T - h)) / (2 * h);
        EXPECT_NEAR(DELTA(T), slope, 1e-4 * slope) << "T = " << T;
    }
}

TEST(UntVerdamping, DeltaJumpsAtZeroFromIceToWater) {
    EXPECT_NEAR(DELTA(JUST_BELOW_ZERO), DELTA(-0.01), 1e-4);
    EXPECT_NEAR(DELTA(0), DELTA(0.01), 1e-4);
    EXPECT_GT(DELTA(JUST_BELOW_ZERO) - DELTA(0), 0.05);
}

TEST(UntVerdamping, DayLengthRoundsTheMonthAndRadiationTruncatesIt) {
    EXPECT_EQ(DAGLENGTE(DUINVELDE, 5.6, 21), DAGLENGTE(DUINVELDE, 6, 21));
    EXPECT_EQ(DAGLENGTE(DUINVELDE, 6.4, 21), DAGLENGTE(DUINVELDE, 6, 21));
    EXPECT_EQ(QNUL(DUINVELDE, 6.9, 21), QNUL(DUINVELDE, 6, 21));
    EXPECT_NE(QNUL(DUINVELDE, 5.9, 21), QNUL(DUINVELDE, 6, 21));
    EXPECT_EQ(QNUL(DUINVELDE, 12.99, 21), QNUL(DUINVELDE, 12, 21));
}

TEST(UntVerdamping, MonthOutsideTheYearIsRangeError) {
    for (double MND : {0.0, 0.4, 12.6, 13.0, -6.0, 1e300, NAN_}) {
        SCOPED_TRACE(MND);
        EXPECT_RUNERROR(DAGLENGTE(DUINVELDE, MND, 1), ErrRange);
        EXPECT_RUNERROR(TXNMAKKINK(DUINVELDE, MND, 1, 200, 100, 0.112), ErrRange);
    }
    for (double MND : {0.0, 0.99, 13.0, -0.5, -1e300, NAN_}) {
        SCOPED_TRACE(MND);
        EXPECT_RUNERROR(QNUL(DUINVELDE, MND, 1), ErrRange);
        EXPECT_RUNERROR(BRUGLOBAAL(DUINVELDE, MND, 1, 50), ErrRange);
    }
}

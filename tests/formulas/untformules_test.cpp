// Tests of vapour pressure and dew point
#include "formulas/untformules.h"

#include <gtest/gtest.h>

#include <limits>

#include "formula_checks.h"

TEST(UntFormules, PublishedValues) {
    ExpectCases({
        {"EXW(0)", EXW(0), 61.07, EXACT},
        {"EXY(0)", EXY(0), 61.07, EXACT},
        {"EXW(200)", EXW(200), 233.78, 2},
        {"EXW(-100)", EXW(-100), 28.57, 2},
        {"EXW(300)", EXW(300), 424.21, 2},
        {"EXY(-100)", EXY(-100), 25.94, 2},
        {"EXY(0.1)", EXY(0.1), 99999.0, EXACT},
        {"EXY(50)", EXY(50), 99999.0, EXACT},
        {"TD(61.07)", TD(61.07), 0.0088, 4},
        {"TD(100)", TD(100), 69.77, 2},
        {"TD(10)", TD(10), -225.05, 2},
        {"TD(EXW(-300)) - -300", TD(EXW(-300)) + 300, 0.0067, 4},
        {"TD(EXW(0)) - 0", TD(EXW(0)), 0.0088, 4},
        {"TD(EXW(400)) - 400", TD(EXW(400)) - 400, 0.0121, 4},
    });
}

// The four-decimal logarithm of the base pressure makes the dew point of saturated air a
// hundredth of a tenth warm, never more: shown to one decimal it equals the temperature.
TEST(UntFormules, DewPointOfSaturatedAirIsSlightlyAboveTheTemperature) {
    for (int T = -300; T <= 400; T += 5) {
        const double excess = TD(EXW(T)) - T;
        EXPECT_GT(excess, 0.006) << "T = " << T;
        EXPECT_LT(excess, 0.013) << "T = " << T;
    }
}

TEST(UntFormules, IceHoldsLessVapourThanSupercooledWater) {
    for (int T = -400; T < 0; T += 10) EXPECT_LT(EXY(T), EXW(T)) << "T = " << T;
}

TEST(UntFormules, DewPointWithoutVapourIsInvalidOperation) {
    EXPECT_RUNERROR(TD(0), ErrInvalidFloat);
    EXPECT_RUNERROR(TD(-1), ErrInvalidFloat);
    EXPECT_RUNERROR(TD(std::numeric_limits<double>::quiet_NaN()), ErrInvalidFloat);
}

TEST(UntFormules, StartUpClearsTheErrorFlag) {
    FOUTBLIND = true;
    InitUntFormules();
    EXPECT_FALSE(FOUTBLIND);
}

// Tests of the site tables and angle functions
#include "formulas/untduinvelde.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "formula_checks.h"

namespace {
constexpr double PI = 3.141592653589793;
}

TEST(UntDuinvelde, PublishedValues) {
    ExpectCases({
        {"ARCSIN(0)", ARCSIN(0), 0, EXACT},
        {"ARCCOS(0)", ARCCOS(0), 1.5707963, EXACT},
        {"ARCSIN(0.5)", ARCSIN(0.5), 0.52359866, 8},
        {"ARCCOS(-0.5926)", ARCCOS(-0.5926), 2.2050789, 7},
        {"TAN(pi/4)", TAN(PI / 4), 1, 14},
        {"TAN(-pi/3)", TAN(-PI / 3), -std::sqrt(3.0), 14},
        {"KLT[3][4]", KLT[3][4], 18, EXACT},
        {"KLT[16][10]", KLT[16][10], 2106, EXACT},
        {"KLT[1][1]", KLT[1][1], -16, EXACT},
        {"KLT[6][1]", KLT[6][1], -41, EXACT},
        {"KLT[9][10]", KLT[9][10], 1000, EXACT},
        {"KLT[14][8]", KLT[14][8], 14, EXACT},
        {"KLT[20][6]", KLT[20][6], 39, EXACT},
        {"KLT[22][5]", KLT[22][5], 150, EXACT},
        {"KLT[27][10]", KLT[27][10], 905, EXACT},
        {"KLT[31][7]", KLT[31][7], 5, EXACT},
        {"KLT[35][1]", KLT[35][1], 0, EXACT},
        {"KLT[36][2]", KLT[36][2], -2, EXACT},
        {"KLT[36][9]", KLT[36][9], 12, EXACT},
    });
}

TEST(UntDuinvelde, CalendarNames) {
    EXPECT_EQ(SMAANDNAAM[0], "");
    EXPECT_EQ(SMAANDNAAM[1], "januari");
    EXPECT_EQ(SMAANDNAAM[8], "augustus");
    EXPECT_EQ(SMAANDNAAM[12], "december");
    EXPECT_EQ(SDAGNAAM[0], "maandag");
    EXPECT_EQ(SDAGNAAM[3], "donderdag");
    EXPECT_EQ(SDAGNAAM[6], "zondag");
    // 1 June 1941, the archive's first day, was a Sunday.
    EXPECT_EQ(SDAGNAAM[14762 % 7], "zondag");
}

TEST(UntDuinvelde, DecadeTableIsNumberedByItsFirstColumn) {
    for (int d = 1; d <= 36; ++d) EXPECT_EQ(KLT[d][0], d) << "row " << d;
    for (int c = 0; c <= 10; ++c) EXPECT_EQ(KLT[0][c], 0) << "column " << c;
}

// The series stops at the first term below 1e-6, after adding it, so it falls short of
// the true arc sine by the tail it leaves off.
TEST(UntDuinvelde, ArcsinSeriesStopsAtItsFirstSmallTerm) {
    struct Row {
        double x;
        int terms;
        double shortfall;  // true arc sine minus the series, to two significant figures
    };
    for (const Row& r : {Row{0.0, 1, 0}, Row{0.5, 7, 1.1e-7}, Row{0.6, 9, 2.7e-7}, Row{0.9, 34, -1}}) {
        int terms = -1;
        const double value = ARCSIN(r.x, terms);
        EXPECT_EQ(terms, r.terms) << "x = " << r.x;
        EXPECT_EQ(value, ARCSIN(r.x)) << "x = " << r.x;
        if (r.shortfall >= 0) {
            EXPECT_NEAR(std::asin(r.x) - value, r.shortfall, 0.05e-7) << "x = " << r.x;
        }
    }
}

// Up to 0.6 in magnitude (all the sun computation passes) each left-off term is at most
// 0.36 times the one before and the last one added is below 1e-6, so the series falls short
// of the true value by less than 1e-6 x 0.36 / (1 - 0.36) = 5.6e-7.
TEST(UntDuinvelde, ArcsinIsOddAndCloseOverTheSunsRange) {
    for (double x = 0; x < 0.98; x += 0.0125) {
        int up = 0, down = 0;
        EXPECT_EQ(ARCSIN(-x, down), -ARCSIN(x, up)) << "x = " << x;
        EXPECT_EQ(down, up) << "x = " << x;
        if (x <= 0.6) {
            EXPECT_LE(ARCSIN(x), std::asin(x)) << "x = " << x;
            EXPECT_NEAR(ARCSIN(x), std::asin(x), 5.6e-7) << "x = " << x;
        }
    }
}

TEST(UntDuinvelde, ArcFunctionsNearAndAtOneUseTheExactValue) {
    for (double x : {0.98, -0.98, 0.99, -0.995, 1.0, -1.0}) {
        int terms = -1;
        EXPECT_EQ(ARCSIN(x, terms), std::asin(x)) << "x = " << x;
        EXPECT_EQ(terms, 0) << "x = " << x;
        EXPECT_EQ(ARCCOS(x), std::acos(x)) << "x = " << x;
    }
    EXPECT_EQ(ARCCOS(-1), PI);
}

TEST(UntDuinvelde, ArcFunctionsBeyondOneAreInvalidOperation) {
    for (double x : {1.0001, -1.0001, 2.0, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(x);
        EXPECT_RUNERROR(ARCSIN(x), ErrInvalidFloat);
        EXPECT_RUNERROR(ARCCOS(x), ErrInvalidFloat);
    }
}

// Shared checks of the formula tests: tables of published values and run-time errors
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "toolkit/runerror.h"

// One published value: the call as text, what it gave, and the value to the stated decimals.
struct Case {
    const char* call;
    double got;
    double want;
    int decimals;  // EXACT: the value must come out bit for bit
};
inline constexpr int EXACT = -1;

// A value is right when it rounds to the published figure at the published number of decimals.
inline void ExpectCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        if (c.decimals == EXACT) {
            EXPECT_EQ(c.got, c.want) << c.call;
        } else {
            const double tol = 0.5 * std::pow(10.0, -c.decimals) + 1e-12;
            EXPECT_NEAR(c.got, c.want, tol) << c.call;
        }
    }
}

// The statement must stop the program with the given run-time error number.
#define EXPECT_RUNERROR(statement, errcode)                             \
    EXPECT_THROW(                                                       \
        {                                                               \
            try {                                                       \
                statement;                                              \
            } catch (const RunErrorException& e) {                      \
                EXPECT_EQ(e.code(), errcode) << #statement;             \
                throw;                                                  \
            }                                                           \
        },                                                              \
        RunErrorException)

// The generator's own logarithm, exponential and random distributions
#include <gtest/gtest.h>

#include <cmath>

#include "gensample/detrandom.h"

namespace {

using gensample::detExp;
using gensample::detLn;
using gensample::Persistent;
using gensample::RandomStream;

TEST(DetMath, LogarithmAndExponentialAgreeWithTheLibrary) {
    for (double x : {1e-300, 1e-9, 0.0123, 0.5, 0.70710678, 0.9999, 1.0, 1.0001, 2.0, 3.14159, 1234.5, 1e300}) {
        EXPECT_NEAR(detLn(x), std::log(x), 4e-16 * std::max(1.0, std::fabs(std::log(x)))) << "ln " << x;
    }
    for (double x : {-700.0, -20.0, -1.0, -0.3466, 0.0, 0.3466, 0.5, 1.0, 7.5, 200.0, 700.0}) {
        EXPECT_NEAR(detExp(x) / std::exp(x), 1.0, 1e-14) << "exp " << x;
    }
}

struct Moments {
    double mean, variance;
};

template <class Draw>
Moments momentsOf(Draw draw, int n) {
    double sum = 0, squares = 0;
    for (int i = 0; i < n; ++i) {
        const double x = draw();
        sum += x, squares += x * x;
    }
    return {sum / n, squares / n - (sum / n) * (sum / n)};
}

constexpr int DRAWS = 200000;

TEST(Distributions, UniformAndNormalHaveTheirMoments) {
    RandomStream r(1);
    const Moments u = momentsOf([&] { return r.uniform(); }, DRAWS);
    EXPECT_NEAR(u.mean, 0.5, 0.003);
    EXPECT_NEAR(u.variance, 1.0 / 12, 0.001);
    const Moments z = momentsOf([&] { return r.normal(); }, DRAWS);
    EXPECT_NEAR(z.mean, 0, 0.01);
    EXPECT_NEAR(z.variance, 1, 0.015);
    int beyondTwo = 0;
    for (int i = 0; i < DRAWS; ++i) beyondTwo += std::fabs(r.normal()) > 2;
    EXPECT_NEAR(beyondTwo / double(DRAWS), 0.0455, 0.003) << "normal tails";
}

// The gamma distribution with shape k and scale 1 has mean and variance k; the rain amounts use
// shapes below 1, which take a different path from those above.
TEST(Distributions, GammaHasMeanAndVarianceOfItsShape) {
    for (double shape : {0.65, 0.9, 1.0, 2.5, 6.0}) {
        RandomStream r(7);
        const Moments g = momentsOf([&] { return r.gamma(shape); }, DRAWS);
        EXPECT_NEAR(g.mean / shape, 1, 0.01) << "shape " << shape;
        EXPECT_NEAR(g.variance / shape, 1, 0.04) << "shape " << shape;
    }
}

TEST(Distributions, PersistentSeriesKeepsUnitVarianceAndItsMemory) {
    for (double phi : {0.0, 0.5, 0.72, 0.95}) {
        RandomStream r(3);
        Persistent x(phi, r.normal());
        double previous = x.value(), sum = 0, squares = 0, lagged = 0;
        for (int i = 0; i < DRAWS; ++i) {
            const double v = x.step(r.normal());
            sum += v, squares += v * v, lagged += v * previous;
            previous = v;
        }
        const double mean = sum / DRAWS, variance = squares / DRAWS - mean * mean;
        EXPECT_NEAR(variance, 1, 0.05) << "phi " << phi;
        EXPECT_NEAR((lagged / DRAWS - mean * mean) / variance, phi, 0.01) << "phi " << phi;
    }
}

}  // namespace

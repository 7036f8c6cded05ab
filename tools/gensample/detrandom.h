// Reproducible random numbers for the synthetic weather: the same bits from every compiler and library
#pragma once

#include <cmath>
#include <cstdint>
#include <random>

namespace gensample {

// Natural logarithm from +, *, / and exact scaling alone: the C library's log may differ in the last
// bit between implementations, and one bit can tip a rounded observation.
inline double detLn(double x) {
    constexpr double LN2 = 0.6931471805599453;
    constexpr double SQRT_HALF = 0.7071067811865476;
    int e = 0;
    double m = std::frexp(x, &e);  // x = m * 2^e, m in [0.5, 1)
    if (m < SQRT_HALF) {
        m *= 2;
        e -= 1;
    }
    const double z = (m - 1) / (m + 1);  // |z| < 0.172: the atanh series converges fast
    const double z2 = z * z;
    double term = z, sum = 0;
    for (int k = 1; k <= 31; k += 2) {
        sum += term / k;
        term *= z2;
    }
    return 2 * sum + e * LN2;
}

// Exponential with the same guarantee as detLn.
inline double detExp(double x) {
    // ln 2 in two parts, the first with trailing zero bits, so that n * LN2_HIGH is exact.
    constexpr double LN2 = 0.6931471805599453, LN2_HIGH = 0x1.62e42feep-1, LN2_LOW = 0x1.a39ef35793c76p-33;
    const double n = std::floor(x / LN2 + 0.5);
    const double r = (x - n * LN2_HIGH) - n * LN2_LOW;  // |r| <= 0.35
    double term = 1, sum = 1;
    for (int k = 1; k <= 22; ++k) {
        term *= r / k;
        sum += term;
    }
    return std::ldexp(sum, static_cast<int>(n));
}

// Derives independent seeds from one: the finaliser of the SplitMix64 generator.
inline std::uint64_t splitMix64(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

// One stream of random numbers. The 64-bit Mersenne twister's output is fixed by the C++ standard;
// the standard's distributions are not, so every distribution here is our own.
class RandomStream {
public:
    explicit RandomStream(std::uint64_t seed) : engine_(splitMix64(seed)) {}

    // Uniform on [0, 1), 53 random bits.
    double uniform() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

    // Uniform on (0, 1): safe under a logarithm.
    double uniformOpen() { return (static_cast<double>(engine_() >> 11) + 0.5) * 0x1.0p-53; }

    // Whole number 0 .. n-1.
    int below(int n) { return static_cast<int>(uniform() * n); }

    // Standard normal by Marsaglia's polar method; the second value of each pair is dropped so
    // that a stream's state depends only on how many values were asked.
    double normal() {
        for (;;) {
            const double u = 2 * uniform() - 1, v = 2 * uniform() - 1;
            const double s = u * u + v * v;
            if (s > 0 && s < 1) return u * std::sqrt(-2 * detLn(s) / s);
        }
    }

    // Gamma with the given shape and scale 1, by Marsaglia and Tsang; shapes below 1 through the
    // boost gamma(k) = gamma(k + 1) * U^(1/k).
    double gamma(double shape) {
        if (shape < 1) return gamma(shape + 1) * detExp(detLn(uniformOpen()) / shape);
        const double d = shape - 1.0 / 3, c = 1 / std::sqrt(9 * d);
        for (;;) {
            const double x = normal();
            double v = 1 + c * x;
            if (v <= 0) continue;
            v = v * v * v;
            const double u = uniformOpen();
            if (u < 1 - 0.0331 * x * x * x * x) return d * v;
            if (detLn(u) < 0.5 * x * x + d * (1 - v + detLn(v))) return d * v;
        }
    }

private:
    std::mt19937_64 engine_;
};

// A first-order autoregressive series of unit variance: persistence phi from one day to the next.
class Persistent {
public:
    Persistent(double phi, double start) : phi_(phi), keep_(std::sqrt(1 - phi * phi)), x_(start) {}
    double step(double innovation) { return x_ = phi_ * x_ + keep_ * innovation; }
    double value() const { return x_; }

private:
    double phi_, keep_, x_;
};

}  // namespace gensample

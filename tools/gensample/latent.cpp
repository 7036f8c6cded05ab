// Drawing the weather's raw random series
#include "latent.h"

#include "detrandom.h"

namespace gensample {
namespace {

enum Channel : std::uint64_t {
    T_FAST = 1, T_SLOW, T_SEASON, CLOUD, WET_NOISE, WET_SLOW, WET_SEASON, AMOUNT, WIND, WIND_RATIO,
    DIRECTION, DIRECTION_PICK, DIRECTION_ANY, HUMIDITY, GRASS, RANGE_MAX, RANGE_MIN, GAUGE, HOURS,
    RADIATION, VARIABLE, TGN_LOST,
};

RandomStream streamFor(std::uint64_t seed, Channel channel) { return RandomStream(splitMix64(seed) + channel); }

std::vector<double> persistent(std::uint64_t seed, Channel channel, std::size_t n, double phi) {
    RandomStream r = streamFor(seed, channel);
    Persistent x(phi, r.normal());
    std::vector<double> out(n);
    for (double& v : out) v = x.step(r.normal());
    return out;
}

std::vector<double> normals(std::uint64_t seed, Channel channel, std::size_t n) {
    return persistent(seed, channel, n, 0.0);
}

std::vector<double> uniforms(std::uint64_t seed, Channel channel, std::size_t n) {
    RandomStream r = streamFor(seed, channel);
    std::vector<double> out(n);
    for (double& v : out) v = r.uniform();
    return out;
}

// Summer rain falls in showers: a more skewed amount than the long rains of winter.
constexpr double RAIN_SHAPE[13] = {0, 0.90, 0.90, 0.85, 0.80, 0.75, 0.70, 0.65, 0.65, 0.70, 0.80, 0.85, 0.90};

std::vector<double> rainAmounts(std::uint64_t seed, const std::vector<Date>& dates) {
    RandomStream r = streamFor(seed, AMOUNT);
    std::vector<double> out(dates.size());
    for (std::size_t i = 0; i < dates.size(); ++i) {
        const double shape = RAIN_SHAPE[dates[i].month];
        out[i] = r.gamma(shape) / shape;
    }
    return out;
}

}  // namespace

Latent drawLatent(std::uint64_t seed, const std::vector<Date>& dates) {
    const std::size_t n = dates.size();
    Latent l;
    l.tFast = persistent(seed, T_FAST, n, 0.72);
    l.tSlow = persistent(seed, T_SLOW, n, 0.95);
    l.tSeason = persistent(seed, T_SEASON, n, 0.99);
    l.cloud = persistent(seed, CLOUD, n, 0.45);
    l.wetNoise = normals(seed, WET_NOISE, n);
    l.wetSlow = persistent(seed, WET_SLOW, n, 0.93);
    l.wetSeason = persistent(seed, WET_SEASON, n, 0.99);
    l.amount = rainAmounts(seed, dates);
    l.wind = persistent(seed, WIND, n, 0.55);
    l.windRatio = normals(seed, WIND_RATIO, n);
    l.direction = persistent(seed, DIRECTION, n, 0.5);
    l.directionPick = uniforms(seed, DIRECTION_PICK, n);
    l.directionAny = uniforms(seed, DIRECTION_ANY, n);
    l.humidity = persistent(seed, HUMIDITY, n, 0.5);
    l.grass = normals(seed, GRASS, n);
    l.rangeMax = normals(seed, RANGE_MAX, n);
    l.rangeMin = normals(seed, RANGE_MIN, n);
    l.gauge = normals(seed, GAUGE, n);
    l.hours = normals(seed, HOURS, n);
    l.radiation = normals(seed, RADIATION, n);
    l.variable = uniforms(seed, VARIABLE, n);
    l.tgnLost = uniforms(seed, TGN_LOST, n);
    return l;
}

}  // namespace gensample

// The model's air: temperature, rain and sunshine, and the day's temperature range
#include <algorithm>
#include <cmath>

#include "formulas/untverdamping.h"
#include "model.h"

namespace gensample {
namespace {

// Spread of the temperature anomaly (degC) from day to day, over weeks and over a season: winters
// vary more than summers in a maritime climate.
constexpr double SD_FAST[13] = {0, 2.7, 2.6, 2.3, 2.0, 2.0, 2.0, 2.0, 1.9, 1.8, 2.0, 2.3, 2.6};
constexpr double SD_SLOW[13] = {0, 1.2, 1.2, 1.0, 0.8, 0.6, 0.6, 0.6, 0.6, 0.7, 0.8, 1.0, 1.2};
constexpr double SD_SEASON[13] = {0, 0.9, 0.9, 0.8, 0.6, 0.5, 0.5, 0.5, 0.5, 0.5, 0.7, 0.8, 0.9};

// How sunshine goes with a warm day: in summer the sun warms, in winter a clear sky lets the cold in.
constexpr double SUN_WITH_WARMTH[13] = {0, -0.35, -0.3, -0.1, 0.2, 0.35, 0.45, 0.45, 0.45, 0.35, 0.1, -0.2, -0.35};

// Share of days with rain.
constexpr double WET_DAYS[13] = {0, 0.56, 0.52, 0.46, 0.42, 0.40, 0.42, 0.45, 0.48, 0.47, 0.50, 0.56, 0.57};

constexpr double SUN_SPREAD = 0.30;  // the day's sunshine share around its expectation
constexpr double MAX_SUN_SHARE = 0.94;
constexpr Date MEASURED_SUNSHINE{1945, 6, 1};  // before it sunshine was estimated, to half hours

}  // namespace

void Model::temperature() {
    std::vector<double> raw(dates_.size());
    for (std::size_t i = 0; i < dates_.size(); ++i) {
        const int m = dates_[i].month;
        const double slow = SD_SLOW[m] * latent_.tSlow[i] + SD_SEASON[m] * latent_.tSeason[i];
        // A remembered season was one settled type of weather, less changeable than other seasons.
        // Summer heat comes in spells hotter than the cool spells are cool.
        const double x = latent_.tFast[i];
        const double skew = !inWinterHalf(dates_[i]) && x > 0 ? std::min(1 + 0.2 * x, 1.4) : 1;
        const double fast = (1 - 0.3 * forcing_.named[i]) * SD_FAST[m] * x * skew;
        const double anomaly = fast + (1 - forcing_.named[i]) * slow + forcing_.temperature[i];
        raw[i] = dailyNormal(N_T, dates_[i]) + 10 * anomaly;
    }
    const Calibration c = byDecade(N_T, -100, 100);
    auto value = [&](std::size_t i, double shift) { return whole(raw[i] + shift); };
    const std::vector<double> shift = calibrate(c, value);
    for (std::size_t i = 0; i < dates_.size(); ++i) obs_[i].T = value(i, shift[decade_[i]]);
}

void Model::rainChance() {
    const std::size_t n = dates_.size();
    sunTendency_.resize(n);
    wetTendency_.resize(n);
    regime_.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double rho = SUN_WITH_WARMTH[dates_[i].month];
        regime_[i] = (1 - forcing_.named[i]) * (0.3 * latent_.wetSlow[i] + 0.2 * latent_.wetSeason[i]);
        sunTendency_[i] = std::sqrt(1 - rho * rho) * latent_.cloud[i] + rho * latent_.tFast[i] -
                          0.5 * regime_[i] + forcing_.sun[i];
        wetTendency_[i] = -0.6 * sunTendency_[i] + 0.8 * latent_.wetNoise[i] + 0.5 * regime_[i] + forcing_.wet[i];
    }
    const Calibration c = byMonth(WET_DAYS, -6, 6);
    auto isWet = [&](std::size_t i, double threshold) { return wetTendency_[i] > threshold ? 1.0 : 0.0; };
    const std::vector<double> threshold = calibrate(c, isWet);
    wetExcess_.assign(n, -1);
    for (std::size_t i = 0; i < n; ++i)
        if (isWet(i, threshold[dates_[i].month]) > 0) wetExcess_[i] = wetTendency_[i] - threshold[dates_[i].month];
}

void Model::rainAmount() {
    std::vector<double> raw(dates_.size(), 0.0);
    for (std::size_t i = 0; i < dates_.size(); ++i)
        if (wetExcess_[i] >= 0)
            raw[i] = latent_.amount[i] * clampTo(0.8 + 0.25 * wetExcess_[i], 0.8, 1.8) * detExp(0.2 * regime_[i]);
    const Calibration c = byDecade(N_SR, 0, 300);
    auto tenths = [&](std::size_t i, double scale) { return raw[i] > 0 ? std::max(1, whole(raw[i] * scale)) : 0; };
    const std::vector<double> scale = calibrate(c, [&](std::size_t i, double s) { return tenths(i, s); });
    for (std::size_t i = 0; i < dates_.size(); ++i) {
        Observation& o = obs_[i];
        o.sR = tenths(i, scale[decade_[i]]);
        // The site's own gauge stands beside the pluviograph and catches nearly the same.
        if (o.sR > 0) o.Rdvl = std::max(1, whole(o.sR * (1 + 0.04 * latent_.gauge[i])));
    }
    rainHours();
}

void Model::rainHours() {
    // More rain takes longer to fall, though a heavy shower can pour it out in an hour.
    auto hours = [&](std::size_t i, double pace) {
        const int sR = obs_[i].sR;
        if (sR == 0) return 0;
        return std::clamp(whole(pace * std::sqrt(sR / 10.0) * detExp(0.3 * latent_.hours[i])), 1, 24);
    };
    const Calibration c = byDecade(N_DR, 0, 30);
    const std::vector<double> pace = calibrate(c, hours);
    for (std::size_t i = 0; i < dates_.size(); ++i) obs_[i].dR = hours(i, pace[decade_[i]]);
}

void Model::sunshine() {
    const std::size_t n = dates_.size();
    dayLength_.resize(n);
    for (std::size_t i = 0; i < n; ++i) dayLength_[i] = DAGLENGTE(LATITUDE, dates_[i].month, dates_[i].day);
    auto tenths = [&](std::size_t i, double level) {
        const double share = clampTo(level + SUN_SPREAD * sunTendency_[i] - (obs_[i].sR > 0 ? 0.08 : 0.0), 0,
                                     MAX_SUN_SHARE);
        const int possible = static_cast<int>(std::floor(dayLength_[i]));
        if (dates_[i] < MEASURED_SUNSHINE) return std::min(possible, 5 * whole(share * dayLength_[i] / 5));
        return std::min(possible, whole(share * dayLength_[i]));
    };
    const Calibration c = byDecade(N_SS, -3, 3);
    const std::vector<double> level = calibrate(c, [&](std::size_t i, double l) { return tenths(i, l); });
    sunShare_.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        obs_[i].sS = tenths(i, level[decade_[i]]);
        sunShare_[i] = obs_[i].sS / dayLength_[i];
        obs_[i].rS = whole(100 * sunShare_[i]);
    }
}

void Model::extremes() {
    // A sunny day warms more by day and, under the clear sky that goes with it, cools more by night.
    auto range = [&](std::size_t i, double f, double noise) {
        return std::max(1, whole(f * (0.45 + 1.1 * sunShare_[i]) * detExp(0.18 * noise)));
    };
    auto maximum = [&](std::size_t i, double f) { return obs_[i].T + range(i, f, latent_.rangeMax[i]); };
    auto minimum = [&](std::size_t i, double f) { return obs_[i].T - range(i, f, latent_.rangeMin[i]); };
    const std::vector<double> fx = calibrate(byDecade(N_TX, 0, 300), maximum);
    const std::vector<double> fn = calibrate(byDecade(N_TN, 0, 300), minimum);
    for (std::size_t i = 0; i < dates_.size(); ++i) {
        obs_[i].Tx = maximum(i, fx[decade_[i]]);
        obs_[i].Tn = minimum(i, fn[decade_[i]]);
    }
}

}  // namespace gensample

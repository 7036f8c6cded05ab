// The model's wind, snow cover, grass minimum, humidity and radiation
#include <algorithm>

#include "formulas/untformules.h"
#include "formulas/untverdamping.h"
#include "model.h"

namespace gensample {
namespace {

constexpr int CALM = 10;                 // tenths of m/s: a day mean this low had no direction to report
constexpr int SNOWFALL_AT_MOST = 5;      // tenths of degC: precipitation of a day this cold is snow
constexpr double SNOW_THAW_ABOVE = 30;   // tenths of degC: no snow cover outlives a day this warm
constexpr double LOST_UNDER_SNOW = 0.03; // share of snow nights whose grass thermometer was buried

struct Bearing {
    double centre, spread;  // degrees
};

// The prevailing wind of each kind of weather.
Bearing bearingOf(Flow flow, bool wet) {
    if (flow == Flow::ContinentalEast) return {75, 35};
    if (flow == Flow::SouthEast) return {135, 40};
    if (flow == Flow::Atlantic || wet) return {235, 40};
    return {225, 60};
}

char snowCode(double depth) { return depth >= 10 ? '7' : depth >= 2 ? '6' : depth > 0 ? '5' : ' '; }

}  // namespace

void Model::wind() {
    std::vector<double> raw(dates_.size());
    for (std::size_t i = 0; i < dates_.size(); ++i)
        raw[i] = detExp(0.40 * latent_.wind[i] + 0.12 * wetTendency_[i]);
    const Calibration c = byDecade(N_F9, 0, 300);
    auto tenths = [&](std::size_t i, double scale) { return std::max(1, whole(scale * raw[i])); };
    const std::vector<double> scale = calibrate(c, [&](std::size_t i, double s) { return tenths(i, s); });
    for (std::size_t i = 0; i < dates_.size(); ++i) {
        Observation& o = obs_[i];
        o.f9 = tenths(i, scale[decade_[i]]);
        // Wind slows towards the ground; at 2 m it keeps about three quarters of its speed at 9 m.
        const double ratio = clampTo(0.73 + 0.03 * latent_.windRatio[i], 0.62, 0.84);
        o.f2 = std::clamp(whole(o.f9 * ratio), 0, o.f9 - 1);
        windDirection(i);
    }
}

void Model::windDirection(std::size_t i) {
    Observation& o = obs_[i];
    if (o.f9 <= CALM) return;  // DD stays 0
    if (o.f9 < 25 && latent_.variable[i] < 0.012) {
        o.DD = 999;
        o.ddCode = '9';
        return;
    }
    double angle;
    if (forcing_.flow[i] == Flow::Any && o.sR == 0 && latent_.directionPick[i] < 0.35) {
        angle = 360 * latent_.directionAny[i];  // light and changing winds of a quiet day
    } else {
        const Bearing b = bearingOf(forcing_.flow[i], o.sR > 0);
        angle = b.centre + b.spread * latent_.direction[i];
    }
    o.DD = ((whole(angle) - 1) % 360 + 360) % 360 + 1;
}

void Model::snowCover() {
    snowDepth_.assign(dates_.size(), 0);
    double depth = 0;  // cm
    for (std::size_t i = 0; i < dates_.size(); ++i) {
        Observation& o = obs_[i];
        const double mm = o.sR / 10.0;
        if (o.sR > 0 && o.T <= SNOWFALL_AT_MOST) depth += mm;  // a millimetre of water, a centimetre of snow
        else depth -= 0.5 * mm;                                  // rain eats into the cover
        if (o.T > 0) depth -= 0.07 * o.T;                        // thaw: 0.7 cm a day per degree
        depth *= 0.97;                                           // settling
        if (o.T > SNOW_THAW_ABOVE || depth < 0.5) depth = 0;
        snowDepth_[i] = depth;
        o.snowCode = snowCode(depth);
    }
}

void Model::grassMinimum() {
    std::vector<bool> counts = all();
    std::vector<double> raw(dates_.size());
    for (std::size_t i = 0; i < dates_.size(); ++i) {
        Observation& o = obs_[i];
        o.tgnObserved = !(snowDepth_[i] > 0 && latent_.tgnLost[i] < LOST_UNDER_SNOW);
        counts[i] = counts[i] && o.tgnObserved;
        // Grass loses heat to a clear sky; wind stirs warmer air down; snow shields the grass from the
        // soil's warmth.
        raw[i] = (0.3 + 1.4 * sunShare_[i]) * detExp(0.45 * latent_.grass[i] - 0.15 * latent_.wind[i]) *
                 (snowDepth_[i] > 0 ? 1.5 : 1.0);
    }
    Calibration c = byDecade(N_TGN, 0, 300);
    c.counts = counts;
    auto value = [&](std::size_t i, double loss) { return obs_[i].Tn - whole(loss * raw[i] - 4); };
    const std::vector<double> loss = calibrate(c, value);
    for (std::size_t i = 0; i < dates_.size(); ++i)
        if (obs_[i].tgnObserved) obs_[i].Tgn = value(i, loss[decade_[i]]);
}

void Model::humidity() {
    std::vector<double> saturation(dates_.size()), raw(dates_.size());
    for (std::size_t i = 0; i < dates_.size(); ++i) {
        const Observation& o = obs_[i];
        saturation[i] = EXW(o.T);
        // Dry air comes with sunshine and with the continental east wind, moist air with rain.
        raw[i] = 0.45 * latent_.humidity[i] + 0.6 * (sunShare_[i] - 0.35) - (o.sR > 0 ? 0.35 : 0.0) +
                 (forcing_.flow[i] == Flow::ContinentalEast ? 0.2 : 0.0);
    }
    auto relative = [&](std::size_t i, double level) {
        return std::clamp(whole(100 - detExp(level + raw[i])), 25, 100);
    };
    auto vapour = [&](std::size_t i, double level) { return whole(saturation[i] * relative(i, level) / 100); };
    const Calibration c = byDecade(N_E, -6, 6);
    const std::vector<double> level = calibrate(c, vapour);
    for (std::size_t i = 0; i < dates_.size(); ++i) {
        Observation& o = obs_[i];
        o.u = relative(i, level[decade_[i]]);
        o.e = vapour(i, level[decade_[i]]);
        o.de = std::max(0, whole(saturation[i] - o.e));
    }
}

void Model::radiation() {
    // Angstrom's relation: clear-sky radiation grows with the share of the day the sun shone; the
    // day's haze scatters it a little either way.
    std::vector<double> raw(dates_.size());
    for (std::size_t i = 0; i < dates_.size(); ++i)
        raw[i] = QNUL(LATITUDE, dates_[i].month, dates_[i].day) * (0.20 + 0.52 * obs_[i].rS / 100.0) *
                 (1 + 0.03 * latent_.radiation[i]);
    const Calibration c = byDecade(N_SQ, 0, 5);
    auto value = [&](std::size_t i, double f) { return whole(f * raw[i]); };
    const std::vector<double> factor = calibrate(c, value);
    for (std::size_t i = 0; i < dates_.size(); ++i) obs_[i].sQ = value(i, factor[decade_[i]]);
}

}  // namespace gensample

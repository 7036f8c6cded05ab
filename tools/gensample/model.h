// The weather model's working state: one stage per group of observed quantities
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "calibrate.h"
#include "detrandom.h"
#include "latent.h"
#include "normals.h"
#include "observation.h"
#include "seasons.h"

namespace gensample {

// To the nearest whole unit of the record, halves upward.
inline int whole(double x) { return static_cast<int>(std::floor(x + 0.5)); }

inline double clampTo(double x, double low, double high) { return x < low ? low : x > high ? high : x; }

constexpr double LATITUDE = 52.55;

// The stages run in the order of their declarations; each may use what the earlier ones made.
// Every stage that yields a field with a decade normal fits its free parameter per decade of the year.
class Model {
public:
    explicit Model(std::uint64_t seed);

    void temperature();
    void rainChance();
    void rainAmount();
    void sunshine();
    void extremes();
    void wind();
    void snowCover();
    void grassMinimum();
    void humidity();
    void radiation();

    const std::vector<Observation>& days() const { return obs_; }

private:
    // Fits to the decade normals of a column, or to a target per month, over the normal period.
    Calibration byDecade(NormalColumn column, double low, double high) const;
    Calibration byMonth(const double (&target)[13], double low, double high) const;
    std::vector<bool> all() const;
    void rainHours();
    void windDirection(std::size_t i);

    std::vector<Date> dates_;
    std::vector<int> decade_;
    Latent latent_;
    Forcing forcing_;
    std::vector<Observation> obs_;

    // Intermediate quantities shared by the stages.
    std::vector<double> sunTendency_;  // unit-sized: positive is sunnier than usual
    std::vector<double> wetTendency_;  // positive is wetter than usual
    std::vector<double> wetExcess_;    // how far a wet day's tendency lies past its month's threshold
    std::vector<double> regime_;       // slow wetness: the weeks and seasons of a wet or dry spell
    std::vector<double> dayLength_;    // tenths of hours
    std::vector<double> sunShare_;     // sunshine as a share of the day length, 0-1
    std::vector<double> snowDepth_;    // cm
};

}  // namespace gensample

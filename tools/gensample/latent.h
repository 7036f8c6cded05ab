// The random raw material of the weather: unit-sized series that the model scales and combines
#pragma once

#include <cstdint>
#include <vector>

#include "calendar.h"

namespace gensample {

// Each series comes from its own random stream, so a change in how one is used leaves the others as
// they are. "Persistent" series carry the day-to-day memory of the weather.
struct Latent {
    std::vector<double> tFast, tSlow, tSeason;       // temperature: days, weeks, a season
    std::vector<double> cloud;                        // sunshine against its expectation
    std::vector<double> wetNoise, wetSlow, wetSeason; // chance of rain: the day, weeks, a season
    std::vector<double> amount;                       // rain amount of a wet day, mean 1
    std::vector<double> wind, windRatio;              // windiness; wind at 2 m against 9 m
    std::vector<double> direction, directionPick, directionAny;
    std::vector<double> humidity, grass, rangeMax, rangeMin, gauge, hours, radiation;
    std::vector<double> variable, tgnLost;            // rare events: variable wind, buried thermometer
};

Latent drawLatent(std::uint64_t seed, const std::vector<Date>& dates);

}  // namespace gensample

// The named seasons of the period and the random spells: the weather's departures from the daily round
#pragma once

#include <cstdint>
#include <vector>

#include "calendar.h"

namespace gensample {

// The flow that comes with a spell and sets the wind direction.
enum class Flow : char { Any, ContinentalEast, SouthEast, Atlantic };

// What a spell adds on its days, at full strength.
struct SpellEffect {
    double temperature = 0;  // degC
    double sun = 0;          // shift of the sunshine tendency, in standard deviations
    double wet = 0;          // shift of the precipitation tendency, in standard deviations
    Flow flow = Flow::Any;
};

struct Spell {
    Date from, to;
    SpellEffect effect;
};

// The seasons that the period is remembered by: the severe winters 1941/42, 1946/47 and 1962/63, the
// cold February of 1956, the hot dry summers of 1947 and 1959 and the cool wet summers of 1954 and 1965.
const std::vector<Spell>& namedSeasons();

// Cold spells in other winters and warm spells in other summers, drawn at random.
std::vector<Spell> randomSpells(std::uint64_t seed);

// The spells' sum on every day of the archive. Each spell sets in and fades over a few days.
struct Forcing {
    std::vector<double> temperature, sun, wet;
    std::vector<Flow> flow;
    // How far a named season holds the day, 0-1: there it takes the place of the weather's own slow
    // swings, so that the season is what it is remembered as whatever the random draw.
    std::vector<double> named;
};
Forcing forcingOf(const std::vector<Date>& dates, const std::vector<Spell>& named, const std::vector<Spell>& drawn);

}  // namespace gensample

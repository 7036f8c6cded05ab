// The named seasons and the random spells, and their daily sum
#include "seasons.h"

#include <algorithm>
#include <map>

#include "detrandom.h"

namespace gensample {
namespace {

constexpr SpellEffect cold(double t) { return {t, 0.4, -0.5, Flow::ContinentalEast}; }
constexpr SpellEffect mild(double t) { return {t, 0.0, 0.2, Flow::Atlantic}; }
constexpr SpellEffect hotDry(double t, double sun, double wet, Flow f) { return {t, sun, wet, f}; }
constexpr SpellEffect coolWet(double t) { return {t, -0.35, 0.35, Flow::Atlantic}; }

// A season is one long spell with stronger spells laid over it.
const std::vector<Spell> NAMED{
    // 1941/42: frost from before Christmas to the middle of March, hardest in January and February.
    {{1941, 12, 18}, {1942, 3, 15}, cold(-6.0)},
    {{1942, 1, 5}, {1942, 2, 25}, cold(-2.0)},
    // 1946/47: a cold end of December, a thaw in mid-January, then six weeks of hard frost.
    {{1946, 12, 16}, {1947, 3, 14}, cold(-5.0)},
    {{1947, 1, 4}, {1947, 1, 16}, mild(4.0)},
    {{1947, 1, 20}, {1947, 3, 8}, cold(-4.5)},
    // 1955/56: a mild January, then a February of hard frost throughout.
    {{1956, 1, 1}, {1956, 1, 28}, mild(1.5)},
    {{1956, 1, 31}, {1956, 2, 29}, cold(-9.5)},
    {{1956, 3, 1}, {1956, 3, 10}, cold(-2.0)},
    // 1962/63: frost from 22 December to early March.
    {{1962, 12, 22}, {1963, 3, 5}, cold(-7.0)},
    {{1963, 1, 10}, {1963, 2, 10}, cold(-1.5)},
    // 1947: a hot, sunny and very dry summer, the heat peaking in August.
    {{1947, 4, 20}, {1947, 10, 10}, hotDry(1.8, 0.45, -0.6, Flow::Any)},
    {{1947, 5, 25}, {1947, 6, 5}, hotDry(3.5, 0.3, -0.3, Flow::SouthEast)},
    {{1947, 7, 25}, {1947, 9, 5}, hotDry(2.5, 0.2, -0.2, Flow::SouthEast)},
    {{1947, 8, 14}, {1947, 8, 22}, hotDry(2.5, 0.2, -0.2, Flow::SouthEast)},
    // 1959: sunny and dry from spring into autumn, hot in early July.
    {{1959, 4, 15}, {1959, 10, 20}, hotDry(2.3, 0.5, -0.75, Flow::Any)},
    {{1959, 6, 28}, {1959, 7, 18}, hotDry(3.0, 0.3, -0.3, Flow::SouthEast)},
    // 1954 and 1965: cool, cloudy and wet.
    {{1954, 5, 10}, {1954, 9, 20}, coolWet(-2.2)},
    {{1965, 4, 25}, {1965, 9, 30}, coolWet(-2.2)},
};

constexpr double RAMP = 3;  // days over which a spell sets in and fades

Date addDays(Date d, int n) {
    while (n-- > 0) d = nextDate(d);
    return d;
}

bool overlaps(const Spell& s, Date from, Date to) { return s.from <= to && from <= s.to; }

bool isNamed(Date from, Date to) {
    return std::any_of(NAMED.begin(), NAMED.end(), [&](const Spell& s) { return overlaps(s, from, to); });
}

// Draws a count from a small table of probabilities.
int countFrom(RandomStream& r, std::initializer_list<double> probabilities) {
    double u = r.uniform();
    int n = 0;
    for (double p : probabilities) {
        if (u < p) return n;
        u -= p;
        ++n;
    }
    return n;
}

void addColdSpells(RandomStream& r, int year, std::vector<Spell>& out) {
    const int count = countFrom(r, {0.42, 0.36, 0.16});
    for (int k = 0; k < count; ++k) {
        const Date from = addDays({year, 11, 20}, r.below(106));
        const double depth = -(3.0 + 4.5 * r.uniform());
        out.push_back({from, addDays(from, 3 + r.below(13)), cold(depth)});
    }
}

void addWarmSpells(RandomStream& r, int year, std::vector<Spell>& out) {
    const int count = countFrom(r, {0.45, 0.40});
    for (int k = 0; k < count; ++k) {
        const Date from = addDays({year, 6, 1}, r.below(86));
        const double heat = 2.5 + 3.0 * r.uniform();
        out.push_back({from, addDays(from, 2 + r.below(8)), hotDry(heat, 0.6, -0.6, Flow::SouthEast)});
    }
}

}  // namespace

const std::vector<Spell>& namedSeasons() { return NAMED; }

std::vector<Spell> randomSpells(std::uint64_t seed) {
    RandomStream r(seed);
    std::vector<Spell> spells;
    for (int year = FIRST_DAY.year; year <= LAST_DAY.year; ++year) {
        // Draw for every season, named or not, so that the named ones leave the others' draws alone.
        std::vector<Spell> winter, summer;
        addColdSpells(r, year, winter);
        addWarmSpells(r, year, summer);
        if (!isNamed({year, 11, 1}, {year + 1, 3, 31})) spells.insert(spells.end(), winter.begin(), winter.end());
        if (!isNamed({year, 4, 1}, {year, 9, 30})) spells.insert(spells.end(), summer.begin(), summer.end());
    }
    return spells;
}

Forcing forcingOf(const std::vector<Date>& dates, const std::vector<Spell>& named, const std::vector<Spell>& drawn) {
    const std::size_t n = dates.size();
    Forcing f{std::vector<double>(n), std::vector<double>(n), std::vector<double>(n),
              std::vector<Flow>(n, Flow::Any), std::vector<double>(n)};
    std::vector<double> flowWeight(n, 0);
    std::map<Date, std::size_t> index;
    for (std::size_t i = 0; i < n; ++i) index[dates[i]] = i;
    auto add = [&](const Spell& s, bool isNamed) {
        const auto first = index.lower_bound(s.from), last = index.upper_bound(s.to);
        const auto length = static_cast<double>(std::distance(first, last));
        double k = 0;
        for (auto it = first; it != last; ++it, ++k) {
            const double w = std::min({1.0, (k + 1) / RAMP, (length - k) / RAMP});
            const std::size_t i = it->second;
            f.temperature[i] += w * s.effect.temperature;
            f.sun[i] += w * s.effect.sun;
            f.wet[i] += w * s.effect.wet;
            if (isNamed) f.named[i] = std::max(f.named[i], w);
            if (s.effect.flow != Flow::Any && w >= flowWeight[i]) {
                f.flow[i] = s.effect.flow;
                flowWeight[i] = w;
            }
        }
    };
    for (const Spell& s : named) add(s, true);
    for (const Spell& s : drawn) add(s, false);
    return f;
}

}  // namespace gensample

// The weather model's set-up and the order of its stages
#include "generator.h"

#include "model.h"

namespace gensample {

Model::Model(std::uint64_t seed)
    : dates_(archiveDates()), latent_(drawLatent(seed, dates_)), obs_(dates_.size()) {
    forcing_ = forcingOf(dates_, namedSeasons(), randomSpells(splitMix64(seed) ^ 0x5be11ULL));
    for (std::size_t i = 0; i < dates_.size(); ++i) {
        obs_[i].date = dates_[i];
        decade_.push_back(decadeOfYear(dates_[i]));
    }
}

std::vector<bool> Model::all() const {
    std::vector<bool> counts(dates_.size());
    for (std::size_t i = 0; i < dates_.size(); ++i) counts[i] = inNormalPeriod(dates_[i]);
    return counts;
}

Calibration Model::byDecade(NormalColumn column, double low, double high) const {
    Calibration c{decade_, all(), std::vector<double>(37, 0.0), low, high};
    for (int d = 1; d <= 36; ++d) c.target[d] = decadeNormal(column, d);
    return c;
}

Calibration Model::byMonth(const double (&target)[13], double low, double high) const {
    Calibration c{{}, all(), std::vector<double>(target, target + 13), low, high};
    for (const Date& d : dates_) c.groupOf.push_back(d.month);
    return c;
}

std::vector<Observation> generateArchive(std::uint64_t seed) {
    Model m(seed);
    m.temperature();
    m.rainChance();
    m.rainAmount();
    m.sunshine();
    m.extremes();
    m.wind();
    m.snowCover();
    m.grassMinimum();
    m.humidity();
    m.radiation();
    return m.days();
}

}  // namespace gensample

// Bisection of a model parameter per group of days
#include "calibrate.h"

namespace gensample {
namespace {

double meanOver(const std::vector<std::size_t>& days, double parameter, const FieldOfParameter& value) {
    double sum = 0;
    for (std::size_t day : days) sum += value(day, parameter);
    return days.empty() ? 0 : sum / static_cast<double>(days.size());
}

double bisect(const std::vector<std::size_t>& days, double target, double low, double high,
              const FieldOfParameter& value) {
    const bool rising = meanOver(days, high, value) >= meanOver(days, low, value);
    for (int step = 0; step < 60; ++step) {
        const double middle = 0.5 * (low + high);
        if ((meanOver(days, middle, value) < target) == rising)
            low = middle;
        else
            high = middle;
    }
    return 0.5 * (low + high);
}

}  // namespace

std::vector<double> calibrate(const Calibration& c, const FieldOfParameter& value) {
    std::vector<std::vector<std::size_t>> members(c.target.size());
    for (std::size_t day = 0; day < c.groupOf.size(); ++day)
        if (c.counts[day]) members[c.groupOf[day]].push_back(day);
    std::vector<double> parameter(c.target.size());
    for (std::size_t g = 0; g < c.target.size(); ++g)
        parameter[g] = bisect(members[g], c.target[g], c.low, c.high, value);
    return parameter;
}

}  // namespace gensample

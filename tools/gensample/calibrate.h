// Fitting one model parameter per group of days so that a field's mean meets its normal
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace gensample {

struct Calibration {
    std::vector<int> groupOf;     // group of each day, 0 .. target.size() - 1
    std::vector<bool> counts;     // whether the day enters the mean (the normal period, an observed value)
    std::vector<double> target;   // wanted mean per group
    double low, high;             // the parameter's search range
};

// The field's value on a day for a trial parameter; it must be monotonic in the parameter.
using FieldOfParameter = std::function<double(std::size_t day, double parameter)>;

// Per group, the parameter whose mean meets the target, found by bisection on the very rounded values
// that are written, so the rounding does not bias the mean.
std::vector<double> calibrate(const Calibration& c, const FieldOfParameter& value);

}  // namespace gensample

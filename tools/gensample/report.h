// The archive's realism figures, as a markdown table for the data's README
#pragma once

#include <ostream>
#include <vector>

#include "observation.h"

namespace gensample {

void printReport(const std::vector<Observation>& days, std::ostream& out);

}  // namespace gensample

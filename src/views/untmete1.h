// Observation listing: the raw archive records, 24 days to a page.
#pragma once

#include <cstdint>

void SCHERMLISTING(int16_t TAAL);

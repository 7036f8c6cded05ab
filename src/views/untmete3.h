// Half-year averages: four views that have no screen yet.
#pragma once

#include <cstdint>

void TEMPVOCHTIGH(int16_t TAAL);
void TEMPDAUWPUNT(int16_t TAAL);
void WINDSNELHEID(int16_t TAAL);
void STOKESPLUVIO(int16_t TAAL);

// Half-year averages: four views that have no screen yet.
#include "views/untmete3.h"

// The half-year figures were never drawn; the menu keeps their entries so
// that the numbering of the other views stays as the users know it.
void TEMPVOCHTIGH(int16_t) {}
void TEMPDAUWPUNT(int16_t) {}
void WINDSNELHEID(int16_t) {}
void STOKESPLUVIO(int16_t) {}

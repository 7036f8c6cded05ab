// Vapour pressure and dew point
#pragma once

// Temperatures in tenths of a degree Celsius, vapour pressures in tenths of a hPa:
// the units in which the daily records store them, so callers pass fields unchanged.

// Saturation vapour pressure over water.
double EXW(double T);
// Saturation vapour pressure over ice; 99999.0 marks a temperature above freezing.
double EXY(double T);
// Dew point of a vapour pressure E > 0; otherwise run-time error 207.
double TD(double E);

// Error-control flag, set at start-up and consulted by nothing afterwards.
extern bool FOUTBLIND;

// Sets the module's error-control flags; called once at start-up.
void InitUntFormules();

// Evaporation, radiation and day-length formulas
#pragma once

// Arguments in the units of the daily records, passed unchanged:
//   T, TX, TN  temperature, tenths of degC     U     relative humidity, percent
//   U2         wind speed at 2 m, tenths of m/s RZON relative sunshine duration, percent
//   Q          global radiation, J/cm2 per day  NBR   latitude, degrees north
//   MND, DAT   month (1-12) and day of month    IJKF  J/cm2 per (tenth of hour x tenth of degC)
// Evaporation comes out in tenths of mm per day, radiation in J/cm2 per day,
// day length in tenths of hours.

// Slope of the saturation curve, hPa per degC: over water from 0 degC up, over ice below.
double DELTA(double T);
// Psychrometer constant, hPa per degC.
double GAMMA();
// Latent heat of vaporisation, J/kg.
double LAMBDA(double T);

// Day length; the month is taken to the nearest whole number.
double DAGLENGTE(double NBR, double MND, double DAT);
// Extraterrestrial (Angot) radiation; the month is truncated to a whole number.
double QNUL(double NBR, double MND, double DAT);
// A month that is not 1-12 after rounding or truncation is run-time error 201.

// Net long-wave radiation (negative: a loss).
double LANGNET(double T, double U, double RZON);
// Aerodynamic term of the Penman formula: wind function times saturation deficit.
double WINDTERM(double T, double U, double U2);
// Global radiation estimated from relative sunshine.
double BRUGLOBAAL(double NBR, double MND, double DAT, double RZON);

// The three terms of the Penman open-water evaporation: short-wave, long-wave, wind.
double PENE1(double T, double Q);
double PENE2(double T, double U, double RZON);
double PENE3(double T, double U, double U2);
// Penman open-water evaporation, the sum of the three terms.
double PENMAN(double Q, double T, double U, double RZON, double U2);
// Makkink reference evaporation.
double MAKKINK(double Q, double T);
// Global radiation estimated from the day's temperature range.
double TXNGLOBAAL(double NBR, double MND, double DAT, double TX, double TN, double IJKF);
// Makkink evaporation from maximum and minimum temperature alone.
double TXNMAKKINK(double NBR, double MND, double DAT, double TX, double TN, double IJKF);

// Key, signal and date helpers shared by every screen.
#pragma once

#include <cstdint>
#include <string_view>

// The key the views' selections read.
extern char KR;

void LEESKEY(char& CH);
void FLUITEN();
void BROM();

// One step of an arrow-key selection over entries NN..NX after key KEY:
// Up and Left step back, Down and Right forward, both wrapping round; any
// other key confirms. Returns true when the key confirmed.
bool KIESSTAP(char KEY, int16_t& KK, int16_t NN, int16_t NX);

// The serial day number of a date text yymmdd: 1 January 1901 is day 1.
int32_t DAGNUMMER(std::string_view SDATUM);

// The number in a fixed-column text field: leading blanks skipped, an
// optional minus sign, then digits to the end of the field. A blank field,
// or one holding anything else, counts as 0, as the observers' records
// always were read.
int32_t FieldNumber(std::string_view field);

// Key, signal and date helpers shared by every screen.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/framebuffer.h"
#include "toolkit/untgrafisch.h"

// The key the views' selections read.
extern char KR;

void LEESKEY(char& CH);
void FLUITEN();
void BROM();

// One step of an arrow-key selection over entries NN..NX after key KEY:
// Up and Left step back, Down and Right forward, both wrapping round; any
// other key confirms. Returns true when the key confirmed.
bool KIESSTAP(char KEY, int16_t& KK, int16_t NN, int16_t NX);

// The navigation hint under every command bar, by language.
inline constexpr std::array<std::string_view, 3> ANAVIGATIE = {
    " navigeren met pijltoetsen,  bevestigen met KEY ",
    "navigation with arrow-key, confirmation with KEY",
    "navigation mit Pfeiltasten,  accordieren mit KEY",
};

// The selection loop of a view's command bar: after every key the frame of
// the entry framed before is drawn again in the bar's colour, which erases
// it, and the frame of the entry now chosen in Yellow; until a key confirms.
// `kies` reads one key and sets `UIT`; `kader(k)` draws the frame of entry k.
template <typename Kies, typename Kader>
void KIESLUS(int16_t& KLIST, int16_t& KLMM, const bool& UIT, Kies kies, Kader kader, uint32_t balkkleur) {
    do {
        KLMM = KLIST;
        kies();
        GRKLEUR(balkkleur);
        kader(KLMM);
        GRKLEUR(Yellow);
        kader(KLIST);
    } while (!UIT);
}

// The serial day number of a date text yymmdd: 1 January 1901 is day 1.
int32_t DAGNUMMER(std::string_view SDATUM);

// The number in a fixed-column text field: leading blanks skipped, an
// optional minus sign, then digits to the end of the field. A blank field,
// or one holding anything else, counts as 0, as the observers' records
// always were read.
int32_t FieldNumber(std::string_view field);

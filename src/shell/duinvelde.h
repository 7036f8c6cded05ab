// The main program: start-up, language screen, main menu and end.
#pragma once

#include <cstdint>

class Hoofdprogramma {
public:
    // Runs the whole program: language screen, then the menu until "Stoppen".
    void Run();

    void INITIEER();
    void KIESTAAL();
    void SHOWKEUZE();
    void KIES(int16_t& KK, int16_t NN, int16_t NX);

    int16_t TAAL = 1;
    int16_t KTL = 1;
    int16_t KSP = 1;
    int16_t KMM = 1;
    bool UIT = false;
    bool STOPPEN = false;
    char KR = '\0';

private:
    void TekenTaalscherm();
    void VervangTeksten();
    void TaalKader(int16_t k);
    void MenuKader(int16_t k);
    void VoerKeuzeUit(int16_t keuze);
};

// Module start-up in the fixed order; the archive opens here, before the window.
void InitialiseerModules();
// Closes the archive at the end of the run.
void SluitModules();

// Monthly observation charts
#pragma once

#include <cstdint>
#include <string>

// The chart of 96 days from the first of a month, with its command bar.
void TOONWAARNEMINGEN(int16_t TAAL);

// The chart view and its working state. The inner steps are methods so that
// tests and benchmarks can draw one part of the screen at a time.
class ToonWaarnemingen {
public:
    explicit ToonWaarnemingen(int16_t taal) : TAAL(taal) {}

    void Run();
    void MAAKKADER();
    void MAAKGRAFIEK(int32_t RECNR);
    void LEGENDA(int16_t TAAL);
    void COMMANDOBALK(int16_t TAAL, int16_t KLIST);
    void KIES(int16_t& KK, int16_t NN, int16_t NX);

    int16_t TAAL;
    int32_t MNDMEM = 0;
    int32_t DAM = 0;
    std::string SDAM;
    int16_t KLIST = 5;
    int16_t KLMM = 5;
    bool UIT = false;
    bool STOP = false;

    int32_t RECMEM = 0;
    int32_t MNDNR = 0;
    int32_t MNDMM = 0;
    int32_t DD = 0;
    int32_t GG = 0;
    double GMM = 0, GDD = 0, GGD = 0;
    int16_t GD = 0, GM = 0, G1 = 0, G2 = 0;
    int16_t XX = 0;
    bool SLUITEN = false;
    // GD holds the dew point of the day drawn last; a day without vapour
    // pressure has none, and no dew point line may reach it.
    bool GDGELDIG = false;

private:
    void BalkKader(int16_t k);
    void Kies();
    void VoerUit();
    void Begrens();
    void NaarMaand();

    void Dag(bool laatste);
    void Maandbegin();
    void Windsnelheid();
    void Windrichting();
    void Nachturen();
    void Zonneschijn();
    void Sneeuwdek();
    void Neerslag();
    void Gemiddelde(bool laatste);
    void Bloklijn(int16_t& G, int from, bool laatste);
    void Grasminimum();
    void Dauwpunt(bool laatste);
};

// Observation listing: the raw archive records, 24 days to a page.
#pragma once

#include <cstdint>

void SCHERMLISTING(int16_t TAAL);

// The listing with its variables; SCHERMLISTING runs it until "STOP".
class SchermListing {
public:
    explicit SchermListing(int16_t taal) : TAAL(taal) {}
    void Run();

    void KOPPEN();
    void LISTEN(int32_t& recnr);
    void COMMANDOBALK(int16_t taal, int16_t klist);
    void KIES(int16_t& KK, int16_t NN, int16_t NX);

    int16_t TAAL;
    int16_t KLIST = 6;
    int16_t KLMM = 6;
    bool VOOR = false;
    bool STOP = false;
    bool UIT = false;

private:
    void Kader(int16_t k);
    void VoerUit();
};

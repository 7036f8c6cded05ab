// The views the main menu's entries call, by entry number.
#include "shell/menuviews.h"

#include "views/untmete1.h"
#include "views/untmete2.h"
#include "views/untmete3.h"

MenuView MenuViewFor(int16_t entry) {
    switch (entry) {
        case 1: return SCHERMLISTING;
        case 2: return TOONWAARNEMINGEN;
        case 3: return TEMPVOCHTIGH;
        case 4: return TEMPDAUWPUNT;
        case 5: return WINDSNELHEID;
        case 6: return STOKESPLUVIO;
        default: return nullptr;
    }
}

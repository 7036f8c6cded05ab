// Observation listing: the raw archive records, 24 days to a page.
#include "views/untmete1.h"

#include <array>
#include <string>
#include <string_view>

#include "archive/untmete0.h"
#include "platform/graph.h"
#include "toolkit/untgrafisch.h"
#include "toolkit/untprogdelen.h"

namespace {

constexpr int YCOMM = 446;
constexpr int kRegels = 24;

constexpr std::array<std::string_view, 3> SCOMM = {
    " -4jr  -1jr -3mnd -23dg  temp  STOP  rest +23dg +3mnd  +1jr  +4jr ",
    " -4yr  -1yr -3mth -23ds  temp  QUIT  rest +23ds +3mth  +1yr  +4yr ",
    " -4Jr  -1Jr -3Mon -23Tg  Temp  HALT  übrg +23Tg +3Mon  +1Jr  +4Jr ",
};

// Days each command moves the page; 0 for the commands that do not move it.
constexpr std::array<int32_t, 12> kStap = {0, -1461, -365, -93, -23, 0, 0, 0, 23, 93, 365, 1461};

// Bytes that are not printable characters show as blank cells.
char Toonbaar(char c) {
    auto b = static_cast<unsigned char>(c);
    return b >= 0x20 && b < 0x7F ? c : ' ';
}

}  // namespace

void SchermListing::Run() {
    F.Reset();
    RECNR = 0;
    KLIST = 6;
    VOOR = false;
    STOP = false;
    while (!STOP) {
        KOPPEN();
        LISTEN(RECNR);
        COMMANDOBALK(TAAL, KLIST);
        KIESLUS(
            KLIST, KLMM, UIT, [this] { KIES(KLIST, 1, 11); }, [this](int16_t k) { Kader(k); }, Red);
        VoerUit();
    }
}

void SchermListing::VoerUit() {
    switch (KLIST) {
        case 5: VOOR = true; break;
        case 6: STOP = true; break;
        case 7: VOOR = false; break;
        default: RECNR += kStap[static_cast<size_t>(KLIST)]; break;
    }
}

void SchermListing::KOPPEN() {
    GRSCHERM(Yellow, Blue);
    OutTextXY(96, 4, VOOR ? SKOP1 : SKOP2);
    OutTextXY(96, 20, VOOR ? SFOR1 : SFOR2);
}

void SchermListing::LISTEN(int32_t& recnr) {
    if (recnr < 0) recnr = 0;
    // An archive shorter than a page is listed from its first record; the
    // page then simply ends with the last record there is.
    if (recnr + kRegels > F.FileSize()) recnr = F.FileSize() - kRegels;
    if (recnr < 0) recnr = 0;
    F.Seek(recnr);
    for (int16_t REG = 1; REG <= kRegels && !F.Eof(); ++REG) {
        F.Read();
        std::string SLISTREC = VOOR ? SREC.substr(0, 56) : SREC.substr(0, 15) + ">" + SREC.substr(56, 40);
        for (char& c : SLISTREC) c = Toonbaar(c);
        OutTextXY(96, 30 + 16 * REG, SLISTREC);
    }
}

void SchermListing::Kader(int16_t k) { Rectangle(56 + 48 * (k - 1), 442, 55 + 48 * k, 458); }

void SchermListing::COMMANDOBALK(int16_t taal, int16_t klist) {
    GRETIKET(56, 442, 583, 458, Red, Red);
    GRKLEUR(Yellow);
    OutTextXY(56, YCOMM, SCOMM[static_cast<size_t>(taal - 1)]);
    OutTextXY(130, 466, ANAVIGATIE[static_cast<size_t>(taal - 1)]);
    Kader(klist);
}

void SchermListing::KIES(int16_t& KK, int16_t NN, int16_t NX) {
    LEESKEY(KR);
    UIT = KIESSTAP(KR, KK, NN, NX);
}

void SCHERMLISTING(int16_t TAAL) { SchermListing(TAAL).Run(); }

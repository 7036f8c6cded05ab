// Monthly observation charts
#include "views/untmete2.h"

#include <array>
#include <cstdio>

#include "archive/untmete0.h"
#include "formulas/untformules.h"
#include "formulas/untverdamping.h"
#include "platform/graph.h"
#include "toolkit/runerror.h"
#include "toolkit/untgrafisch.h"
#include "toolkit/untprogdelen.h"

namespace {

constexpr int16_t YCOMM = 454;
// The chart may start from June 1941 to October 1971, as month indexes
// yy * 12 + mm - 1; the last window still shows the archive's last day.
constexpr int32_t EERSTEMAAND = 497;
constexpr int32_t LAATSTEMAAND = 861;
constexpr double NBR = 52.55;  // latitude of the site, degrees north

using Taalteksten = std::array<std::string_view, 3>;

constexpr Taalteksten SCOMM = {
    " -4jr  -1jr -3mnd -1mnd  Lgnd  STOP +1mnd +3mnd  +1jr  +4jr ",
    " -4yr  -1yr -3mth -1mth  Lgnd  QUIT +1mth +3mth  +1yr  +4yr ",
    " -4Jr  -1Jr -3Mnt -1Mnt  Lgnd  HALT +1Mnt +3Mnt  +1Jr  +4Jr ",
};

// Months that each command moves the start of the chart; the legend and
// the stop entry leave it.
constexpr std::array<int32_t, 10> STAP = {-48, -12, -3, -1, 0, 0, 1, 3, 12, 48};

struct Tekstplek {
    int16_t x, y;
    std::string_view tekst;
};

constexpr std::array<Tekstplek, 28> SCHAALTEKST = {{
    {0, 30, "  F"},    {610, 4, "m/s"},   {610, 16, " 10"},  {610, 36, "  5"},  {0, 74, "  D"},
    {610, 60, "  n"},  {610, 68, "  w"},  {610, 76, "  z"},  {610, 84, "  o"},  {0, 140, "Zon"},
    {610, 110, " 18"}, {610, 128, " 12"}, {610, 146, "  6"}, {0, 171, "Snd"},  {610, 184, " RR"},
    {610, 216, " 10"}, {610, 256, " 20"}, {610, 296, " 30"}, {610, 336, " 40"}, {610, 376, " 50"},
    {610, 386, " mm"}, {0, 246, "grC"},   {0, 256, "+30"},   {0, 296, "+20"},   {0, 336, "+10"},
    {0, 376, "  0"},   {0, 416, "-10"},   {0, 456, "-20"},
}};

// Each explanation stands in the band it explains.
constexpr std::array<std::array<int16_t, 2>, 14> LEGENDAPLEK = {{
    {40, 30}, {40, 74}, {120, 87}, {40, 118}, {40, 140}, {120, 152}, {40, 171},
    {40, 196}, {40, 306}, {64, 318}, {64, 330}, {64, 342}, {64, 354}, {64, 366},
}};

constexpr std::array<std::array<std::string_view, 14>, 3> ALEGENDA = {{
    {{
        "etmaalgemiddelde windsnelheid gemeten op 9-m hoogte",
        "gemiddelde windrichting, waargenomen op 08, 14 en 19h",
        "(dunne lijntjes = windstilte of variabele wind)",
        "opgevuld deel: nachtelijke uren",
        "balkjes:  geregistreerd aantal uren zonneschijn",
        "(voor juni 1945:  geschat aantal uren zonneschijn)",
        "sterretjes:  dagen met sneeuwdek",
        "balkjes:  etmaalsom neerslag 0-24h (pluviograaf)",
        "TEMPERATUUR EN DAUWPUNT  (schaal links):",
        "bovenste bloklijn:  maximumtemperatuur 19-19h",
        "dunne lijntje:      etmaalgemiddelde luchttemperatuur",
        "onderste bloklijn:  minimumtemperatuur 19-19h",
        "min-tekentje:       minimumtemperatuur 10 cm, 19-08h",
        "dikke blauwe lijn:  etmaalgemiddelde dauwpuntstemperatuur",
    }},
    {{
        "dayly averages windspeed at 9-m hight",
        "averaged 3xdayly observed winddirection",
        "(thin lines: calm or variable wind)",
        "filled part: noctunal hours",
        "bars: observed hours of sunshine duration",
        "before june 1945:  estimated sunshine duration)",
        "asterix:  days with snowcover",
        "bars:  sums 0-24h of precipitation (pluviograph)",
        "TEMPERATURE AND DEWPOINT  (scale left):",
        "upper blockline:  maximumtemperature 19-19h",
        "thin line:        dayly averages airtemperature",
        "lowest blockline: minimumtemperature 19-19h",
        "minus-symbol:     minimumtemperature 10 cm, 19-08h",
        "fat blue line:    dayly averages dewpointtemperature",
    }},
    {{
        "gemittelte Windgeschwindigkeit am 9-m Höhe",
        "gemittelte 3xTags beobachtete Windrichtung",
        "(dunne Leinschen = Windstille oder variabele Wind)",
        "angefült Teil: nächtliche Stunden",
        "Balkchen:  registrierte Stunden Sonnenscheindauer",
        "(bevor juni 1945:  geschätzte Sonnenscheindauer)",
        "Sternschen:  Tage mit Schneedeck",
        "Balkschen:  Etmalsumme Niederschlag 0-24h (Pluviograaf)",
        "TEMPERATUR EN TAUPUNKT  (Skala links):",
        "oberne Blocklinie:  Maximumtemperatur 19-19h",
        "dunne Linie:        Tagesmittel Lufttemperatur",
        "untere Blocklinie:  Minimumtemperatur 19-19h",
        "Minuszeichen:       Minimumtemperatur 10 cm, 19-08h",
        "dicke blaue Linie:  Tagesmittel Taupunktstemperatur",
    }},
}};

bool BekendeTaal(int16_t taal) { return taal >= 1 && taal <= 3; }

std::string_view Tekst(const Taalteksten& t, int16_t taal) {
    return BekendeTaal(taal) ? t[static_cast<size_t>(taal - 1)] : std::string_view();
}

// y of a temperature in tenths of a degree: 0 degrees on y = 380, 4 pixels a degree.
int32_t TemperatuurY(int32_t t) { return 380 - (4 * (t + 1)) / 10; }

}  // namespace

void TOONWAARNEMINGEN(int16_t TAAL) { ToonWaarnemingen(TAAL).Run(); }

void ToonWaarnemingen::Run() {
    F.Reset();
    STOP = false;
    KLIST = 5;
    SDAM = "4106";
    RECNR = 0;
    DAM = FieldNumber(SDAM);
    MNDMEM = (DAM / 100) * 12 + DAM % 100 - 1;
    do {
        MAAKKADER();
        MAAKGRAFIEK(RECNR);
        COMMANDOBALK(TAAL, KLIST);
        Kies();
        VoerUit();
        Begrens();
        NaarMaand();
    } while (!STOP);
}

void ToonWaarnemingen::BalkKader(int16_t k) { Rectangle((k - 1) * 48 + 80, 450, k * 48 + 79, 466); }

void ToonWaarnemingen::Kies() {
    KIESLUS(
        KLIST, KLMM, UIT, [this] { KIES(KLIST, 1, 10); }, [this](int16_t k) { BalkKader(k); }, Red);
}

void ToonWaarnemingen::VoerUit() {
    if (KLIST == 5) LEGENDA(TAAL);
    if (KLIST == 6) STOP = true;
    MNDMEM += STAP[static_cast<size_t>(KLIST - 1)];
}

void ToonWaarnemingen::Begrens() {
    if (MNDMEM < EERSTEMAAND) {
        FLUITEN();
        MNDMEM = EERSTEMAAND;
    }
    if (MNDMEM > LAATSTEMAAND) {
        FLUITEN();
        MNDMEM = LAATSTEMAAND;
    }
}

void ToonWaarnemingen::NaarMaand() {
    DAM = (MNDMEM / 12) * 100 + MNDMEM % 12 + 1;
    char tekst[16];
    std::snprintf(tekst, sizeof tekst, "%4d", static_cast<int>(DAM));
    SDAM = tekst;
    RECNR = DAGNUMMER(SDAM + "01") - AANV;
}

void ToonWaarnemingen::KIES(int16_t& KK, int16_t NN, int16_t NX) {
    LEESKEY(KR);
    UIT = KIESSTAP(KR, KK, NN, NX);
}

void ToonWaarnemingen::COMMANDOBALK(int16_t TAAL, int16_t KLIST) {
    // A broken outline would let the bar's fill run over the whole screen.
    SetLineStyle(SolidLn, 0, NormWidth);
    GRETIKET(80, 450, 559, 466, Red, Red);
    GRKLEUR(Yellow);
    OutTextXY(80, YCOMM, Tekst(SCOMM, TAAL));
    OutTextXY(130, 470, Tekst(ANAVIGATIE, TAAL));
    BalkKader(KLIST);
}

void ToonWaarnemingen::MAAKKADER() {
    GRSCHERM(LightGray, Blue);
    SetLineStyle(SolidLn, 0, NormWidth);
    for (int y : {60, 96, 168, 180}) Line(0, y, 632, y);
    SetLineStyle(DottedLn, 0, NormWidth);
    for (int y : {20, 40, 114, 132, 150}) Line(28, y, 608, y);
    for (int H = 1; H <= 7; ++H) {
        // The 0 degree line is solid.
        SetLineStyle(H == 5 ? SolidLn : DottedLn, 0, NormWidth);
        Line(28, 180 + 40 * H, 608, 180 + 40 * H);
    }
    for (const Tekstplek& t : SCHAALTEKST) OutTextXY(t.x, t.y, t.tekst);
    GRKLEUR(Yellow);
    OutTextXY(0, 0, "Duinvelde");
}

void ToonWaarnemingen::LEGENDA(int16_t TAAL) {
    MAAKKADER();
    SetLineStyle(SolidLn, 0, NormWidth);
    Line(27, 0, 27, 469);
    if (BekendeTaal(TAAL))
        for (size_t r = 0; r < LEGENDAPLEK.size(); ++r)
            OutTextXY(LEGENDAPLEK[r][0], LEGENDAPLEK[r][1], ALEGENDA[static_cast<size_t>(TAAL - 1)][r]);
    LEESKEY(KR);
}

void ToonWaarnemingen::MAAKGRAFIEK(int32_t RECNR) {
    RECMEM = RECNR;
    F.Seek(RECNR);
    SLUITEN = false;
    XX = 26;
    if (F.Eof()) {
        // A window that begins past the archive's last day has nothing to show.
        FLUITEN();
        SLUITEN = true;
        return;
    }
    do {
        F.Read();
        const bool laatste = F.Eof();
        Dag(laatste);
        ++RECNR;
        XX = Checked16(XX + 6, "XX");
        SetLineStyle(SolidLn, 0, NormWidth);
        if (laatste) {
            FLUITEN();
            SLUITEN = true;
        }
    } while (RECNR != RECMEM + 96 && !SLUITEN);
}

// One day's column; the archive's last day has no temperature lines, since
// the line to the next day could not be drawn.
void ToonWaarnemingen::Dag(bool laatste) {
    DAM = Veld(8, 4);
    MNDNR = (DAM / 100) * 12 + DAM % 100 - 1;
    GRKLEUR(Yellow);
    if (MNDNR != MNDMM || XX == 26) Maandbegin();
    Windsnelheid();
    Windrichting();
    Nachturen();
    Zonneschijn();
    Sneeuwdek();
    Neerslag();
    Gemiddelde(laatste);
    Bloklijn(G1, 27, laatste);
    Bloklijn(G2, 32, laatste);
    Grasminimum();
    Dauwpunt(laatste);
}

void ToonWaarnemingen::Maandbegin() {
    SDAM = std::string(Kolommen(8, 4));
    DD = Veld(12, 2);
    SetLineStyle(SolidLn, 0, NormWidth);
    XX = Checked16(XX + 1, "XX");
    // The first separator is the chart's left edge and reaches further down.
    Line(XX, 0, XX, XX < 28 ? 469 : 465);
    // The label stands where the month's first day is; past x = 482 it would
    // run off the chart.
    if (XX < 482 && DD < 10) OutTextXY(XX + 77 - 8 * DD, 0, SDAM);
    MNDMM = MNDNR;
}

void ToonWaarnemingen::Windsnelheid() {
    GG = Veld(67, 4);
    GG = 60 - (4 * GG) / 10;
    Bar(XX + 2, GG, XX + 5, 60);
}

// North at the top of the band, then west, south and east: sectors of 45
// degrees centred on the compass points, 4 pixels each.
void ToonWaarnemingen::Windrichting() {
    if (Kolommen(61, 1)[0] == '9') {
        Bar(XX + 2, 93, XX + 5, 93);
        return;
    }
    GG = Veld(57, 4);
    if (GG > 0 && GG != 999) {
        if (GG < 23) GG = GG + 360;
        GG = GG - 23;
        GG = 90 - (GG / 45) * 4;
        Bar(XX + 3, GG, XX + 4, GG + 4);
    } else {
        Bar(XX + 4, 92, XX + 4, 96);
    }
}

void ToonWaarnemingen::Nachturen() {
    GMM = Veld(10, 2);
    GDD = Veld(12, 2);
    GG = Checked32(TruncReal(DAGLENGTE(NBR, GMM, GDD), "day length"), "GG");
    GG = 168 - (3 * GG) / 10;
    GRSTIPPELVULLING(LightCyan);
    Bar(XX + 1, 97, XX + 6, GG);
    GRVOLLEVULLING(Yellow);
}

void ToonWaarnemingen::Zonneschijn() {
    GG = Veld(87, 4);
    GG = 168 - (3 * GG) / 10;
    Bar(XX + 2, GG, XX + 5, 168);
}

void ToonWaarnemingen::Sneeuwdek() {
    const auto code = static_cast<unsigned char>(Kolommen(21, 1)[0]);
    if (code > '4' && code < '8') OutTextXY(XX + 1, 171, "*");
}

void ToonWaarnemingen::Neerslag() {
    GG = Veld(77, 4);
    GG = (4 * GG) / 10 + 180;
    Bar(XX + 2, 180, XX + 5, GG);
}

void ToonWaarnemingen::Gemiddelde(bool laatste) {
    GG = GM;
    SetLineStyle(SolidLn, 0, NormWidth);
    GM = Checked16(Veld(37, 4), "T");
    GM = Checked16(TemperatuurY(GM), "GM");
    if (!laatste && XX > 28) Line(XX - 2, GG, XX + 4, GM);
}

// The minimum or the maximum as a step line: a riser from yesterday's level,
// then today's level across the column.
void ToonWaarnemingen::Bloklijn(int16_t& G, int from, bool laatste) {
    GG = G;
    SetLineStyle(SolidLn, 0, NormWidth);
    G = Checked16(Veld(from, 4), "temperature");
    G = Checked16(TemperatuurY(G), "temperature y");
    if (laatste) return;
    if (XX > 28) Line(XX + 1, GG, XX + 1, G);
    Line(XX + 1, G, XX + 6, G);
}

void ToonWaarnemingen::Grasminimum() {
    GG = Veld(22, 4);
    GG = TemperatuurY(GG);
    if (Kolommen(22, 4) != "    ") Line(XX + 2, GG, XX + 5, GG);
}

// The dew point exists only for a positive vapour pressure; a day without
// one breaks the line on both sides.
void ToonWaarnemingen::Dauwpunt(bool laatste) {
    GRKLEUR(Cyan);
    GG = GD;
    SetLineStyle(SolidLn, 0, ThickWidth);
    GGD = Veld(47, 4);
    const bool gisteren = GDGELDIG;
    GDGELDIG = GGD > 0;
    if (GDGELDIG) {
        const long long N = RoundReal(TD(GGD) * 4.0, "dew point");
        GD = Checked16(380 - N / 10, "GD");
    }
    if (!laatste && XX > 28 && gisteren && GDGELDIG) Line(XX - 2, GG, XX + 4, GD);
}

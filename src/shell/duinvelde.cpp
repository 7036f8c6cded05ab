// The main program: start-up, language screen, main menu and end.
#include "shell/duinvelde.h"

#include <array>
#include <string_view>

#include "archive/untmete0.h"
#include "formulas/untformules.h"
#include "platform/graph.h"
#include "shell/menuviews.h"
#include "toolkit/untgrafisch.h"
#include "toolkit/untprogdelen.h"

namespace {

constexpr int16_t MXKEUS = 12;
constexpr int FNT = 0;
constexpr int YBALK = 460;

using Taalteksten = std::array<std::string_view, 3>;

constexpr Taalteksten AOPSCHR = {
    "     METEO  REGISTRATIES     ",
    "     METEO REGISTRATIONS     ",
    "    METEO REGISTRIERUNGEN    ",
};
constexpr std::string_view SBALK = " Nederlands   English     Deutsch";
constexpr std::string_view SONDERTITEL = "Duinvelde 1941-1961";

// The history of the site, told on the language screen.
constexpr std::array<std::array<std::string_view, 16>, 3> ATEKST = {{
    {{
        "Met het doel om bij deze lysimeterinstallatie te kunnen  ",
        "experimenteren met verdampingsformules, plaatste het KNMI",
        "op het waarnemingsterrein naast lysimeter-1 instrumenta- ",
        "rium, waarmee luchttemperatuur, windsnelheid op 9m hoogte",
        "en neerslag werden geregistreerd. In mei 1945 werd dit   ",
        "uitgebreid met registratie van zonneschijnduur en rela-  ",
        "tieve vochtigheid. September 1953 volgde nog windsnelheid",
        "op 2m hoogte. Daar de berekening van de verdamping vraagt",
        "om al deze waarnemingen, werden niet alleen de hiaten,   ",
        "onderweg, maar bij zon, relatieve vochtigheid en wind-2m ",
        "ook nog de ontbrekende beginjaren aangevuld.             ",
        "     Het gaat om veelzijdig bruikbaar materiaal. De waar-",
        "nemers blijken werk van zo voortreffelijke kwaliteit te  ",
        "hebben afgeleverd, dat waterbalansen van lysimeter-1 ge- ",
        "nadeloos lieten zien waar in mijn aanvullingen nog slor- ",
        "digheden zaten. Zie verslag: \"Jaarboek verdamping III\".  ",
    }},
    {{
        "Aiming to earn possibilities to experiment with evapora- ",
        "tion formula, KNMI installed on the grassfield around ly-",
        "simeter-1 instruments to registrate airtemperature, wind-",
        "velocity at 9m hight, and precipitation. In may 1945 fol-",
        "lowed the Campbell-Stokes for sunshine duration and a    ",
        "hygrograph for relative humidity. September 1953 followed",
        "windvelocity at 2m hight. As deriving evaporation askes  ",
        "for all these observations, not only the hiates underway,",
        "but for sunshine duration, relative humidity and wind-2m ",
        "also the absent begining years were completed.           ",
        "     This delivered these multy-way usable observations. ",
        "As appears here, the observers delivered work of such    ",
        "excellent quality, that computed waterbalances of lysime-",
        "meter-1 enlighted mercyless where my completed observa-  ",
        "tions contained slovenlinesses. For the ful story, see   ",
        "the report: \"Jaarboek verdamping III\".                   ",
    }},
    {{
        "Mit Augenmark die Möglichkeit zu schaffen, zu experimen- ",
        "tieren mit Verdunstungsformeln, installierte KNMI Appara-",
        "tur zum registrieren der Lufttemperatur, Windgeschwindig-",
        "keit am 9m höhe und Niederschlag. Am Mai 1945 folgten    ",
        "Sonnenscheindauer und Relativfeuchte. September 1953 kam ",
        "dazu noch Windgeschwindigkeit am 2m höhe. Als Berechnung ",
        "der Verdunstung fragt um alle diese Beobachtungen, sind  ",
        "nicht nur Lücken in die Registrierungen, aber auch die   ",
        "fehlende Anfangsjahre bei Sonnenscheindauer, Rel.feuchte ",
        "und Wind-2m hier kompletiert.                            ",
        "     Dieses lieferte ein vielseitig nutzbares Material.  ",
        "Auch zeigte sich hier, dass die Beobachter eine Arbeit   ",
        "mit sehr höhe Qualität ablieferten. Wasserbilanzen von   ",
        "Lysimeter-1 offenbarten gnadenlos wo meine Kompletierung-",
        "en Unordentlichkeiten erhalteten. Hier sei verwiesen nach",
        "das Bericht: \"Jaarboek verdamping III\".                  ",
    }},
}};

constexpr std::array<std::array<std::string_view, MXKEUS>, 3> ASHOWPR = {{
    {{
        "Schermlisting waarnemingen",
        "Waarnemingen in beeld",
        "Halfjaargem. luchttemperatuur en rel.vochtigh.",
        "Halfjaargem. luchttempperatuur en dauwpunt",
        "Halfjaargem. wind op 2m, 9m en Den Helder",
        "Halfjaarwaarden Campbell Stokes en Pluviograaf",
        "Puntenwolken: uitkomsten van verdampingsformules",
        "Winters in beeld",
        "Zomers in beeld",
        "Toestand van het klimaat in Duinvelde",
        "Weergegevens van opgegeven dag",
        "Stoppen",
    }},
    {{
        "Listing of the observations",
        "Observations pictured on screen",
        "Halfannual averages of temperature and rel.humid.",
        "Halfannual averages of temperature and dewpoint",
        "Halfannual av. windvelocity 2m, 9m and Den Helder",
        "Halfannual values Campbell-Stokes and Pluviograph",
        "Pointclouds: Dayly results of evaporationformula",
        "Hellmann-sums:   Development of the winters",
        "Sums tt>20 degC: Development of the summers",
        "State of the Climate of Duinvelde",
        "Weatherobservations of a given date",
        "Quit",
    }},
    {{
        "Schirmabbildung Beobachtungen",
        "Beobachtungen im Bild",
        "Halbjahrgemittelten Temperatur und Rel.Feuchte",
        "Halbjahrgemittelten Temperatur und Taupunkt",
        "Halbjahrgemittelten Wind-2m, -9m und Den Helder",
        "Halbjahrwerten Campbell-Stokes und Pluviograph",
        "Punktwolken: Ergebnissen Verdunstungsformeln",
        "Hellmannsummen: Vorgang aller Winter",
        "Wärmesummen:    Vorgang aller Sommer",
        "Zustand Klimat Duinveldes",
        "Wetterbeobachtungen einer an zu weisen Daten",
        "Abstellen",
    }},
}};

std::string_view Tekst(const Taalteksten& t, int16_t taal) { return t[static_cast<size_t>(taal - 1)]; }

}  // namespace

void InitialiseerModules() {
    // The order is fixed: only the archive and the formula module do work.
    InitUntMete0();
    InitUntFormules();
}

void SluitModules() { SluitUntMete0(); }

void Hoofdprogramma::Run() {
    INITIEER();
    KIESTAAL();
    SHOWKEUZE();
    GRSCHERM(White, Black);
    TraceEvent("end stopped");
    GRWISDRIVER();
}

void Hoofdprogramma::INITIEER() {
    KTL = 1;
    TAAL = 1;
    KSP = 1;
    GRHAALDRIVER();
    GRNAARGRAP();
}

void Hoofdprogramma::KIES(int16_t& KK, int16_t NN, int16_t NX) {
    LEESKEY(KR);
    UIT = KIESSTAP(KR, KK, NN, NX);
}

void Hoofdprogramma::TaalKader(int16_t k) { Rectangle(178 + 96 * (k - 1), 452, 177 + 96 * k, 476); }

void Hoofdprogramma::MenuKader(int16_t k) { Rectangle(110, 104 + 16 * k, 517, 123 + 16 * k); }

void Hoofdprogramma::TekenTaalscherm() {
    GRSCHERM(Yellow, Black);
    SetTextStyle(FNT, 0, 4);
    GRKLEUR(Yellow);
    OutTextXY(90, 10, Tekst(AOPSCHR, TAAL));
    SetTextStyle(FNT, 0, 2);
    OutTextXY(244, 40, SONDERTITEL);
    GRETIKET(70, 80, 580, 370, Yellow, Blue);
    for (int r = 1; r <= 16; ++r) OutTextXY(96, 88 + 16 * r, ATEKST[TAAL - 1][r - 1]);
    OutTextXY(130, 436, Tekst(ANAVIGATIE, TAAL));
}

// Each old text is erased by writing it again in the colour behind it.
void Hoofdprogramma::VervangTeksten() {
    SetTextStyle(FNT, 0, 4);
    GRKLEUR(Black);
    OutTextXY(90, 10, Tekst(AOPSCHR, KMM));
    GRKLEUR(Yellow);
    OutTextXY(90, 10, Tekst(AOPSCHR, TAAL));
    SetTextStyle(FNT, 0, 2);
    for (int r = 1; r <= 16; ++r) {
        GRKLEUR(Blue);
        OutTextXY(96, 88 + 16 * r, ATEKST[KMM - 1][r - 1]);
        GRKLEUR(Yellow);
        OutTextXY(96, 88 + 16 * r, ATEKST[TAAL - 1][r - 1]);
    }
    GRKLEUR(Black);
    OutTextXY(130, 436, Tekst(ANAVIGATIE, KMM));
    GRKLEUR(Yellow);
    OutTextXY(130, 436, Tekst(ANAVIGATIE, TAAL));
}

void Hoofdprogramma::KIESTAAL() {
    TekenTaalscherm();
    for (;;) {
        GRETIKET(178, 452, 465, 476, Red, Red);
        GRKLEUR(Yellow);
        OutTextXY(178, YBALK, SBALK);
        SetLineStyle(SolidLn, 0, NormWidth);
        TaalKader(KTL);
        KMM = KTL;
        KIES(KTL, 1, 3);
        TAAL = KTL;
        if (UIT) return;
        VervangTeksten();
        GRKLEUR(Red);
        TaalKader(KMM);
        GRKLEUR(Yellow);
        TaalKader(KTL);
    }
}

void Hoofdprogramma::SHOWKEUZE() {
    do {
        GRSCHERM(Yellow, Black);
        SetLineStyle(SolidLn, 0, NormWidth);
        GRETIKET(90, 90, 550, 360, Yellow, Blue);
        STOPPEN = false;
        SetTextStyle(FNT, 0, 4);
        OutTextXY(90, 10, Tekst(AOPSCHR, TAAL));
        SetTextStyle(FNT, 0, 2);
        OutTextXY(244, 40, SONDERTITEL);
        for (int e = 1; e <= MXKEUS; ++e) OutTextXY(120, 108 + 16 * e, ASHOWPR[TAAL - 1][e - 1]);
        OutTextXY(130, 376, Tekst(ANAVIGATIE, TAAL));
        do {
            GRKLEUR(Yellow);
            MenuKader(KSP);
            KMM = KSP;
            KIES(KSP, 1, MXKEUS);
            GRKLEUR(Blue);
            MenuKader(KMM);
        } while (!UIT);
        VoerKeuzeUit(KSP);
    } while (!STOPPEN);
}

void Hoofdprogramma::VoerKeuzeUit(int16_t keuze) {
    if (keuze == MXKEUS) {
        STOPPEN = true;
        return;
    }
    if (MenuView view = MenuViewFor(keuze)) view(TAAL);
}

// The monthly chart drawn into the framebuffer from small archives.
#include "views/untmete2.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <random>
#include <vector>

#include "archive/untmete0.h"
#include "platform/graph.h"
#include "support/fixtures.h"
#include "support/pixels.h"
#include "support/programrun.h"
#include "toolkit/runerror.h"

namespace {

using namespace testsupport;

using Fill = std::function<void(int, Day&)>;

// A chart view over an archive written into a fresh working directory.
class ChartDrawing : public ::testing::Test {
protected:
    void Open(const std::string& archive) {
        WriteFile(dir.path() / FILENAAM, archive);
        home = fs::current_path();
        fs::current_path(dir.path());
        InitUntMete0();
        InitGraph(2, 4, "test");
    }
    void TearDown() override {
        SluitUntMete0();
        if (!home.empty()) fs::current_path(home);
    }
    // The frame and the 96 days from record n.
    const Framebuffer& Chart(const std::string& archive, int32_t n = 0) {
        Open(archive);
        view.MAAKKADER();
        view.MAAKGRAFIEK(n);
        return Screen();
    }
    const Framebuffer& Chart(int days, const Fill& fill, int32_t n = 0) { return Chart(ArchiveOfDays(days, fill), n); }

    TempDir dir;
    fs::path home;
    ToonWaarnemingen view{1};
};

// x of the column of day i of a June window (the only month start is day 0).
int XX(int i) { return 27 + 6 * i; }

TEST_F(ChartDrawing, FirstRecordHasTheLongSeparatorTheLabelAndNoConnectingLines) {
    const Framebuffer& fb = Chart(100, [](int, Day& d) { d.Set("T", 200).Set("Tn", 100).Set("Tx", 300).Set("e", 100); });
    EXPECT_EQ(ColourIn(fb, Yellow, 27, 0, 27, 479), Rect(27, 0, 27, 469));
    EXPECT_EQ(ColourIn(fb, Yellow, 96, 0, 127, 15), TextPixels(96, 0, "4106"));
    // The block lines of the first day have no risers: only their levels cross x = 28.
    EXPECT_EQ(ColourIn(fb, Yellow, 28, 181, 28, 479), (Pixels{{28, 260}, {28, 340}}));
    EXPECT_TRUE(ColourIn(fb, Yellow, 24, 181, 26, 479).empty());
    EXPECT_TRUE(ColourIn(fb, Cyan, 0, 0, 30, 479).empty());
}

TEST_F(ChartDrawing, StaleLinesOfAnEarlierWindowAreNotJoinedToTheFirstDay) {
    // As if an earlier window had ended on the top line of the screen.
    view.GM = view.G1 = view.G2 = view.GD = 100;
    view.GDGELDIG = true;
    const Framebuffer& fb = Chart(100, [](int, Day& d) { d.Set("T", 200).Set("Tn", 100).Set("Tx", 300).Set("e", 100); });
    EXPECT_TRUE(ColourIn(fb, Yellow, 28, 101, 28, 259).empty());
    EXPECT_TRUE(ColourIn(fb, Yellow, 24, 181, 26, 479).empty());
    EXPECT_TRUE(ColourIn(fb, Cyan, 0, 0, 30, 479).empty());
}

TEST_F(ChartDrawing, LaterMonthStartsAreOnePixelFurtherRightWithLabels69PixelsOn) {
    const Framebuffer& fb = Chart(100, [](int, Day&) {});
    // July, August and September 1941 begin on days 30, 61 and 92 of the window.
    for (int x : {208, 395, 582}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(ColourIn(fb, Yellow, x, 0, x, 479), Rect(x, 0, x, 465));
    }
    EXPECT_EQ(ColourIn(fb, Yellow, 277, 0, 308, 15), TextPixels(277, 0, "4107"));
    EXPECT_EQ(ColourIn(fb, Yellow, 464, 0, 495, 15), TextPixels(464, 0, "4108"));
}

// Months of one day's length put a month start at day 75 after 4 or 5
// earlier starts: its separator lands on x = 481 or 482.
struct LabelEdge {
    std::vector<int> starts;
    int x;
    const char* label;  // nullptr: none
};
void PrintTo(const LabelEdge& c, std::ostream* out) {
    std::ostream& os = *out;
    os << "separator at " << c.x;
}

class MonthLabelEdge : public ChartDrawing, public ::testing::WithParamInterface<LabelEdge> {};

TEST_P(MonthLabelEdge, NoLabelFromX482On) {
    const LabelEdge c = GetParam();
    const Framebuffer& fb = Chart(100, [&](int i, Day& d) {
        int month = 5, first = 0;
        for (int s : c.starts)
            if (s <= i) ++month, first = s;
        d.month = month;
        d.day = 1 + i - first;
    });
    EXPECT_EQ(ColourIn(fb, Yellow, c.x, 0, c.x, 479), Rect(c.x, 0, c.x, 465));
    Pixels label = ColourIn(fb, Yellow, c.x + 69, 0, c.x + 100, 15);
    if (c.label)
        EXPECT_EQ(label, TextPixels(c.x + 69, 0, c.label));
    else
        EXPECT_TRUE(label.empty());
}

INSTANTIATE_TEST_SUITE_P(Chart, MonthLabelEdge,
                         ::testing::Values(LabelEdge{{0, 10, 20, 30, 75}, 481, "4110"},
                                           LabelEdge{{0, 10, 20, 30, 40, 75}, 482, nullptr}));

// One value on day 20 of the window, clear of the labels: its column runs
// from x = 148 to 153.
constexpr int kDay = 20;
const int X = XX(kDay);

Fill OnDay20(const std::function<void(Day&)>& set) {
    return [set](int i, Day& d) {
        if (i == kDay) set(d);
    };
}

// The Yellow pixels of the day's column in one band: a bar from `top` to
// `bottom` over x = X + 2 to X + 5, cut to the band; none when top > bottom.
struct BarCase {
    const char* field;
    int value;
    int bandTop, bandBottom;
    int top, bottom;
};
void PrintTo(const BarCase& c, std::ostream* out) {
    std::ostream& os = *out;
    os << c.field << " " << c.value;
}

class DayBars : public ChartDrawing, public ::testing::WithParamInterface<BarCase> {};

TEST_P(DayBars, BarOfTheValue) {
    const BarCase c = GetParam();
    const Framebuffer& fb = Chart(96, OnDay20([&](Day& d) { d.Set(c.field, c.value); }));
    EXPECT_EQ(ColourIn(fb, Yellow, X + 1, c.bandTop, X + 6, c.bandBottom),
              Within(Rect(X + 2, c.top, X + 5, c.bottom), 0, c.bandTop, 639, c.bandBottom));
}

INSTANTIATE_TEST_SUITE_P(Chart, DayBars,
                         ::testing::Values(BarCase{"f9", 0, 0, 60, 60, 60}, BarCase{"f9", 9, 0, 60, 57, 60},
                                           BarCase{"f9", 25, 0, 60, 50, 60}, BarCase{"f9", 150, 0, 60, 0, 60},
                                           BarCase{"f9", 300, 0, 60, -60, 60}, BarCase{"f9", -5, 0, 60, 62, 60},
                                           BarCase{"sS", 0, 97, 168, 168, 168}, BarCase{"sS", 105, 97, 168, 137, 168},
                                           BarCase{"sS", 240, 97, 168, 96, 168}, BarCase{"sR", 0, 180, 379, 180, 180},
                                           BarCase{"sR", 37, 180, 379, 180, 194},
                                           BarCase{"sR", 490, 180, 379, 180, 376},
                                           BarCase{"sR", -30, 180, 379, 180, 168}));

struct DirectionCase {
    const char* dd;
    char code;
    Pixels expected;
};
void PrintTo(const DirectionCase& c, std::ostream* out) {
    std::ostream& os = *out;
    os << "DD \"" << c.dd << "\" code \"" << c.code << "\"";
}

class WindDirection : public ChartDrawing, public ::testing::WithParamInterface<DirectionCase> {};

TEST_P(WindDirection, MarkInItsSector) {
    const DirectionCase c = GetParam();
    const Framebuffer& fb = Chart(96, OnDay20([&](Day& d) { d.SetText("DD", c.dd).Code(61, c.code); }));
    EXPECT_EQ(ColourIn(fb, Yellow, X + 1, 61, X + 6, 96), c.expected);
}

Pixels Sector(int y0) { return Rect(X + 3, y0, X + 4, y0 + 4); }
Pixels Calm() { return Rect(X + 4, 92, X + 4, 96); }
Pixels Dash() { return Rect(X + 2, 93, X + 5, 93); }

INSTANTIATE_TEST_SUITE_P(
    Chart, WindDirection,
    ::testing::Values(DirectionCase{"   1", ' ', Sector(62)}, DirectionCase{"  22", ' ', Sector(62)},
                      DirectionCase{"  23", ' ', Sector(90)}, DirectionCase{"  67", ' ', Sector(90)},
                      DirectionCase{"  68", ' ', Sector(86)}, DirectionCase{" 180", ' ', Sector(78)},
                      DirectionCase{" 270", ' ', Sector(70)}, DirectionCase{" 337", ' ', Sector(66)},
                      DirectionCase{" 338", ' ', Sector(62)}, DirectionCase{" 360", ' ', Sector(62)},
                      DirectionCase{"   0", ' ', Calm()}, DirectionCase{" 999", ' ', Calm()},
                      DirectionCase{" -10", ' ', Calm()}, DirectionCase{"    ", ' ', Calm()},
                      DirectionCase{" 180", '9', Dash()}, DirectionCase{" 999", '9', Dash()},
                      DirectionCase{" 180", '8', Sector(78)}));

class SnowStar : public ChartDrawing, public ::testing::WithParamInterface<std::pair<char, bool>> {};

TEST_P(SnowStar, StarForCodes5To7) {
    const auto [code, star] = GetParam();
    const Framebuffer& fb = Chart(96, OnDay20([&](Day& d) { d.Code(21, code); }));
    // Between the sunshine base line and the precipitation bar.
    Pixels seen = ColourIn(fb, Yellow, X + 1, 169, X + 8, 179);
    EXPECT_EQ(seen, star ? Within(TextPixels(X + 1, 171, "*"), 0, 169, 639, 179) : Pixels{});
    if (star) {
        EXPECT_FALSE(seen.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Chart, SnowStar,
                         ::testing::Values(std::pair{'5', true}, std::pair{'6', true}, std::pair{'7', true},
                                           std::pair{'4', false}, std::pair{'8', false}, std::pair{' ', false},
                                           std::pair{'\xb5', false}));

// A steady mean temperature: day 1's segment runs level from x = 31 on. The
// block lines lie at y = 220 and 479, out of the way.
class MeanTemperature : public ChartDrawing, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(MeanTemperature, LevelOfTheValue) {
    const auto [t, y] = GetParam();
    const Framebuffer& fb =
        Chart(96, [&](int, Day& d) { d.Set("T", t).Set("Tn", -250).Set("Tx", 400).SetText("Tgn", "    "); });
    EXPECT_EQ(ColourIn(fb, Yellow, 29, 221, 33, 470), Rect(31, y, 33, y));
}

INSTANTIATE_TEST_SUITE_P(Chart, MeanTemperature,
                         ::testing::Values(std::pair{9, 376}, std::pair{10, 376}, std::pair{-1, 380},
                                           std::pair{-11, 384}, std::pair{0, 380}, std::pair{-200, 459},
                                           std::pair{100, 340}));

TEST_F(ChartDrawing, BlockLinesStepFromYesterdaysLevel) {
    const Framebuffer& fb = Chart(96, [](int i, Day& d) {
        d.Set("T", -250).SetText("Tgn", "    ");
        d.Set("Tn", i == 0 ? 50 : 100).Set("Tx", i == 0 ? 200 : 150);
    });
    Pixels day0 = Union(Rect(28, 360, 33, 360), Rect(28, 300, 33, 300));
    Pixels day1 = Union(Union(Rect(34, 340, 34, 360), Rect(34, 340, 39, 340)),
                        Union(Rect(34, 300, 34, 320), Rect(34, 320, 39, 320)));
    EXPECT_EQ(ColourIn(fb, Yellow, 28, 221, 39, 470), Union(day0, day1));
}

class GrassMinimum : public ChartDrawing, public ::testing::WithParamInterface<std::pair<const char*, int>> {};

TEST_P(GrassMinimum, MarkUnlessBlank) {
    const auto [tgn, y] = GetParam();
    const Framebuffer& fb =
        Chart(96, [&](int, Day& d) { d.Set("T", -250).Set("Tn", -250).Set("Tx", 400).SetText("Tgn", tgn); });
    EXPECT_EQ(ColourIn(fb, Yellow, XX(1) + 1, 221, XX(1) + 6, 470), y ? Rect(35, y, 38, y) : Pixels{});
}

INSTANTIATE_TEST_SUITE_P(Chart, GrassMinimum,
                         ::testing::Values(std::pair{"    ", 0}, std::pair{"   0", 380}, std::pair{" -50", 399},
                                           std::pair{"  12", 375}, std::pair{"  x ", 380}));

// A steady vapour pressure: day 1's thick segment runs level from x = 31 on.
// 109 and 60 fall just past a whole pixel, where truncating would differ.
class DewPoint : public ChartDrawing, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(DewPoint, ThickLineAtTheRoundedDewPoint) {
    const auto [e, y] = GetParam();
    const Framebuffer& fb = Chart(96, [&](int, Day& d) { d.Set("T", -250).Set("Tn", -250).Set("Tx", 400).Set("e", e); });
    EXPECT_EQ(ColourIn(fb, Cyan, 29, 0, 33, 479), Rect(31, y - 1, 33, y + 1));
}

INSTANTIATE_TEST_SUITE_P(Chart, DewPoint,
                         ::testing::Values(std::pair{100, 353}, std::pair{109, 347}, std::pair{60, 381},
                                           std::pair{22, 433}));

// Vapour pressure on day 0 and from day 1 on: a segment between the two
// only when both have a dew point.
struct VapourCase {
    const char* e0;
    const char* e1;
    bool segment;
};
void PrintTo(const VapourCase& c, std::ostream* out) {
    std::ostream& os = *out;
    os << "e \"" << c.e0 << "\" then \"" << c.e1 << "\"";
}

class DewPointGap : public ChartDrawing, public ::testing::WithParamInterface<VapourCase> {};

TEST_P(DewPointGap, NoSegmentToOrFromADayWithoutVapourPressure) {
    const VapourCase c = GetParam();
    const Framebuffer* fb = nullptr;
    ASSERT_NO_THROW(fb = &Chart(96, [&](int i, Day& d) { d.SetText("e", i == 0 ? c.e0 : c.e1); }));
    EXPECT_EQ(ColourIn(*fb, Cyan, 29, 0, 36, 479).empty(), !c.segment);
}

INSTANTIATE_TEST_SUITE_P(Chart, DewPointGap,
                         ::testing::Values(VapourCase{" 100", " 100", true}, VapourCase{" 100", "    ", false},
                                           VapourCase{"    ", " 100", false}, VapourCase{" 100", "   0", false},
                                           VapourCase{"   0", " 100", false}, VapourCase{" 100", "  -5", false},
                                           VapourCase{"  -5", " 100", false}, VapourCase{" 100", " abc", false},
                                           VapourCase{"   1", "9999", true}));

// A typical summer day, so that every element of a column shows.
void SummerDay(int, Day& d) {
    d.Set("f9", 30).Set("sS", 50).Set("sR", 20).Set("T", 100).Set("Tn", 50).Set("Tx", 150);
    d.Set("Tgn", 20).Set("e", 100).Set("DD", 180);
}

TEST_F(ChartDrawing, ArchiveEndingInsideTheWindowStopsAfterItsLastDay) {
    // 40 days: June and the first ten days of July; the last day is day 39.
    const Framebuffer& fb = Chart(40, SummerDay);
    EXPECT_TRUE(view.SLUITEN);
    const int last = 26 + 2 + 6 * 39, before = last - 6;
    // Bars and marks of the last day stay; its temperature and dew point lines do not.
    EXPECT_EQ(ColourIn(fb, Yellow, last + 1, 0, last + 6, 60), Rect(last + 2, 48, last + 5, 60));
    EXPECT_EQ(ColourIn(fb, Yellow, last + 1, 221, last + 6, 470), Rect(last + 2, 372, last + 5, 372));
    EXPECT_TRUE(ColourIn(fb, Cyan, last - 1, 0, last + 6, 479).empty());
    EXPECT_TRUE(AllOf(fb, Rect(before + 1, 360, before + 6, 360), Yellow));
    EXPECT_TRUE(AllOf(fb, Rect(before - 2, 352, before + 4, 354), Cyan));
    // Nothing after it.
    EXPECT_TRUE(ColourIn(fb, Yellow, last + 7, 21, 639, 479).empty());
}

TEST_F(ChartDrawing, WindowBeyondTheArchiveDrawsNothing) {
    const Framebuffer& fb = Chart(40, SummerDay, 100);
    EXPECT_TRUE(view.SLUITEN);
    EXPECT_EQ(ColourIn(fb, Yellow, 0, 0, 639, 479), TextPixels(0, 0, "Duinvelde"));
}

TEST_F(ChartDrawing, GarbageInEveryFieldDrawsWithoutFault) {
    std::mt19937 random(1941);
    std::string archive;
    for (int i = 0; i < 96; ++i) {
        std::string rec(96, ' ');
        for (char& c : rec) c = static_cast<char>(random() & 0xFF);
        // A month outside 1-12 is a fault of its own (below).
        rec.replace(9, 2, i % 2 ? "07" : "12");
        archive += rec;
    }
    EXPECT_NO_THROW(Chart(archive));
}

class ExtremeFields : public ChartDrawing, public ::testing::WithParamInterface<const char*> {};

TEST_P(ExtremeFields, EveryFieldAtTheEndOfItsRange) {
    const std::string v = GetParam();
    EXPECT_NO_THROW(Chart(96, [&](int, Day& d) {
        for (const auto& [label, column] : FieldColumns()) d.SetText(label, v);
    }));
}

INSTANTIATE_TEST_SUITE_P(Chart, ExtremeFields, ::testing::Values("9999", "-999", "   1"));

class GarbageMonth : public ChartDrawing, public ::testing::WithParamInterface<const char*> {};

TEST_P(GarbageMonth, IsARangeError) {
    std::string archive = ArchiveOfDays(96);
    archive.replace(5 * 96 + 9, 2, GetParam());
    try {
        Chart(archive);
        ADD_FAILURE() << "no run-time error";
    } catch (const RunErrorException& e) {
        EXPECT_EQ(e.code(), ErrRange) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Chart, GarbageMonth, ::testing::Values("13", "00", "  ", "-1", "ab", "99"));

struct LegendText {
    int16_t taal;
    std::vector<std::string_view> rows;
};
void PrintTo(const LegendText& c, std::ostream* out) {
    std::ostream& os = *out;
    os << "TAAL " << c.taal;
}

const std::vector<std::pair<int, int>> kLegendPlaces = {
    {40, 30},   {40, 74},   {120, 87},  {40, 118},  {40, 140},  {120, 152}, {40, 171},
    {40, 196},  {40, 306},  {64, 318},  {64, 330},  {64, 342},  {64, 354},  {64, 366},
};

class Legend : public ChartDrawing, public ::testing::WithParamInterface<LegendText> {};

TEST_P(Legend, FourteenRowsInYellowAndTheLeftEdge) {
    const LegendText c = GetParam();
    Open(ArchiveOfDays(96));
    SetKeyScript({"\r"});
    view.LEGENDA(c.taal);
    const Framebuffer& fb = Screen();
    ASSERT_EQ(c.rows.size(), kLegendPlaces.size());
    Pixels texts;
    for (size_t r = 0; r < c.rows.size(); ++r) {
        Pixels row = TextPixels(kLegendPlaces[r].first, kLegendPlaces[r].second, c.rows[r]);
        EXPECT_TRUE(AllOf(fb, row, Yellow)) << "row " << r + 1;
        texts = Union(texts, row);
    }
    // Besides the rows only the town name and the line at x = 27 are Yellow.
    Pixels rest = Union(TextPixels(0, 0, "Duinvelde"), Rect(27, 0, 27, 469));
    EXPECT_EQ(ColourIn(fb, Yellow, 0, 0, 639, 479), Union(texts, rest));
    EXPECT_TRUE(ColourIn(fb, Red, 0, 0, 639, 479).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Chart, Legend,
    ::testing::Values(
        LegendText{1,
                   {"etmaalgemiddelde windsnelheid gemeten op 9-m hoogte",
                    "gemiddelde windrichting, waargenomen op 08, 14 en 19h",
                    "(dunne lijntjes = windstilte of variabele wind)", "opgevuld deel: nachtelijke uren",
                    "balkjes:  geregistreerd aantal uren zonneschijn",
                    "(voor juni 1945:  geschat aantal uren zonneschijn)", "sterretjes:  dagen met sneeuwdek",
                    "balkjes:  etmaalsom neerslag 0-24h (pluviograaf)", "TEMPERATUUR EN DAUWPUNT  (schaal links):",
                    "bovenste bloklijn:  maximumtemperatuur 19-19h",
                    "dunne lijntje:      etmaalgemiddelde luchttemperatuur",
                    "onderste bloklijn:  minimumtemperatuur 19-19h",
                    "min-tekentje:       minimumtemperatuur 10 cm, 19-08h",
                    "dikke blauwe lijn:  etmaalgemiddelde dauwpuntstemperatuur"}},
        LegendText{2,
                   {"dayly averages windspeed at 9-m hight", "averaged 3xdayly observed winddirection",
                    "(thin lines: calm or variable wind)", "filled part: noctunal hours",
                    "bars: observed hours of sunshine duration", "before june 1945:  estimated sunshine duration)",
                    "asterix:  days with snowcover", "bars:  sums 0-24h of precipitation (pluviograph)",
                    "TEMPERATURE AND DEWPOINT  (scale left):", "upper blockline:  maximumtemperature 19-19h",
                    "thin line:        dayly averages airtemperature", "lowest blockline: minimumtemperature 19-19h",
                    "minus-symbol:     minimumtemperature 10 cm, 19-08h",
                    "fat blue line:    dayly averages dewpointtemperature"}},
        LegendText{3,
                   {"gemittelte Windgeschwindigkeit am 9-m Höhe", "gemittelte 3xTags beobachtete Windrichtung",
                    "(dunne Leinschen = Windstille oder variabele Wind)", "angefült Teil: nächtliche Stunden",
                    "Balkchen:  registrierte Stunden Sonnenscheindauer",
                    "(bevor juni 1945:  geschätzte Sonnenscheindauer)", "Sternschen:  Tage mit Schneedeck",
                    "Balkschen:  Etmalsumme Niederschlag 0-24h (Pluviograaf)",
                    "TEMPERATUR EN TAUPUNKT  (Skala links):", "oberne Blocklinie:  Maximumtemperatur 19-19h",
                    "dunne Linie:        Tagesmittel Lufttemperatur",
                    "untere Blocklinie:  Minimumtemperatur 19-19h",
                    "Minuszeichen:       Minimumtemperatur 10 cm, 19-08h",
                    "dicke blaue Linie:  Tagesmittel Taupunktstemperatur"}}));

TEST_F(ChartDrawing, LegendOfAnUnknownLanguageHasOnlyTheFrame) {
    Open(ArchiveOfDays(96));
    SetKeyScript({"\r"});
    view.LEGENDA(4);
    Pixels rest = Union(TextPixels(0, 0, "Duinvelde"), Rect(27, 0, 27, 469));
    EXPECT_EQ(ColourIn(Screen(), Yellow, 0, 0, 639, 479), rest);
}

struct BarText {
    int16_t taal;
    std::string_view commands, hint;
};
void PrintTo(const BarText& c, std::ostream* out) {
    std::ostream& os = *out;
    os << "TAAL " << c.taal;
}

class CommandBar : public ChartDrawing, public ::testing::WithParamInterface<BarText> {};

TEST_P(CommandBar, TextsOfTheLanguageOnTheRedBarWithTheFrame) {
    const BarText c = GetParam();
    Open(ArchiveOfDays(96));
    view.MAAKKADER();
    view.COMMANDOBALK(c.taal, 5);
    const Framebuffer& fb = Screen();
    Pixels frame = Union(Union(Rect(272, 450, 319, 450), Rect(272, 466, 319, 466)),
                         Union(Rect(272, 450, 272, 466), Rect(319, 450, 319, 466)));
    Pixels texts = Union(TextPixels(80, 454, c.commands), TextPixels(130, 470, c.hint));
    EXPECT_EQ(ColourIn(fb, Yellow, 0, 450, 639, 479), Union(Within(texts, 0, 450, 639, 479), frame));
    // The box is solid red inside its outline, wherever no text stands.
    EXPECT_EQ(ColourIn(fb, Red, 0, 440, 639, 479), [&] {
        Pixels red;
        for (auto p : Rect(80, 450, 559, 466))
            if (!texts.count(p) && !frame.count(p)) red.insert(p);
        return red;
    }());
}

INSTANTIATE_TEST_SUITE_P(
    Chart, CommandBar,
    ::testing::Values(BarText{1, " -4jr  -1jr -3mnd -1mnd  Lgnd  STOP +1mnd +3mnd  +1jr  +4jr ",
                              " navigeren met pijltoetsen,  bevestigen met KEY "},
                      BarText{2, " -4yr  -1yr -3mth -1mth  Lgnd  QUIT +1mth +3mth  +1yr  +4yr ",
                              "navigation with arrow-key, confirmation with KEY"},
                      BarText{3, " -4Jr  -1Jr -3Mnt -1Mnt  Lgnd  HALT +1Mnt +3Mnt  +1Jr  +4Jr ",
                              "navigation mit Pfeiltasten,  accordieren mit KEY"}));

}  // namespace

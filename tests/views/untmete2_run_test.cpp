// The monthly chart as the user drives it: steps, limits, legend, stop.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

#include "support/fixtures.h"
#include "support/pixels.h"
#include "support/programrun.h"

namespace {

using namespace testsupport;

// Language, then menu entry 2.
const std::string kToChart = "{Enter}{Down}{Enter}";
constexpr size_t kFirstChart = 4;  // the shot of the first chart

// Archives in their own working directories, written once per test program.
struct ArchiveDir {
    explicit ArchiveDir(const std::string& bytes) { WriteFile(dir.path() / "WEERDATA.VSs", bytes); }
    TempDir dir;
};

// Days to the end of 1971, as the real archive has them.
const fs::path& FullArchive() {
    static ArchiveDir a(ArchiveOfDays(11171, [](int, Day& d) {
        d.Set("f9", 30).Set("sS", 50).Set("sR", 20).Set("T", 100).Set("Tn", 50).Set("Tx", 150);
        d.Set("Tgn", 20).Set("e", 100).Set("DD", 180);
    }));
    return a.dir.path();
}

// Running on into 1972, so that no window of the chart reaches the archive's end.
const fs::path& LongArchive() {
    static ArchiveDir a(ArchiveOfDays(11171 + 400));
    return a.dir.path();
}

// The FLUITEN signals given after each Enter, up to the next wait for a key.
std::vector<int> SignalsAfterEachEnter(const ProgramRun& run) {
    std::vector<int> counts;
    bool counting = false;
    for (const auto& line : run.trace) {
        if (line == "key 13") {
            counts.push_back(0);
            counting = true;
        } else if (line == "wait") {
            counting = false;
        } else if (counting && line == "signal FLUITEN") {
            ++counts.back();
        }
    }
    return counts;
}

// The month label of a window's first day, which starts on the first of its month.
bool StartsWith(const Framebuffer& fb, const char* yymm) {
    return ColourIn(fb, Yellow, 96, 0, 127, 15) == TextPixels(96, 0, yymm);
}

// The entry whose highlight frame shows on the bar, or 0 when none or several.
int FramedEntry(const Framebuffer& fb) {
    int framed = 0;
    for (int k = 1; k <= 10; ++k) {
        if (fb.At((k - 1) * 48 + 104, 450) == Yellow) framed = framed ? -1 : k;
        else if (fb.At((k - 1) * 48 + 104, 450) != Red) return 0;
    }
    return framed < 0 ? 0 : framed;
}

bool SameRows(const Framebuffer& a, const Framebuffer& b, int y1, int y2) {
    for (int y = y1; y <= y2; ++y)
        for (int x = 0; x < kScreenWidth; ++x)
            if (a.At(x, y) != b.At(x, y)) return false;
    return true;
}

TEST(ChartRun, OpensOnJune1941WithTheLegendEntryFramed) {
    ProgramRun run = RunHeadless(LongArchive(), kToChart);
    ASSERT_EQ(run.status, 0) << run.stderrText;
    ASSERT_EQ(run.shots.size(), kFirstChart);
    EXPECT_TRUE(StartsWith(run.Shot(kFirstChart), "4106"));
    EXPECT_EQ(FramedEntry(run.Shot(kFirstChart)), 5);
    EXPECT_EQ(run.Count("signal FLUITEN"), 0u);
}

TEST(ChartRun, AnyKeyEndsTheLegendAndTheSameChartReturns) {
    ProgramRun run = RunHeadless(LongArchive(), kToChart + "{Enter}{Right}");
    ASSERT_EQ(run.status, 0) << run.stderrText;
    ASSERT_EQ(run.shots.size(), kFirstChart + 2);
    Framebuffer legend = run.Shot(kFirstChart + 1);
    EXPECT_TRUE(ColourIn(legend, Red, 0, 0, 639, 479).empty());
    EXPECT_TRUE(AllOf(legend, Rect(27, 0, 27, 469), Yellow));
    // The arrow key went to the legend: the highlight did not move.
    EXPECT_TRUE(SameRows(run.LastShot(), run.Shot(kFirstChart), 0, 479));
}

struct KeysCase {
    std::string keys;
    std::vector<int> signals;  // FLUITEN after each Enter from the chart's first
    const char* month;         // yymm of the chart in the last shot
};

void PrintTo(const KeysCase& c, std::ostream* os) { *os << c.keys; }

class ChartSteps : public ::testing::TestWithParam<KeysCase> {};

TEST_P(ChartSteps, MonthAndSignals) {
    const KeysCase c = GetParam();
    ProgramRun run = RunHeadless(LongArchive(), kToChart + c.keys);
    ASSERT_EQ(run.status, 0) << run.stderrText;
    std::vector<int> signals = SignalsAfterEachEnter(run);
    ASSERT_GE(signals.size(), 2u);
    EXPECT_EQ(std::vector<int>(signals.begin() + 2, signals.end()), c.signals);
    EXPECT_TRUE(StartsWith(run.LastShot(), c.month));
}

// Index 497 is June 1941, 861 October 1971.
INSTANTIATE_TEST_SUITE_P(
    Chart, ChartSteps,
    ::testing::Values(
        KeysCase{"{Right 2}{Enter}", {0}, "4107"}, KeysCase{"{Right 3}{Enter}", {0}, "4109"},
        KeysCase{"{Right 4}{Enter}", {0}, "4206"}, KeysCase{"{Right 5}{Enter}", {0}, "4506"},
        KeysCase{"{Right 5}{Enter}{Left 6}{Enter}", {0, 0}, "4505"},
        KeysCase{"{Right 5}{Enter}{Left 7}{Enter}", {0, 0}, "4503"},
        KeysCase{"{Right 5}{Enter}{Left 8}{Enter}", {0, 0}, "4406"},
        KeysCase{"{Right 5}{Enter}{Left 3}{Enter 7}", {0, 0, 0, 0, 0, 0, 0, 0}, "4601"},
        // Every backward step from June 1941 is refused.
        KeysCase{"{Left 4}{Enter}", {1}, "4106"}, KeysCase{"{Left 3}{Enter}", {1}, "4106"},
        KeysCase{"{Left 2}{Enter}", {1}, "4106"}, KeysCase{"{Left}{Enter}", {1}, "4106"},
        // November 1969 (838) and " +4jr ": 886 becomes October 1971.
        KeysCase{"{Right 5}{Enter 7}{Left 3}{Enter 5}{Right 3}{Enter}",
                 {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
                 "7110"},
        // July 1971 (858) and "+3mnd " twice: 861 is allowed, 864 is not.
        KeysCase{"{Right 5}{Enter 7}{Left}{Enter 2}{Left 2}{Enter}{Right}{Enter}",
                 {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                 "7110"},
        KeysCase{"{Right 5}{Enter 7}{Left}{Enter 2}{Left 2}{Enter}{Right}{Enter 2}",
                 {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
                 "7110"}));

TEST(ChartRun, November1969BeforeTheLastStep) {
    ProgramRun run = RunHeadless(LongArchive(), kToChart + "{Right 5}{Enter 7}{Left 3}{Enter 5}{Right 3}{Enter}");
    ASSERT_GE(run.shots.size(), 2u);
    EXPECT_TRUE(StartsWith(run.Shot(run.shots.size() - 1), "6911"));
    EXPECT_EQ(FramedEntry(run.LastShot()), 10);
}

struct FrameCase {
    std::string keys;
    int framed;
};

void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.keys; }

class ChartHighlight : public ::testing::TestWithParam<FrameCase> {};

TEST_P(ChartHighlight, FrameFollowsTheArrowsAndWraps) {
    const FrameCase c = GetParam();
    ProgramRun run = RunHeadless(LongArchive(), kToChart + c.keys);
    ASSERT_EQ(run.status, 0) << run.stderrText;
    EXPECT_EQ(FramedEntry(run.LastShot()), c.framed);
}

INSTANTIATE_TEST_SUITE_P(Chart, ChartHighlight,
                         ::testing::Values(FrameCase{"{Left 4}", 1}, FrameCase{"{Left 5}", 10},
                                           FrameCase{"{Left 5}{Right}", 1}, FrameCase{"{Up}{Up}", 3},
                                           FrameCase{"{Down 5}", 10}, FrameCase{"{Down 6}", 1},
                                           FrameCase{"HK", 3}, FrameCase{"MP", 7}));

TEST(ChartRun, StopReturnsToTheMenuWithoutDrawing) {
    ProgramRun run = RunHeadless(LongArchive(), kToChart + "{Right}{Enter}");
    ASSERT_EQ(run.status, 0) << run.stderrText;
    ASSERT_EQ(run.shots.size(), kFirstChart + 2);
    // The menu again, its frame on entry 2, as it was before the chart; only
    // there the erased frame of entry 1 had clipped the descenders on y = 139.
    EXPECT_TRUE(SameRows(run.LastShot(), run.Shot(3), 0, 138));
    EXPECT_TRUE(SameRows(run.LastShot(), run.Shot(3), 140, 479));
    EXPECT_EQ(run.Count("signal FLUITEN"), 0u);
}

TEST(ChartRun, WindowFromOctober1971EndsWithTheArchive) {
    // 833, 857, then four single months to 861.
    ProgramRun run = RunHeadless(FullArchive(), kToChart + "{Right 5}{Enter 7}{Left}{Enter 2}{Left 2}{Enter 4}");
    ASSERT_EQ(run.status, 0) << run.stderrText;
    std::vector<int> signals = SignalsAfterEachEnter(run);
    ASSERT_FALSE(signals.empty());
    EXPECT_EQ(signals.back(), 1);
    EXPECT_EQ(run.Count("signal FLUITEN"), 1u);
    Framebuffer fb = run.LastShot();
    EXPECT_TRUE(StartsWith(fb, "7110"));
    // 31 December 1971 is day 91 at x = 575; 30 December is at 569.
    EXPECT_TRUE(AllOf(fb, Rect(570, 360, 575, 360), Yellow));
    EXPECT_EQ(ColourIn(fb, Yellow, 576, 221, 581, 449), Rect(577, 372, 580, 372));
    EXPECT_TRUE(AllOf(fb, Rect(577, 48, 580, 60), Yellow));
    EXPECT_TRUE(ColourIn(fb, Cyan, 574, 0, 639, 479).empty());
}

TEST(ChartRun, WindowBeyondAShortArchiveShowsTheEmptyFrame) {
    ArchiveDir shortArchive(ArchiveOfDays(200));
    ProgramRun run = RunHeadless(shortArchive.dir.path(), kToChart + "{Right 4}{Enter}");
    ASSERT_EQ(run.status, 0) << run.stderrText;
    EXPECT_EQ(SignalsAfterEachEnter(run).back(), 1);
    Framebuffer fb = run.LastShot();
    EXPECT_EQ(ColourIn(fb, Yellow, 0, 0, 639, 449), TextPixels(0, 0, "Duinvelde"));
    // The bar is whole and its red stays inside it.
    EXPECT_EQ(FramedEntry(fb), 9);
    EXPECT_TRUE(ColourIn(fb, Red, 0, 0, 639, 449).empty());
}

TEST(ChartRun, MonthOutsideOneToTwelveInARecordIsARangeError) {
    std::string archive = ArchiveOfDays(200);
    archive.replace(5 * 96 + 9, 2, "13");
    ArchiveDir bad(archive);
    ProgramRun run = RunHeadless(bad.dir.path(), kToChart);
    EXPECT_EQ(run.status, 201);
    EXPECT_NE(run.stderrText.find("Runtime error 201"), std::string::npos) << run.stderrText;
}

}  // namespace

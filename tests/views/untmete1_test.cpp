// The observation listing: pages, halves of the record and the commands.
#include <gtest/gtest.h>

#include "archive/untmete0.h"
#include "support/fixtures.h"
#include "support/golden.h"
#include "support/pixels.h"
#include "support/programrun.h"

namespace {

using namespace testsupport;

constexpr int kRecords = 100;

// Every record carries its number in the field T, so a line tells which record it is.
std::string NumberedArchive(int count) {
    return ArchiveOfDays(count, [](int i, Day& d) { d.Set("T", i).Set("sQ", 1000 + i); });
}

std::string RestLine(const std::string& rec) { return rec.substr(0, 15) + ">" + rec.substr(56, 40); }

class ListingTest : public ::testing::Test {
protected:
    TempDir dir;
    std::vector<std::string> records;

    void Write(const std::string& archive) {
        WriteFile(dir.path() / "WEERDATA.VSs", archive);
        records.clear();
        for (size_t at = 0; at + 96 <= archive.size(); at += 96) records.push_back(archive.substr(at, 96));
    }
    void SetUp() override { Write(NumberedArchive(kRecords)); }

    // Opens the listing in Dutch and types `keys` there.
    ProgramRun List(const std::string& keys) { return RunHeadless(dir.path(), "{Enter}{Enter}" + keys); }

    // The record shown on the first line, or -1 when the line matches none.
    int FirstRecord(const Framebuffer& fb, bool temp = false) {
        for (size_t r = 0; r < records.size(); ++r) {
            std::string line = temp ? records[r].substr(0, 56) : RestLine(records[r]);
            if (ShowsText(fb, 96, 46, line, Yellow)) return static_cast<int>(r);
        }
        return -1;
    }
    bool PageIsConsecutive(const Framebuffer& fb, int first) {
        for (int line = 0; line < 24; ++line)
            if (!ShowsText(fb, 96, 46 + 16 * line, RestLine(records[first + line]), Yellow)) return false;
        return true;
    }
};

TEST_F(ListingTest, CommandsMoveThePageWithinTheArchive) {
    struct Case { const char* keys; int first; };
    const Case cases[] = {
        {"", 0},
        {"{Left 5}{Enter}", 0},                    // -4jr on the first page
        {"{Right 2}{Enter}", 23},                  // +23dg: the old last line comes first
        {"{Right 2}{Enter}{Enter}", 46},           // Enter again repeats the command
        {"{Right 2}{Enter}{Left 4}{Enter}", 0},    // -23dg back
        {"{Right 3}{Enter}", 76},                  // +3mnd runs into the last page
        {"{Right 5}{Enter}", 76},                  // +4jr: the last 24 records
        {"{Right 5}{Enter}{Left 7}{Enter}", 53},   // then -23dg
        {"{Right 3}{Enter}{Left 6}{Enter}", 0},    // -3mnd from the end
    };
    for (const Case& c : cases) {
        ProgramRun run = List(c.keys);
        ASSERT_EQ(run.status, 0) << c.keys << run.stderrText;
        EXPECT_EQ(FirstRecord(run.LastShot()), c.first) << c.keys;
        EXPECT_TRUE(PageIsConsecutive(run.LastShot(), c.first)) << c.keys;
    }
}

TEST_F(ListingTest, TempAndRestKeepTheFirstRecordAndSwitchTheColumns) {
    ProgramRun toTemp = List("{Right 2}{Enter}{Left 3}{Enter}");
    ProgramRun backToRest = List("{Right 2}{Enter}{Left 3}{Enter}{Right 2}{Enter}");
    const Framebuffer& temp = toTemp.LastShot();
    EXPECT_EQ(FirstRecord(temp, true), 23);
    EXPECT_TRUE(ShowsText(temp, 96, 4, std::string(SKOP1), Yellow));
    EXPECT_TRUE(ShowsText(temp, 96, 20, std::string(SFOR1), Yellow));
    const Framebuffer& rest = backToRest.LastShot();
    EXPECT_EQ(FirstRecord(rest), 23);
    EXPECT_TRUE(ShowsText(rest, 96, 4, std::string(SKOP2), Yellow));
    EXPECT_TRUE(ShowsText(rest, 96, 20, std::string(SFOR2), Yellow));
}

TEST_F(ListingTest, TheBarStartsOnStopAndConfirmingAtOnceReturnsToTheMenu) {
    ProgramRun run = List("{Enter}");
    ASSERT_EQ(run.shots.size(), 4u);
    const Framebuffer& listing = run.Shot(3);
    EXPECT_EQ(listing.At(56 + 48 * 5, 450), Yellow);  // frame of command 6
    EXPECT_EQ(listing.At(56, 450), Red);
    EXPECT_TRUE(ShowsText(listing, 56, 446, " -4jr  -1jr -3mnd -23dg  temp  STOP  rest +23dg +3mnd  +1jr  +4jr ",
                          Yellow, 296, 343));
    EXPECT_EQ(run.Shot(4).At(110, 126), Yellow);  // back in the menu, entry 1 framed
    EXPECT_EQ(run.Shot(4).At(0, 0), Black);
}

TEST_F(ListingTest, BarTextsInEachLanguage) {
    const char* texts[] = {
        " -4jr  -1jr -3mnd -23dg  temp  STOP  rest +23dg +3mnd  +1jr  +4jr ",
        " -4yr  -1yr -3mth -23ds  temp  QUIT  rest +23ds +3mth  +1yr  +4yr ",
        " -4Jr  -1Jr -3Mon -23Tg  Temp  HALT  übrg +23Tg +3Mon  +1Jr  +4Jr ",
    };
    const char* languages[] = {"", "{Right}", "{Left}"};
    for (int t = 0; t < 3; ++t) {
        ProgramRun run = RunHeadless(dir.path(), std::string(languages[t]) + "{Enter}{Enter}");
        EXPECT_TRUE(ShowsText(run.LastShot(), 56, 446, texts[t], Yellow, 296, 343)) << t + 1;
    }
}

TEST_F(ListingTest, AnArchiveShorterThanAPageShowsWhatItHas) {
    for (int count : {0, 1, 23}) {
        Write(NumberedArchive(count));
        ProgramRun run = List("{Right 2}{Enter}{Left 6}{Enter}");
        EXPECT_EQ(run.status, 0) << count << run.stderrText;
        const Framebuffer& fb = run.LastShot();
        for (int line = 0; line < 24; ++line) {
            std::string expected = line < count ? RestLine(records[line]) : std::string(56, ' ');
            EXPECT_TRUE(ShowsText(fb, 96, 46 + 16 * line, expected, Yellow)) << count << " line " << line;
        }
    }
}

TEST_F(ListingTest, BytesThatAreNoCharactersShowAsBlankCells) {
    std::string archive = NumberedArchive(30);
    archive[60] = '\0';
    archive[61] = '\x07';
    archive[62] = '\xFC';
    archive[63] = '\x7F';
    Write(archive);
    ProgramRun run = List("");
    std::string shown = RestLine(records[0]);
    shown.replace(16 + 4, 4, "    ");  // record columns 61-64 stand at 21-24 of the line
    EXPECT_TRUE(ShowsText(run.LastShot(), 96, 46, shown, Yellow));
}

TEST(ListingGolden, GoldenFirstPageOfTheSampleInBothHalves) {
    TempDir dir;
    std::filesystem::copy_file(SampleArchive(), dir.path() / "WEERDATA.VSs");
    ProgramRun run = RunHeadless(dir.path(), "{Enter}{Enter}{Left}{Enter}");
    ASSERT_EQ(run.shots.size(), 5u);
    ExpectGolden(run.Shot(3), "listing_rest");
    ExpectGolden(run.Shot(5), "listing_temp");
}

}  // namespace

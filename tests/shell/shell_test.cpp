// Whole-program runs: the language screen, the main menu, the end and the failures.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/fixtures.h"
#include "support/golden.h"
#include "support/programrun.h"

namespace {

using namespace testsupport;

class ShellTest : public ::testing::Test {
protected:
    TempDir dir;
    void SetUp() override { WriteFile(dir.path() / "WEERDATA.VSs", ArchiveOfDays(60)); }
    ProgramRun Run(const std::string& keys, const std::string& extra = "") { return RunHeadless(dir.path(), keys, extra); }
};

bool SameRegion(const Framebuffer& a, const Framebuffer& b, int x1, int y1, int x2, int y2) {
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (a.At(x, y) != b.At(x, y)) return false;
    return true;
}

// The language screen's frame of language k and the menu's frame of entry k.
bool LanguageFramed(const Framebuffer& fb, int k) { return fb.At(178 + 96 * (k - 1), 464) == Yellow; }
bool MenuFramed(const Framebuffer& fb, int k) { return fb.At(110, 110 + 16 * k) == Yellow; }

TEST_F(ShellTest, GoldenLanguageScreenInEachLanguage) {
    ProgramRun run = Run("{Right}{Right}");
    ASSERT_EQ(run.shots.size(), 3u);
    ExpectGolden(run.Shot(1), "language_nl");
    ExpectGolden(run.Shot(2), "language_en");
    ExpectGolden(run.Shot(3), "language_de");
}

TEST_F(ShellTest, GoldenMainMenuInEachLanguage) {
    const char* keys[] = {"{Enter}", "{Right}{Enter}", "{Left}{Enter}"};
    const char* names[] = {"menu_nl", "menu_en", "menu_de"};
    for (int i = 0; i < 3; ++i) {
        ProgramRun run = Run(keys[i]);
        ASSERT_EQ(run.status, 0) << run.stderrText;
        ExpectGolden(run.LastShot(), names[i]);
    }
}

TEST_F(ShellTest, ConfirmingTheLanguageScreenAtOnceChoosesDutch) {
    ProgramRun dutch = Run("{Enter}");
    ProgramRun viaArrows = Run("{Right}{Left}{Enter}");
    EXPECT_TRUE(SameRegion(dutch.LastShot(), viaArrows.LastShot(), 0, 0, 639, 479));
    EXPECT_TRUE(MenuFramed(dutch.LastShot(), 1));
}

TEST_F(ShellTest, ALanguageChangeRedrawsTheTextsAndKeepsTheSubtitle) {
    ProgramRun run = Run("{Right}{Left}");
    ASSERT_EQ(run.shots.size(), 3u);
    Framebuffer dutch = run.Shot(1), english = run.Shot(2), back = run.Shot(3);
    EXPECT_FALSE(SameRegion(dutch, english, 90, 10, 553, 41));     // title
    EXPECT_FALSE(SameRegion(dutch, english, 96, 104, 551, 359));   // story
    EXPECT_FALSE(SameRegion(dutch, english, 130, 436, 513, 451));  // hint
    EXPECT_TRUE(SameRegion(dutch, english, 244, 42, 395, 55));     // "Duinvelde 1941-1961"
    EXPECT_TRUE(LanguageFramed(english, 2));
    EXPECT_FALSE(LanguageFramed(english, 1));
    // Erasing by drawing again in the background leaves no trace of English.
    EXPECT_TRUE(SameRegion(dutch, back, 0, 0, 639, 479));
}

TEST_F(ShellTest, SelectionKeysOnTheLanguageScreen) {
    struct Case { const char* keys; int framed; };
    const Case cases[] = {
        {"M", 2}, {"P", 2}, {"{Down}", 2}, {"{Right 2}", 3}, {"{Right 3}", 1}, {"{Left}", 3},
        {"{Up}", 3}, {"H", 3}, {"K", 3}, {"MK", 1},
    };
    for (const Case& c : cases) {
        ProgramRun run = Run(c.keys);
        EXPECT_TRUE(LanguageFramed(run.LastShot(), c.framed)) << c.keys;
        EXPECT_EQ(run.Count("wait"), run.shots.size()) << c.keys;
    }
}

TEST_F(ShellTest, LowerCaseLettersTheCloseButtonAndOtherKeysConfirm) {
    ProgramRun menu = Run("{Enter}");
    for (const char* keys : {"h", "k", "m", "p", " ", "7", "x", "{Esc}", "{Close}", "{F1}"}) {
        ProgramRun run = Run(keys);
        EXPECT_EQ(run.shots.size(), 2u) << keys;
        EXPECT_TRUE(SameRegion(run.LastShot(), menu.LastShot(), 0, 0, 639, 479)) << keys;
    }
}

TEST_F(ShellTest, MenuWrapsRoundBothWays) {
    struct Case { const char* keys; int framed; };
    const Case cases[] = {{"{Enter}{Up}", 12}, {"{Enter}{Up}{Down}", 1}, {"{Enter}{Down 12}", 1}, {"{Enter}{Down 11}", 12}};
    for (const Case& c : cases) {
        Framebuffer fb = Run(c.keys).LastShot();
        for (int k = 1; k <= 12; ++k) EXPECT_EQ(MenuFramed(fb, k), k == c.framed) << c.keys << " entry " << k;
    }
}

TEST_F(ShellTest, EntriesThreeToSixRedrawTheMenuWithTheFrameKept) {
    for (int entry = 3; entry <= 6; ++entry) {
        // Reached from above and from below: the frames erased on the way
        // differ, the menu drawn anew after the entry must not.
        ProgramRun down = Run("{Enter}{Down " + std::to_string(entry - 1) + "}{Enter}");
        ProgramRun up = Run("{Enter}{Up " + std::to_string(13 - entry) + "}{Enter}");
        EXPECT_EQ(down.shots.size(), 2u + entry);
        EXPECT_TRUE(SameRegion(down.LastShot(), up.LastShot(), 0, 0, 639, 479)) << entry;
        for (int k = 1; k <= 12; ++k) EXPECT_EQ(MenuFramed(down.LastShot(), k), k == entry) << entry;
    }
}

TEST_F(ShellTest, QuitEndsWithStatusZeroAndNoFurtherWait) {
    struct Case { const char* keys; size_t waits; };
    for (const Case& c : {Case{"{Enter}{Up}{Enter}", 3}, Case{"{Right}{Enter}{Up}{Enter}", 4}, Case{"{Enter}{Up}{Close}", 3}}) {
        const char* keys = c.keys;
        ProgramRun run = Run(keys);
        EXPECT_EQ(run.status, 0) << keys << run.stderrText;
        ASSERT_FALSE(run.trace.empty());
        EXPECT_EQ(run.trace.back(), "end stopped") << keys;
        EXPECT_EQ(run.Count("wait"), c.waits) << keys;
    }
}

TEST_F(ShellTest, TheKeyScriptRunningOutEndsAHeadlessRun) {
    ProgramRun run = Run("{Enter}{Down}");
    EXPECT_EQ(run.status, 0);
    ASSERT_FALSE(run.trace.empty());
    EXPECT_EQ(run.trace.back(), "end keys");
    const std::vector<std::string> start = {"wait", "key 13", "wait", "key 0", "key 80", "wait"};
    EXPECT_EQ(std::vector<std::string>(run.trace.begin(), run.trace.begin() + 6), start);
}

TEST_F(ShellTest, ArchiveFailuresEndTheProgramBeforeTheWindowOpens) {
    std::filesystem::remove(dir.path() / "WEERDATA.VSs");
    ProgramRun missing = Run("{Enter}");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.stderrText.rfind("Runtime error 2: ", 0), 0u) << missing.stderrText;
    EXPECT_TRUE(missing.shots.empty());

    std::filesystem::create_directory(dir.path() / "WEERDATA.VSs");
    ProgramRun directory = Run("{Enter}");
    EXPECT_EQ(directory.status, 5);
    EXPECT_EQ(directory.stderrText.rfind("Runtime error 5: ", 0), 0u) << directory.stderrText;
    EXPECT_TRUE(directory.shots.empty());
}

TEST_F(ShellTest, AReadOnlyArchiveWorksAndStaysUntouched) {
    auto archive = dir.path() / "WEERDATA.VSs";
    std::string bytes = ReadFile(archive);
    ::chmod(archive.c_str(), 0444);
    struct stat before {};
    ::stat(archive.c_str(), &before);
    ProgramRun run = Run("{Enter}{Enter}{Right}{Enter}{Left}{Enter}{Up}{Enter}");
    EXPECT_EQ(run.status, 0) << run.stderrText;
    EXPECT_EQ(run.trace.back(), "end stopped");
    struct stat after {};
    ::stat(archive.c_str(), &after);
    EXPECT_EQ(ReadFile(archive), bytes);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

TEST_F(ShellTest, CommandLineMistakesAreUsageErrors) {
    for (const char* extra : {"--bogus", "--scale", "--scale 0"}) {
        ProgramRun run = Run("{Enter}", extra);
        EXPECT_EQ(run.status, 64) << extra;
        EXPECT_EQ(std::count(run.stderrText.begin(), run.stderrText.end(), '\n'), 1) << run.stderrText;
    }
    ProgramRun badKeys = Run("{Nope}");
    EXPECT_EQ(badKeys.status, 64);
    EXPECT_NE(badKeys.stderrText.find("key"), std::string::npos);
}

}  // namespace

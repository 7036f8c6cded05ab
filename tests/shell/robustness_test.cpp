// Any archive and any keys: the right picture or a run-time error, never a crash or a hang.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "support/fixtures.h"
#include "support/programrun.h"

namespace {

using namespace testsupport;

std::string RandomKeys(std::mt19937& rng, int count) {
    static const char* keys[] = {"{Up}", "{Down}", "{Left}", "{Right}", "{Enter}", "{Close}", "{Esc}",
                                 "H",    "P",      "K",      "M",       "x",       "7",       " "};
    std::string script;
    for (int i = 0; i < count; ++i) script += keys[rng() % (sizeof keys / sizeof *keys)];
    return script;
}

// An archive that starts as the real one does and then turns to noise, cut off anywhere.
std::string DamagedArchive(std::mt19937& rng) {
    std::string bytes = ArchiveOfDays(static_cast<int>(rng() % 200));
    for (int flips = static_cast<int>(rng() % 400); flips > 0 && !bytes.empty(); --flips)
        bytes[rng() % bytes.size()] = static_cast<char>(rng());
    bytes.resize(bytes.size() - std::min<size_t>(bytes.size(), rng() % 97));
    return bytes;
}

TEST(RobustnessTest, DamagedArchivesAndRandomKeysEndCleanly) {
    const std::set<int> runtimeErrors = {2, 5, 100, 200, 201, 205, 207, 215};
    std::mt19937 rng(19410601);
    for (int round = 0; round < 12; ++round) {
        TempDir dir;
        WriteFile(dir.path() / "WEERDATA.VSs", DamagedArchive(rng));
        // Straight into the listing or the chart, then anything.
        std::string keys = (round % 2 ? "{Enter}{Down}{Enter}" : "{Enter}{Enter}") + RandomKeys(rng, 150);
        ProgramRun run = RunHeadless(dir.path(), keys);
        if (run.status == 0) {
            ASSERT_FALSE(run.trace.empty()) << "round " << round;
            EXPECT_TRUE(run.trace.back() == "end keys" || run.trace.back() == "end stopped") << "round " << round;
        } else {
            EXPECT_TRUE(runtimeErrors.count(run.status)) << "round " << round << " status " << run.status << "\n"
                                                         << run.stderrText;
            EXPECT_EQ(run.stderrText.rfind("Runtime error " + std::to_string(run.status) + ": ", 0), 0u)
                << "round " << round << ": " << run.stderrText;
        }
    }
}

}  // namespace

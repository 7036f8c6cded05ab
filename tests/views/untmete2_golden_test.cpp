// Golden screens of the monthly chart and its legend, compared pixel for pixel.
#include <gtest/gtest.h>

#include "support/fixtures.h"
#include "support/golden.h"
#include "support/pixels.h"
#include "support/programrun.h"

namespace {

using namespace testsupport;

// A working directory holding a copy of the sample archive, so that the run's
// screenshots stay out of the source tree.
class SampleDir {
public:
    SampleDir() { fs::copy_file(SampleArchive(), dir.path() / "WEERDATA.VSs"); }
    const fs::path& path() const { return dir.path(); }

private:
    TempDir dir;
};

TEST(ChartGolden, June1941) {
    SampleDir sample;
    ProgramRun run = RunHeadless(sample.path(), "{Enter}{Down}{Enter}");
    ASSERT_EQ(run.status, 0) << run.stderrText;
    ExpectGolden(run.LastShot(), "chart_194106");
}

TEST(ChartGolden, January1963) {
    SampleDir sample;
    // Five times four years, one year, twice three months and one month on from June 1941.
    ProgramRun run = RunHeadless(sample.path(), "{Enter}{Down}{Enter}{Right 5}{Enter 5}{Left}{Enter}{Left}{Enter 2}{Left}{Enter}");
    ASSERT_EQ(run.status, 0) << run.stderrText;
    ExpectGolden(run.LastShot(), "chart_196301");
}

class LegendGolden : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(LegendGolden, Language) {
    const auto [language, name] = GetParam();
    TempDir dir;
    WriteFile(dir.path() / "WEERDATA.VSs", ArchiveOfDays(96));
    ProgramRun run = RunHeadless(dir.path(), std::string(language) + "{Down}{Enter}{Enter}");
    ASSERT_EQ(run.status, 0) << run.stderrText;
    ExpectGolden(run.LastShot(), name);
}

INSTANTIATE_TEST_SUITE_P(Chart, LegendGolden,
                         ::testing::Values(std::pair{"{Enter}", "legend_nl"}, std::pair{"{Right}{Enter}", "legend_en"},
                                           std::pair{"{Right 2}{Enter}", "legend_de"}));

}  // namespace

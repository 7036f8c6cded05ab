// Benchmark: one full redraw of the monthly chart, archive reads included.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "../tests/support/fixtures.h"
#include "archive/untmete0.h"
#include "platform/graph.h"
#include "toolkit/untprogdelen.h"
#include "views/untmete2.h"

namespace {

namespace fs = std::filesystem;

// The sample archive when it is there, otherwise days of summer weather to
// the end of 1971, written into a temporary directory.
fs::path ArchiveDirectory() {
    fs::path sample = fs::path(DUINVELDE_SOURCE_DIR) / "data";
    if (fs::exists(sample / FILENAAM)) return sample;
    fs::path dir = fs::temp_directory_path() / "duinvelde-bench-chart";
    fs::create_directories(dir);
    std::ofstream(dir / FILENAAM, std::ios::binary) << testsupport::ArchiveOfDays(11171, [](int i, testsupport::Day& d) {
        d.Set("f9", 20 + i % 40).Set("sS", i % 120).Set("sR", i % 7 ? 0 : 35).Set("T", 150 + i % 50);
        d.Set("Tn", 100 + i % 30).Set("Tx", 220 - i % 25).Set("Tgn", 80).Set("e", 120 + i % 20).Set("DD", 10 * (i % 37));
    });
    return dir;
}

void BM_ChartRedraw(benchmark::State& state) {
    fs::path home = fs::current_path();
    fs::current_path(ArchiveDirectory());
    InitUntMete0();
    InitGraph(2, 4, "bench");
    ToonWaarnemingen view(1);
    // January 1963: a winter window of three whole months.
    const int32_t recnr = DAGNUMMER("630101") - AANV;
    for (auto _ : state) {
        view.MAAKKADER();
        view.MAAKGRAFIEK(recnr);
        view.COMMANDOBALK(1, 5);
        benchmark::DoNotOptimize(Screen().pixels.data());
    }
    state.SetLabel(fs::exists(fs::path(DUINVELDE_SOURCE_DIR) / "data" / FILENAAM) ? "sample archive" : "fixture archive");
    SluitUntMete0();
    fs::current_path(home);
}
BENCHMARK(BM_ChartRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace

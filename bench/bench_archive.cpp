// Benchmarks of the archive and the listing: a whole pass over the sample archive, a listing redraw.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "archive/untmete0.h"
#include "platform/graph.h"
#include "views/untmete1.h"

namespace {

// Opens the sample archive once, as start-up does, and a headless screen.
void OpenSample() {
    static bool open = false;
    if (open) return;
    std::filesystem::current_path(std::filesystem::path(DUINVELDE_SOURCE_DIR) / "data");
    InitUntMete0();
    InitGraph(2, 4, "bench");
    open = true;
}

void BM_SequentialPass(benchmark::State& state) {
    OpenSample();
    int64_t sum = 0;
    for (auto _ : state) {
        F.Reset();
        while (!F.Eof()) {
            F.Read();
            sum += Veld(37, 4);
        }
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * F.FileSize());
}
BENCHMARK(BM_SequentialPass)->Unit(benchmark::kMillisecond);

void BM_ListingRedraw(benchmark::State& state) {
    OpenSample();
    SchermListing listing(1);
    for (auto _ : state) {
        int32_t first = 5000;
        listing.KOPPEN();
        listing.LISTEN(first);
        listing.COMMANDOBALK(1, 6);
    }
    benchmark::DoNotOptimize(Screen().pixels.data());
}
BENCHMARK(BM_ListingRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace

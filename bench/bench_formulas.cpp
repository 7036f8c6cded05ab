// Cost of the evaporation formulas over one year of days, as the point-cloud view evaluates them
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <vector>

#include "formulas/untverdamping.h"

namespace {
constexpr double NBR = 52.55;
constexpr double IJKF = 0.112;

// One day's record values in the archive's units.
struct Dag {
    double MND, DAT, T, TX, TN, U, U2, RZON, Q;
};

// A plausible year at the site: seasonal temperature, humidity, sunshine and radiation,
// with day-to-day variation from a fixed pattern so that branches vary as in real data.
std::vector<Dag> EenJaar() {
    constexpr std::array<int, 12> lengte = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::vector<Dag> jaar;
    int n = 0;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= lengte[m - 1]; ++d, ++n) {
            const double seizoen = -std::cos(2 * 3.14159265 * (n - 15) / 365);  // -1 January, +1 July
            const double ruis = std::sin(n * 12.9898) * 0.5;
            const double T = 95 + 75 * seizoen + 40 * ruis;
            jaar.push_back({double(m), double(d), T, T + 45 + 20 * ruis, T - 45 + 10 * ruis,
                            82 - 8 * seizoen + 10 * ruis, 45 - 10 * seizoen + 30 * ruis,
                            35 + 10 * seizoen + 30 * ruis, 1050 + 850 * seizoen + 400 * ruis});
        }
    return jaar;
}

template <typename F>
void PerDag(benchmark::State& state, F formule) {
    const std::vector<Dag> jaar = EenJaar();
    for (auto _ : state) {
        double som = 0;
        for (const Dag& d : jaar) som += formule(d);
        benchmark::DoNotOptimize(som);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(jaar.size()));
    state.counters["per_day"] = benchmark::Counter(static_cast<double>(jaar.size()),
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

void BM_Penman(benchmark::State& state) {
    PerDag(state, [](const Dag& d) { return PENMAN(d.Q, d.T, d.U, d.RZON, d.U2); });
}
void BM_PenmanByTerms(benchmark::State& state) {
    PerDag(state, [](const Dag& d) {
        return PENE1(d.T, d.Q) + PENE2(d.T, d.U, d.RZON) + PENE3(d.T, d.U, d.U2);
    });
}
void BM_PenmanFromSunshine(benchmark::State& state) {
    PerDag(state, [](const Dag& d) {
        return PENMAN(BRUGLOBAAL(NBR, d.MND, d.DAT, d.RZON), d.T, d.U, d.RZON, d.U2);
    });
}
void BM_Makkink(benchmark::State& state) {
    PerDag(state, [](const Dag& d) { return MAKKINK(d.Q, d.T); });
}
void BM_MakkinkFromTemperatures(benchmark::State& state) {
    PerDag(state, [](const Dag& d) { return TXNMAKKINK(NBR, d.MND, d.DAT, d.TX, d.TN, IJKF); });
}
}  // namespace

BENCHMARK(BM_Penman);
BENCHMARK(BM_PenmanByTerms);
BENCHMARK(BM_PenmanFromSunshine);
BENCHMARK(BM_Makkink);
BENCHMARK(BM_MakkinkFromTemperatures);

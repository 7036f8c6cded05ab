// Time from a key to the finished picture: drawing the language screen and the main menu, and showing a frame
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "platform/graph.h"
#include "platform/window.h"
#include "shell/duinvelde.h"

namespace {

const char* const kTaalNaam[] = {"", "Nederlands", "English", "Deutsch"};

// Draws one screen of the main program in the language of the benchmark's
// argument, up to the point where it waits for a key. Without keys to read,
// the headless run stops there.
template <typename Scherm>
void TekenTotDeWacht(benchmark::State& state, Scherm scherm) {
    UseBackend(std::make_unique<HeadlessBackend>());
    SetKeyScript({});
    Hoofdprogramma programma;
    programma.INITIEER();
    const auto taal = static_cast<int16_t>(state.range(0));
    for (auto _ : state) {
        programma.TAAL = programma.KTL = taal;
        programma.KSP = 1;
        try {
            scherm(programma);
        } catch (const KeysExhausted&) {
        }
        benchmark::DoNotOptimize(Screen().pixels.data());
    }
    CloseGraph();
    state.SetLabel(kTaalNaam[taal]);
}

// The language screen: title, story box, hint, language bar and frame.
void BM_LanguageScreen(benchmark::State& state) {
    TekenTotDeWacht(state, [](Hoofdprogramma& p) { p.KIESTAAL(); });
}
BENCHMARK(BM_LanguageScreen)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

// The main menu: title, menu box with its twelve entries, hint and frame.
// Registered after the language screen, as the program draws them: the flood
// fill's large work buffers are cheaper once malloc has seen larger ones, so
// the menu measured alone takes longer than the menu of a run.
void BM_MainMenu(benchmark::State& state) {
    TekenTotDeWacht(state, [](Hoofdprogramma& p) { p.SHOWKEUZE(); });
}
BENCHMARK(BM_MainMenu)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

// Showing one frame in the window: the palette turned into colours, the
// texture uploaded, scaled and presented. Needs a display (Xvfb will do).
// The second argument picks SDL's own choice of renderer (0) or its
// software renderer (1), for comparison.
void BM_PresentFrame(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no DISPLAY: start Xvfb and set DISPLAY to measure presenting");
        return;
    }
    if (state.range(1))
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    else
        SDL_ResetHint(SDL_HINT_RENDER_DRIVER);
    std::unique_ptr<Backend> window = MakeWindowBackend(static_cast<int>(state.range(0)));
    try {
        window->Open("Duinvelde data presentation");
    } catch (const NoDisplay& e) {
        state.SkipWithError(e.reason.c_str());
        return;
    }
    Framebuffer fb;
    for (size_t i = 0; i < fb.pixels.size(); ++i) fb.pixels[i] = static_cast<uint8_t>(i * 7 / 640 % 16);
    for (auto _ : state) window->Present(fb);
    window->Close();
    state.SetLabel(state.range(1) ? "software renderer" : "default renderer");
}
BENCHMARK(BM_PresentFrame)
    ->ArgNames({"scale", "software"})
    ->ArgsProduct({{1, 2}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

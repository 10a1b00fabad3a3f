// The demo's start-up in the 1109 x 693 bench window, as the figures that add
// up to the wait before the first frame: each step of startDemo that stands
// alone (the render targets, the effect programs with the noise texture, the
// cube logo with its sheet, the banner), then startDemo whole followed by the
// first frame (the logo at 0 s through the old-screen pass), each waited for
// until the GPU is done. The objects are built again in every iteration and
// never released, as in the demo, so the iterations are few. Only the first
// iteration of a run pays the driver's first use of each shader.
#include "bench/support/gl_bench_window.h"
#include "demo/demo.h"
#include "demo/effect_programs.h"
#include "demo/logo/logo.h"
#include "gfx/heap.h"
#include "gfx/render_target.h"
#include "gfx/textures.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

const int WIDTH = 1109, HEIGHT = 693;
const int ITERATIONS = 4;

bool openWindow(benchmark::State& state) {
    if (openGlBenchWindow(WIDTH, HEIGHT)) return true;
    state.SkipWithError("no display or no OpenGL context");
    return false;
}

// The demo's list holds its four targets once: each build gets a new one.
void freshRenderTargetList() { renderTargets = createPointerList(10); }

void BM_StartUpRenderTargets(benchmark::State& state) {
    if (!openWindow(state)) return;
    for (auto _ : state) {
        freshRenderTargetList();
        createRenderTargets(WIDTH, HEIGHT);
        finishGlWork();
    }
}
BENCHMARK(BM_StartUpRenderTargets)->Unit(benchmark::kMillisecond)->Iterations(ITERATIONS);

void BM_StartUpEffectPrograms(benchmark::State& state) {
    if (!openWindow(state)) return;
    for (auto _ : state) {
        EffectPrograms* programs = static_cast<EffectPrograms*>(allocZeroed(sizeof(EffectPrograms)));
        benchmark::DoNotOptimize(buildEffectPrograms(programs));
        finishGlWork();
    }
}
BENCHMARK(BM_StartUpEffectPrograms)->Unit(benchmark::kMillisecond)->Iterations(ITERATIONS);

void BM_StartUpCubeLogo(benchmark::State& state) {
    if (!openWindow(state)) return;
    for (auto _ : state) {
        CubeLogo* logo = static_cast<CubeLogo*>(allocZeroed(sizeof(CubeLogo)));
        benchmark::DoNotOptimize(buildCubeLogo(logo));
        finishGlWork();
    }
}
BENCHMARK(BM_StartUpCubeLogo)->Unit(benchmark::kMillisecond)->Iterations(ITERATIONS);

void BM_StartUpBanner(benchmark::State& state) {
    if (!openWindow(state)) return;
    for (auto _ : state) {
        benchmark::DoNotOptimize(createBannerTexture());
        finishGlWork();
    }
}
BENCHMARK(BM_StartUpBanner)->Unit(benchmark::kMillisecond)->Iterations(ITERATIONS);

void ignoreProgress(void*, int) {}

// startDemo and the first frame; "start_ms" and "first_frame_ms" split them.
void BM_StartDemoAndFirstFrame(benchmark::State& state) {
    if (!openWindow(state)) return;
    DisplayConfig display = {WIDTH, HEIGHT, 0, static_cast<float>(static_cast<double>(WIDTH) / HEIGHT)};
    displayConfig = display;
    double startSeconds = 0, frameSeconds = 0;
    for (auto _ : state) {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point begun = Clock::now();
        freshRenderTargetList();
        if (!startDemo(LoadProgress{nullptr, ignoreProgress}, &display)) {
            state.SkipWithError("startDemo failed");
            break;
        }
        finishGlWork();
        const Clock::time_point started = Clock::now();
        ShowState show;
        resetShowState(&show);
        drawFrame(&show, 0.0, FrameNotes(), PICTURE_DRAWN);
        finishGlWork();
        startSeconds += std::chrono::duration<double>(started - begun).count();
        frameSeconds += std::chrono::duration<double>(Clock::now() - started).count();
    }
    state.counters["start_ms"] = benchmark::Counter(1000 * startSeconds, benchmark::Counter::kAvgIterations);
    state.counters["first_frame_ms"] = benchmark::Counter(1000 * frameSeconds, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StartDemoAndFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(ITERATIONS);

}  // namespace

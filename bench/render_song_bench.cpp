// The whole song, as the demo renders it on its music thread: all 7,517,312
// frames of demoSong into musicBuffer and noteTrace, with the worker thread
// for the separable tracks (BM_RenderSong/worker) and without it, as builds
// without threads render (BM_RenderSong/one_thread), both timed by the clock
// on the wall. The counter "realtime" is the real-time factor (seconds of
// music per second of rendering); the song must render far ahead of playback
// (goal: over 40, under 4 s).
#include "synth/song_render.h"

#include <benchmark/benchmark.h>

namespace {

void BM_RenderSong(benchmark::State& state, RenderThreads threads) {
    for (auto _ : state) {
        if (!renderSongInto(demoSong, musicBuffer, nullptr, threads)) {
            state.SkipWithError("demoSong is rejected");
            break;
        }
        benchmark::ClobberMemory();
    }
    state.counters["realtime"] =
        benchmark::Counter(static_cast<double>(SONG_FRAMES) / SAMPLE_RATE, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK_CAPTURE(BM_RenderSong, worker, RENDER_WITH_WORKER)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(false);
BENCHMARK_CAPTURE(BM_RenderSong, one_thread, RENDER_ON_ONE_THREAD)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(false);

}  // namespace

// The whole song, as the demo renders it on its music thread: all 7,517,312
// frames of demoSong into musicBuffer and noteTrace, on one thread, timed by
// the clock on the wall. BM_RenderSong/routines runs the song's compiled
// instrument routines, as the demo does; BM_RenderSong/interpreted the same
// tables through the unit interpreter (a song without routines), for the
// ratio. The counter "realtime" is the real-time factor (seconds of music per
// second of rendering); the song must render far ahead of playback.
#include "synth/song_render.h"

#include <benchmark/benchmark.h>

namespace {

void BM_RenderSong(benchmark::State& state, bool routines) {
    Song song = demoSong;
    if (!routines) song.framesRoutine = nullptr;
    for (auto _ : state) {
        if (!renderSongInto(song, musicBuffer, nullptr)) {
            state.SkipWithError("demoSong is rejected");
            break;
        }
        benchmark::ClobberMemory();
    }
    state.counters["realtime"] =
        benchmark::Counter(static_cast<double>(SONG_FRAMES) / SAMPLE_RATE, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK_CAPTURE(BM_RenderSong, routines, true)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(false);
BENCHMARK_CAPTURE(BM_RenderSong, interpreted, false)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(false);

}  // namespace

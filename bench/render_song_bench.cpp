// The whole song, as the demo renders it on its music thread: all 7,517,312
// frames of demoSong into musicBuffer and noteTrace, timed by the clock on
// the wall. BM_RenderSong/routines runs the song's compiled routines as the
// demo does (on Linux the split ones, a group of tracks on a worker thread);
// BM_RenderSong/one_thread the routine of whole frames, as on Windows and in
// the browser; BM_RenderSong/interpreted the same tables through the unit
// interpreter (a song without routines), for the ratios. The counter
// "realtime" is the real-time factor (seconds of music per second of
// rendering); the song must render far ahead of playback.
#include "synth/song_render.h"

#include <benchmark/benchmark.h>

namespace {

enum Routines { SPLIT_ROUTINES, WHOLE_FRAMES_ROUTINE, NO_ROUTINES };

void BM_RenderSong(benchmark::State& state, Routines routines) {
    Song song = demoSong;
    if (routines != SPLIT_ROUTINES) song.masterRoutine = nullptr;
    if (routines == NO_ROUTINES) song.framesRoutine = nullptr;
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

// Each render is long: one a repetition, three repetitions.
void wholeSongRuns(benchmark::internal::Benchmark* runs) {
    runs->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(false);
}
BENCHMARK_CAPTURE(BM_RenderSong, routines, SPLIT_ROUTINES)->Apply(wholeSongRuns);
BENCHMARK_CAPTURE(BM_RenderSong, one_thread, WHOLE_FRAMES_ROUTINE)->Apply(wholeSongRuns);
BENCHMARK_CAPTURE(BM_RenderSong, interpreted, NO_ROUTINES)->Apply(wholeSongRuns);

}  // namespace

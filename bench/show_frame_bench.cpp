// Whole frames of the show at 1109 x 693, as bench/web/frame_times.py times
// the browser's: the show from its start on a clock of 10 frames a second,
// music cues and all, every frame drawn through the old-screen pass and
// waited for; the figures are the mean frame over the cube logo (2 to 6 s)
// and over the sponge (20 to 24 s). The song is rendered first, and each
// frame polls its notes at the position the clock gives.
#include "bench/support/gl_bench_window.h"
#include "demo/demo.h"
#include "demo/show_timeline.h"
#include "gfx/render_target.h"
#include "synth/frame_notes.h"
#include "synth/song_render.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

const int WIDTH = 1109, HEIGHT = 693;
const int RATE = 10;  // frames a second of show time

void ignoreProgress(void*, int) {}

void drawShowFrame(int frame, ShowState* show, FrameNotes* notes) {
    const double time = static_cast<double>(frame) / RATE;
    if (time > MUSIC_START) {
        pollNoteTrace(noteTrace, static_cast<uint32_t>((time - MUSIC_START) * SAMPLE_RATE), notes);
    } else {
        holdFrameNotes(notes);
    }
    drawFrame(show, time, *notes, PICTURE_DRAWN);
    finishGlWork();
}

void BM_ShowFrame(benchmark::State& state, int firstSecond, int lastSecond) {
    if (!openGlBenchWindow(WIDTH, HEIGHT)) {
        state.SkipWithError("no display or no OpenGL context");
        return;
    }
    if (!renderSongInto(demoSong, musicBuffer, nullptr)) {
        state.SkipWithError("the song is rejected");
        return;
    }
    displayConfig = DisplayConfig{WIDTH, HEIGHT, 0, static_cast<float>(static_cast<double>(WIDTH) / HEIGHT)};
    renderTargets = createPointerList(10);
    if (!startDemo(LoadProgress{nullptr, ignoreProgress}, &displayConfig)) {
        state.SkipWithError("startDemo failed");
        return;
    }
    using Clock = std::chrono::steady_clock;
    Clock::duration timed{};
    for (auto _ : state) {
        ShowState show;
        resetShowState(&show);
        FrameNotes notes = {};
        int frame = 0;
        state.PauseTiming();
        for (; frame < firstSecond * RATE; ++frame) drawShowFrame(frame, &show, &notes);
        state.ResumeTiming();
        const Clock::time_point start = Clock::now();
        for (; frame < lastSecond * RATE; ++frame) drawShowFrame(frame, &show, &notes);
        timed += Clock::now() - start;
    }
    const double frames = static_cast<double>(state.iterations()) * (lastSecond - firstSecond) * RATE;
    state.counters["frame_ms"] = std::chrono::duration<double, std::milli>(timed).count() / frames;
}
BENCHMARK_CAPTURE(BM_ShowFrame, logo, 2, 6)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK_CAPTURE(BM_ShowFrame, sponge, 20, 24)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

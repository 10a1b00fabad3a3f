// The real music start on SDL's disk driver, which plays in real time: the
// render thread must stay well ahead of the device for as long as it renders,
// and the poll must follow the device into the rendered trace.
#include "platform/platform.h"
#include "synth/music.h"
#include "synth/song_render.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

const int32_t ONE_SECOND = SAMPLE_RATE;

TEST(MusicPlayback, RenderStaysAtLeastOneSecondAheadOfTheDevice) {
    const std::string capture = testing::TempDir() + "quorvel-lead-" + std::to_string(getpid()) + ".raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", capture.c_str(), 1);
    clearMusicNotes();

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    startMusic();

    // Half a second in, the render must be a second ahead, and stay so until
    // the song is rendered (or, on a slow machine, for as long as we watch).
    const double headStartSeconds = 0.5;
    const double watchSeconds = 40.0;
    int32_t worstLead = SONG_FRAMES;
    uint32_t playedAtWorst = 0;
    int32_t rendered = 0;
    uint32_t played = 0;
    long readings = 0;
    double seconds = 0.0;
    while (rendered < SONG_FRAMES && seconds < watchSeconds) {
        // Rendered first: the lead read is never larger than it was.
        rendered = renderedFrames.load(std::memory_order_acquire);
        played = platformWavePosition();
        pollMusicNotes();
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
        int32_t lead = rendered - static_cast<int32_t>(played);
        if (seconds >= headStartSeconds && rendered < SONG_FRAMES) {
            ++readings;
            if (lead < worstLead) {
                worstLead = lead;
                playedAtWorst = played;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }

    std::printf("watched %.2f s (render %s), the device then at frame %u (%.2f s); %ld readings, "
                "smallest lead %d frames (%.2f s) with the device at frame %u\n",
                seconds, rendered == SONG_FRAMES ? "finished" : "still running", played,
                static_cast<double>(played) / SAMPLE_RATE, readings, worstLead,
                static_cast<double>(worstLead) / SAMPLE_RATE, playedAtWorst);
    ASSERT_GT(readings, 0) << "the render finished within " << headStartSeconds << " s: nothing to watch";
    EXPECT_GE(worstLead, ONE_SECOND);
    EXPECT_GT(played, 0u) << "the device never played";

    // The poll reads the row of the device's block (polled again if the device
    // moved on to the next block meanwhile).
    uint32_t block;
    do {
        block = platformWavePosition() / NOTE_TRACE_BLOCK;
        pollMusicNotes();
    } while (platformWavePosition() / NOTE_TRACE_BLOCK != block);
    for (int t = 0; t < TRACK_COUNT; ++t)
        EXPECT_EQ(trackNote[t], noteTrace[block][2 * t].load(std::memory_order_relaxed)) << "track " << t;
    std::remove(capture.c_str());
}

}  // namespace

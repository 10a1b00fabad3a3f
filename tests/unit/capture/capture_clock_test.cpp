// The capture backend's virtual clock through the demo's own main-loop pass,
// and the virtual wave device that follows it.
#include "app/main_loop.h"
#include "platform/capture/capture_backend.h"
#include "platform/platform.h"
#include "synth/music.h"
#include "tests/unit/app/demo_stand_ins.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const int RATES[] = {1, 7, 24, 25, 30, 60, 144, 1000};

// The main loop's state as at program start.
void resetLoop(int fps) {
    setCaptureFrameRate(fps);
    setCaptureFrame(0);
    clockStart = 0.0;
    demoTime = 0.0;
    quitRequested = false;
    fadeFinished = false;
    resetDemoStandIns();
}

}  // namespace

TEST(CaptureClock, MainLoopSeesFrameNAtTheTimeThePlanExpects) {
    // A first reading of 0 would be taken for "no frame yet": frame 1 would
    // then read 0 again and every later frame one frame late.
    for (int fps : {7, 60}) {
        resetLoop(fps);
        for (int64_t frame = 0; frame < 5; ++frame) {
            setCaptureFrame(frame);
            runLoopPass();
        }
        ASSERT_EQ(demoStandIns.frameTimes.size(), 5u);
        for (int64_t frame = 0; frame < 5; ++frame) {
            EXPECT_EQ(demoStandIns.frameTimes[frame], captureDemoTime(frame)) << fps << " fps, frame " << frame;
            EXPECT_NEAR(demoStandIns.frameTimes[frame], static_cast<double>(frame) / fps, 1e-15);
        }
    }
}

TEST(CaptureClock, WholeSecondsAreExactSoTheMusicStartsInTheFrameAfterTwelve) {
    for (int fps : RATES) {
        setCaptureFrameRate(fps);
        for (int64_t second : {1, 10, 12, 14, 60, 171, 7999}) {
            EXPECT_EQ(captureDemoTime(second * fps), static_cast<double>(second)) << fps << " fps, " << second << " s";
        }
        EXPECT_GT(captureDemoTime(12 * fps + 1), 12.0) << fps << " fps";
    }
}

TEST(CaptureClock, EveryFrameIsWithinAUnitInTheLastPlaceOfItsTimeAndTimesRise) {
    for (int fps : RATES) {
        setCaptureFrameRate(fps);
        double before = -1.0;
        for (int64_t frame = 0; frame <= 8000LL * fps; frame += frame < 5000 ? 1 : 997) {
            const double exact = static_cast<double>(frame) / fps;
            const double t = captureDemoTime(frame);
            const double unit = exact > 0.0 ? std::nextafter(exact, 2.0 * exact + 1.0) - exact : 0.0;
            ASSERT_LE(std::fabs(t - exact), unit) << fps << " fps, frame " << frame;
            ASSERT_GT(t, before) << fps << " fps, frame " << frame;
            before = t;
        }
    }
}

TEST(CaptureClock, SoundBetweenFramesIsTheFramesShareOfFortyFourThousandOneHundred) {
    for (int fps : RATES) {
        setCaptureFrameRate(fps);
        const int64_t start = captureCounterAt(721);
        for (int64_t frames : {0, 1, 2, 3, 59, 60, 61, 1000, 443 * 1000}) {
            const int64_t expected = frames * 44100 / fps;
            EXPECT_EQ(soundFramesBetween(start, captureCounterAt(721 + frames)), expected)
                << fps << " fps, " << frames << " frames";
        }
    }
}

// The device is static state: these run in one test, in order.
TEST(CaptureWave, PositionFollowsTheClockFromThePlayCallAndStopsAtTheEnd) {
    setCaptureFrameRate(60);
    setCaptureFrame(100);
    EXPECT_EQ(platformWavePosition(), 0u) << "nothing plays before the buffer is handed over";
    CaptureSound sound;
    EXPECT_EQ(capturedSound(&sound), 0);

    static std::atomic<float> samples[2 * 2000];
    ASSERT_EQ(platformOpenWaveOutput(), 1);
    setCaptureFrame(721);
    platformPlayWaveBuffer(samples, 2000);
    EXPECT_EQ(platformWavePosition(), 0u) << "playback starts at the frame of the play call";
    setCaptureFrame(722);
    EXPECT_EQ(platformWavePosition(), 735u);
    setCaptureFrame(723);
    EXPECT_EQ(platformWavePosition(), 1470u);
    setCaptureFrame(724);
    EXPECT_EQ(platformWavePosition(), 2000u) << "the position stops at the buffer's end";
    setCaptureFrame(9000);
    EXPECT_EQ(platformWavePosition(), 2000u);

    ASSERT_EQ(capturedSound(&sound), 1);
    EXPECT_EQ(sound.samples, samples);
    EXPECT_EQ(sound.frameCount, 2000u);
    EXPECT_EQ(sound.startCounter, captureCounterAt(721));
}

namespace {
int routineRuns = 0;
void countRun(void* argument) { routineRuns += *static_cast<int*>(argument); }
}  // namespace

TEST(CaptureThread, RoutineHasRunWhenTheStartReturns) {
    // The song must be whole before the next frame polls it, while the
    // virtual clock stands still.
    routineRuns = 0;
    int step = 3;
    ASSERT_EQ(platformStartThread(countRun, &step), 1);
    EXPECT_EQ(routineRuns, 3);
}

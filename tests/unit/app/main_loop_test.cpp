// The main loop's order against the fake platform.
#include "app/entry.h"
#include "app/main_loop.h"
#include "tests/unit/app/shell_test_support.h"

namespace {

// A counter reading of the first frame; 0 would mean "not started yet".
const int64_t START = 5000;

// Runs passes until the loop would end, at most maxPasses; returns passes run.
int runPasses(int maxPasses) {
    int passes = 0;
    int done = 0;
    while (!done && passes < maxPasses) {
        done = runLoopPass();
        platformSwapBuffers(nullptr);
        ++passes;
    }
    return passes;
}

using MainLoop = ShellTest;

TEST_F(MainLoop, FirstFrameHasDemoTimeZeroWhateverTheCounterReads) {
    scriptClock({987654321, 987654338});
    runPasses(2);
    ASSERT_EQ(demoStandIns.frameTimes.size(), 2u);
    EXPECT_EQ(demoStandIns.frameTimes[0], 0.0);
    EXPECT_NEAR(demoStandIns.frameTimes[1], 0.017, 1e-9);
    EXPECT_FALSE(demoStandIns.frameMusicStarted[0]);
}

TEST_F(MainLoop, MusicStartsInTheFirstFrameStrictlyPastTwelveSecondsAndOnlyOnce) {
    scriptClock({1000, 12000, 13000, 13001, 14000, 15000});  // 0, 11, 12, 12.001, 13, 14 s
    fake.frequency = 1000;
    runPasses(6);
    // 0 s, 11 s: not yet; 12 s exactly: not yet; 12.001 s: starts.
    EXPECT_EQ(demoStandIns.frameMusicStarted, (std::vector<bool>{false, false, false, true, true, true}));
    EXPECT_EQ(demoStandIns.startDemoCalls, 0);
    // The music's start goes through the platform exactly once, whatever it starts.
    EXPECT_TRUE(musicStarted);
    EXPECT_LE(fake.threadsStarted, 1);
}

TEST_F(MainLoop, QuitMessageStartsTheFadeAndFramesGoOnUntilItFinishes) {
    // 10 ms a frame; Escape arrives before the pass of the frame at 100 ms.
    fake.counterReadings.clear();
    for (int ms = 0; ms <= 3000; ms += 10) fake.counterReadings.push_back(START + ms);
    PlatformMessage escape = keyDown(KEY_ESCAPE);
    registerWindowProc();
    fake.messagesAtPass[10] = {escape};

    int passes = runPasses(1000);

    EXPECT_TRUE(quitRequested);
    EXPECT_NEAR(quitTime, 0.1, 1e-9);
    EXPECT_TRUE(fadeFinished);
    // The fade needs q > 0.9995 s: the first frame at or past 1.1 s is the last.
    EXPECT_NEAR(demoStandIns.frameTimes.back(), 1.1, 1e-9);
    EXPECT_EQ(passes, 111);
    // Every frame was swapped, the last one too.
    EXPECT_EQ(fake.swaps, passes);
    EXPECT_EQ(fake.calls.back(), "swapBuffers");
}

TEST_F(MainLoop, SecondQuitRestartsTheFadeFromItsOwnTime) {
    fake.counterReadings.clear();
    for (int ms = 0; ms <= 5000; ms += 10) fake.counterReadings.push_back(START + ms);
    registerWindowProc();
    fake.messagesAtPass[10] = {keyDown(KEY_ESCAPE)};
    fake.messagesAtPass[60] = {closeRequest()};

    runPasses(1000);

    EXPECT_NEAR(quitTime, 0.6, 1e-9);
    EXPECT_NEAR(demoStandIns.frameTimes.back(), 1.6, 1e-9);
}

TEST_F(MainLoop, QuitBeforeTwelveSecondsDoesNotKeepTheMusicFromStarting) {
    // A quit at 11.5 s; the fade is still running when the clock passes 12 s.
    fake.counterReadings.clear();
    for (int ms = 0; ms <= 14000; ms += 100) fake.counterReadings.push_back(START + ms);
    registerWindowProc();
    fake.messagesAtPass[115] = {keyDown(KEY_ESCAPE)};
    runPasses(1000);
    EXPECT_TRUE(musicStarted);
    EXPECT_NEAR(demoStandIns.frameTimes.back(), 12.5, 1e-9);
}

TEST_F(MainLoop, FrequencyIsReadOnEveryPass) {
    scriptClock({0, 10, 20});
    runPasses(3);
    EXPECT_EQ(fake.counterReads, 3);
    EXPECT_EQ(fake.frequencyReads, 3);
}

}  // namespace

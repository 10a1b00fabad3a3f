// The application shell against the fake platform and the demo's stand-ins:
// start-up and its failure path, the main loop's order, the window's events.
#include "app/app_window.h"
#include "app/entry.h"
#include "app/main_loop.h"
#include "demo/show_timeline.h"
#include "synth/music.h"
#include "tests/fake_platform/fake_platform.h"
#include "tests/unit/app/demo_stand_ins.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

class Shell : public ::testing::Test {
protected:
    void SetUp() override {
        resetFakePlatform();
        resetDemoStandIns();
        displayConfig = DisplayConfig();
        musicStarted = false;
        fake.calls.clear();
    }

    // One counter reading a pass, every stepMs from 5 s (0 would mean "no first frame yet").
    static void clockInSteps(int stepMs, int lastMs) {
        for (int ms = 0; ms <= lastMs; ms += stepMs) fake.counterReadings.push_back(5000 + ms);
    }
};

PlatformEvent keyDown(PlatformKey key) { return PlatformEvent{EVENT_KEY_DOWN, key, 0}; }
const PlatformEvent CLOSE = {EVENT_CLOSE, KEY_OTHER, 0};

TEST_F(Shell, MainLoopStartsTheMusicPastItsMomentRunsUntilTheFadeEndsAndSwapsEveryFrameTheLastToo) {
    clockInSteps(100, 20000);
    const int start = static_cast<int>(MUSIC_START * 10);  // the pass at the music's moment
    fake.eventsAtPass[start - 5] = {keyDown(KEY_ESCAPE)};
    fake.eventsAtPass[start - 2] = {CLOSE};  // the fade starts again
    WindowContext context = {};
    runMainLoop(&context, standInDemo);

    const DemoStandIns& frames = demoStandIns;
    // The last frame is the first over 0.9995 s past the latest quit, a second after it.
    ASSERT_EQ(frames.frameTimes.size(), start + 9u);
    EXPECT_EQ(frames.frameTimes[0], 0.0);
    EXPECT_EQ(frames.frameTimes[start], MUSIC_START);
    EXPECT_FALSE(frames.frameMusicStarted[start]) << "not at the moment exactly";
    EXPECT_TRUE(frames.frameMusicStarted[start + 1]) << "in the first pass past it, though a quit came before";
    EXPECT_EQ(fake.threadsStarted, 1);
    EXPECT_NEAR(frames.quitTime, MUSIC_START - 0.2, 1e-9);
    EXPECT_EQ(fake.swaps, static_cast<int>(frames.frameTimes.size()));
    EXPECT_EQ(fake.calls.back(), "swapBuffers");
}

struct Display {
    int answerYes, screenWidth, screenHeight;
    int width, height;
};

TEST_F(Shell, StartUpAsksFillsTheDisplayAndPlacesTheWindowAndTeardownUndoesItInOrder) {
    const Display rows[] = {{0, 1920, 1080, 1109, 693}, {1, 1920, 1080, 1920, 1080}, {1, 800, 600, 800, 600}};
    for (const Display& row : rows) {
        SCOPED_TRACE(testing::Message() << "answer " << row.answerYes << " on " << row.screenWidth);
        SetUp();
        fake.answerYes = row.answerYes;
        fake.screenWidth = row.screenWidth;
        fake.screenHeight = row.screenHeight;
        clockInSteps(50, 2000);
        fake.eventsAtPass[0] = {keyDown(KEY_ESCAPE)};
        EXPECT_EQ(runQuorvel(standInDemo), 0);

        EXPECT_EQ(fake.boxes, std::vector<std::string>{"Run Fullscreen?|Quorvel"});
        const DisplayConfig& d = displayConfig;
        EXPECT_EQ(std::make_tuple(d.width, d.height, d.fullscreen, d.aspect),
                  std::make_tuple(row.width, row.height, row.answerYes, static_cast<float>(row.width) / row.height));
        ASSERT_EQ(fake.windowRequests.size(), 1u);
        const PlatformWindowRequest& w = fake.windowRequests[0];
        EXPECT_STREQ(w.title, "Quorvel");
        EXPECT_EQ(std::make_tuple(w.centred, w.width, w.height, w.fullscreen, w.topmost),
                  std::make_tuple(1, row.width, row.height, row.answerYes, 1 - row.answerYes));
        EXPECT_EQ(std::make_tuple(w.pixelFormat.depthBits, w.pixelFormat.doubleBuffer), std::make_tuple(32, 1));

        std::vector<const char*> order = {"makeNoneCurrent", "deleteGlContext", "releaseSurface", "destroyWindow",
                                          "stopWindowSystem"};
        if (row.answerYes) {
            EXPECT_LT(fake.indexOf("changeDisplayMode"), fake.indexOf("createWindow"));
            EXPECT_LT(fake.indexOf("hideCursor"), fake.indexOf("createWindow"));
            order.insert(order.end(), {"restoreDisplayMode", "showCursor"});
        }
        for (const char* step : {"changeDisplayMode", "hideCursor", "restoreDisplayMode", "showCursor"})
            EXPECT_EQ(fake.count(step), row.answerYes) << step;
        for (size_t i = 1; i < order.size(); ++i)
            EXPECT_LT(fake.indexOf(order[i - 1]), fake.indexOf(order[i])) << order[i];
    }
}

TEST_F(Shell, AnyStartUpFailureTearsDownShowsOneBoxAndExitsWithZeroWithoutTheLaterSteps) {
    const struct {
        const char* failing;      // the step that fails
        const char* neverCalled;  // the step after it, which must not run
    } rows[] = {
        {"startWindowSystem", "createWindow"}, {"changeDisplayMode", "createWindow"},
        {"createWindow", "getSurface"},        {"getSurface", "checkPixelFormat"},
        {"checkPixelFormat", "createGlContext"}, {"createGlContext", "makeCurrent"},
        {"makeCurrent", "bringToFront"},       {"glGetUniformBlockIndex", "startDemo"},
        {"startDemo", "swapBuffers"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.failing);
        SetUp();
        fake.answerYes = 1;  // full screen, so that the mode change takes part
        fake.failing = {row.failing};
        fake.missingGlNames = {row.failing};
        demoStandIns.startDemoFails = std::string(row.failing) == "startDemo";
        EXPECT_EQ(runQuorvel(standInDemo), 0);

        const bool demoStep = std::string(row.neverCalled) == "startDemo";
        EXPECT_EQ(demoStep ? demoStandIns.startDemoCalls : fake.count(row.neverCalled), 0);
        EXPECT_TRUE(demoStandIns.frameTimes.empty());
        EXPECT_EQ(fake.boxes.back(), "Something went bang...|");
        EXPECT_EQ(fake.count("warningBox"), 1);
        // destroyAppWindow (which always stops the window system) ran before the box.
        EXPECT_LT(fake.indexOf("stopWindowSystem"), fake.indexOf("warningBox"));
        EXPECT_EQ(fake.count("restoreDisplayMode"), 1);
    }
}

TEST_F(Shell, EscapeAndTheWindowsCloseAskForTheQuitAndNothingElseDoes) {
    const struct {
        PlatformEvent event;
        int quitRequests;
    } rows[] = {
        {CLOSE, 1},
        {keyDown(KEY_ESCAPE), 1},
        {PlatformEvent{EVENT_KEY_DOWN, KEY_ESCAPE, 1}, 1},
        {keyDown(KEY_OTHER), 0},
        {keyDown(KEY_SPACE), 0},
        {PlatformEvent{EVENT_FOCUS_LOST, KEY_ESCAPE, 0}, 0},  // a key only counts on a key-down
        {PlatformEvent{EVENT_FOCUS_GAINED, KEY_OTHER, 0}, 0},
    };
    for (const auto& row : rows) {
        resetFakePlatform();
        answerWindowEvent(row.event);
        EXPECT_EQ(fake.quitRequests, row.quitRequests) << row.event.kind << " " << row.event.key;
        EXPECT_EQ(fake.count("destroyWindow"), 0);
    }
}

}  // namespace

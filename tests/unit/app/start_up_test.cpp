// Start-up, failure path and window behaviour of the shell against the fake platform.
#include "app/entry.h"
#include "tests/unit/app/shell_test_support.h"

namespace {

using StartUp = ShellTest;

// Escape before the first pass, so that runQuorvel's loop ends after the fade.
void quitAtOnce() {
    fake.counterReadings.clear();
    for (int ms = 0; ms <= 2000; ms += 50) fake.counterReadings.push_back(1000 + ms);
    fake.messagesAtPass[0] = {PlatformMessage{fakeWindow(), MSG_KEYDOWN, KEY_ESCAPE}};
}

TEST_F(StartUp, AsksTheQuestionAndNoGivesTheFixedWindowCentredOnTheScreen) {
    quitAtOnce();
    EXPECT_EQ(runQuorvel(), 0);

    ASSERT_GE(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].kind, "question");
    EXPECT_EQ(fake.boxes[0].text, "Run Fullscreen?");
    EXPECT_EQ(fake.boxes[0].caption, "Quorvel");
    EXPECT_EQ(displayConfig.width, 1109);
    EXPECT_EQ(displayConfig.height, 693);
    EXPECT_EQ(displayConfig.fullscreen, 0);
    EXPECT_FLOAT_EQ(displayConfig.aspect, 1109.0f / 693.0f);

    ASSERT_EQ(fake.windowRequests.size(), 1u);
    const PlatformWindowRequest& window = fake.windowRequests[0];
    EXPECT_STREQ(window.title, "Quorvel");
    // The fake's frame adds 3 + 3 pixels across and 23 + 3 down.
    EXPECT_EQ(window.width, 1115);
    EXPECT_EQ(window.height, 719);
    EXPECT_EQ(window.x, (1920 - 3 - 1112) >> 1);
    EXPECT_EQ(window.y, (1080 - 23 - 696) >> 1);
    EXPECT_EQ(window.topmost, 1);
    EXPECT_EQ(window.fullscreen, 0);
    EXPECT_EQ(window.pixelFormat.depthBits, 32);
    EXPECT_EQ(window.pixelFormat.doubleBuffer, 1);
    EXPECT_EQ(fake.count("changeDisplayMode"), 0);
    EXPECT_EQ(fake.count("hideCursor"), 0);
}

TEST_F(StartUp, CentringRoundsTowardsMinusInfinityWhenTheWindowIsLargerThanTheScreen) {
    quitAtOnce();
    fake.screenWidth = 1000;
    fake.screenHeight = 600;
    runQuorvel();
    ASSERT_EQ(fake.windowRequests.size(), 1u);
    EXPECT_EQ(fake.windowRequests[0].x, -58);  // (1000 - 1115) / 2 = -57.5
    EXPECT_EQ(fake.windowRequests[0].y, -60);  // (600 - 719) / 2 = -59.5
}

TEST_F(StartUp, YesTakesTheScreenSizeSwitchesTheModeFirstAndRestoresItAtTheEnd) {
    quitAtOnce();
    fake.answerYes = 1;
    fake.screenWidth = 1920;
    fake.screenHeight = 1080;
    runQuorvel();

    EXPECT_EQ(displayConfig.fullscreen, 1);
    EXPECT_EQ(displayConfig.width, 1920);
    EXPECT_EQ(displayConfig.height, 1080);
    EXPECT_NEAR(displayConfig.aspect, 1.7778f, 1e-4f);
    ASSERT_EQ(fake.windowRequests.size(), 1u);
    EXPECT_EQ(fake.windowRequests[0].x, 0);
    EXPECT_EQ(fake.windowRequests[0].y, 0);
    EXPECT_EQ(fake.windowRequests[0].width, 1920);
    EXPECT_EQ(fake.windowRequests[0].fullscreen, 1);
    EXPECT_EQ(fake.windowRequests[0].topmost, 0);
    EXPECT_LT(fake.indexOf("changeDisplayMode"), fake.indexOf("createWindow"));
    EXPECT_LT(fake.indexOf("hideCursor"), fake.indexOf("createWindow"));
    EXPECT_LT(fake.indexOf("destroyWindow"), fake.indexOf("restoreDisplayMode"));
    EXPECT_LT(fake.indexOf("restoreDisplayMode"), fake.indexOf("showCursor"));
}

TEST_F(StartUp, RefusedModeChangeCreatesNoWindowButStillRestoresTheMode) {
    fake.answerYes = 1;
    fake.failDisplayMode = true;
    EXPECT_EQ(runQuorvel(), 0);
    EXPECT_EQ(fake.count("createWindow"), 0);
    EXPECT_EQ(fake.count("restoreDisplayMode"), 1);
    EXPECT_EQ(fake.count("showCursor"), 1);
    EXPECT_EQ(fake.count("warningBox"), 1);
}

TEST_F(StartUp, TeardownReleasesInOrderAndEndsWithoutABox) {
    quitAtOnce();
    runQuorvel();
    EXPECT_EQ(fake.count("warningBox"), 0);
    int none = fake.indexOf("makeNoneCurrent");
    ASSERT_GE(none, 0);
    EXPECT_LT(none, fake.indexOf("deleteGlContext"));
    EXPECT_LT(fake.indexOf("deleteGlContext"), fake.indexOf("releaseSurface"));
    EXPECT_LT(fake.indexOf("releaseSurface"), fake.indexOf("destroyWindow"));
    EXPECT_LT(fake.indexOf("destroyWindow"), fake.indexOf("stopWindowSystem"));
    EXPECT_EQ(fake.count("restoreDisplayMode"), 0);
}

// Every way start-up can fail ends the same: the window torn down as far as it
// was built, one warning box, exit code 0, and no frame drawn.
struct Failure {
    const char* name;
    void (*arrange)();
    const char* lastBuilt;  // the last step that ran before the failure
};

const Failure failures[] = {
    {"WindowSystem", [] { fake.failStartWindowSystem = true; }, "startWindowSystem"},
    {"CreateWindow", [] { fake.failCreateWindow = true; }, "createWindow"},
    {"Surface", [] { fake.failSurface = true; }, "getSurface"},
    {"PixelFormat", [] { fake.failPixelFormat = true; }, "checkPixelFormat"},
    {"CreateContext", [] { fake.failCreateContext = true; }, "createGlContext"},
    {"MakeCurrent", [] { fake.failMakeCurrent = true; }, "makeCurrent"},
    {"EntryPoint", [] { fake.missingGlNames = {"glGetUniformBlockIndex"}; }, "bringToFront"},
    {"StartDemo", [] { demoStandIns.startDemoFails = true; }, "bringToFront"},
};

class StartUpFailure : public ShellTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(StartUpFailure, TearsDownShowsOneBoxAndExitsWithZero) {
    GetParam().arrange();
    EXPECT_EQ(runQuorvel(), 0);

    int box = fake.indexOf("warningBox");
    ASSERT_GE(box, 0);
    EXPECT_EQ(fake.count("warningBox"), 1);
    EXPECT_EQ(fake.boxes.back().text, "Something went bang...");
    EXPECT_EQ(fake.boxes.back().caption, "");
    // destroyAppWindow ran (it always stops the window system) before the box.
    int stop = fake.indexOf("stopWindowSystem");
    ASSERT_GE(stop, 0);
    EXPECT_LT(stop, box);
    EXPECT_LT(fake.indexOf(GetParam().lastBuilt), stop);
    EXPECT_TRUE(demoStandIns.frameTimes.empty());
    EXPECT_EQ(fake.swaps, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryStep, StartUpFailure, ::testing::ValuesIn(failures),
                         [](const ::testing::TestParamInfo<Failure>& info) { return info.param.name; });

TEST_F(StartUp, DestroyAppWindowIsSafeOnAnUntouchedRecord) {
    WindowContext empty = {};
    destroyAppWindow(&empty);
    EXPECT_EQ(fake.count("deleteGlContext"), 0);
    EXPECT_EQ(fake.count("releaseSurface"), 0);
    EXPECT_EQ(fake.count("destroyWindow"), 0);
    EXPECT_EQ(fake.count("stopWindowSystem"), 1);
}

// ---------------------------------------------------------------------------
// The window procedure
// ---------------------------------------------------------------------------

using WindowProcedure = ShellTest;

TEST_F(WindowProcedure, SwallowsScreenSaverAndMonitorPowerRequests) {
    for (uintptr_t command : {uintptr_t(SYSCOMMAND_SCREENSAVE), uintptr_t(SYSCOMMAND_MONITORPOWER)}) {
        EXPECT_EQ(windowProc(fakeWindow(), PlatformMessage{fakeWindow(), MSG_SYSCOMMAND, command}), 0);
    }
    EXPECT_EQ(fake.count("defaultWindowProc"), 0);
    EXPECT_EQ(fake.quitPosts, 0);
}

TEST_F(WindowProcedure, ComparesTheWholeCommandValue) {
    // 0xF141 is not the screen saver, whatever its low bits.
    EXPECT_EQ(windowProc(fakeWindow(), PlatformMessage{fakeWindow(), MSG_SYSCOMMAND, 0xF141}), 7);
    EXPECT_EQ(windowProc(fakeWindow(), PlatformMessage{fakeWindow(), MSG_SYSCOMMAND, SYSCOMMAND_CLOSE}), 7);
    EXPECT_EQ(fake.count("defaultWindowProc"), 2);
}

TEST_F(WindowProcedure, CloseAndEscapePostTheQuitMessage) {
    EXPECT_EQ(windowProc(fakeWindow(), closeRequest()), 0);
    EXPECT_EQ(fake.quitPosts, 1);
    EXPECT_EQ(windowProc(fakeWindow(), keyDown(KEY_ESCAPE)), 0);
    EXPECT_EQ(fake.quitPosts, 2);
    EXPECT_EQ(fake.count("destroyWindow"), 0);
}

TEST_F(WindowProcedure, OtherKeysAndMessagesGoToTheDefault) {
    EXPECT_EQ(windowProc(fakeWindow(), keyDown('A')), 7);
    EXPECT_EQ(windowProc(fakeWindow(), PlatformMessage{fakeWindow(), MSG_OTHER, 0}), 7);
    EXPECT_EQ(fake.quitPosts, 0);
}

}  // namespace

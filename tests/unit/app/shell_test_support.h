// Shared set-up for the shell's tests: fake platform, stand-in demo, fresh state.
#pragma once

#include "app/app_window.h"
#include "app/shell_state.h"
#include "synth/music.h"
#include "tests/fake_platform/fake_platform.h"
#include "tests/unit/app/demo_stand_ins.h"

#include <gtest/gtest.h>

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetFakePlatform();
        resetDemoStandIns();
        displayConfig = DisplayConfig();
        clockStart = demoTime = quitTime = 0.0;
        quitRequested = fadeFinished = false;
        musicStarted = false;
        clearMusicNotes();
    }

    // Clock readings in milliseconds (the fake's frequency is 1000), one a pass.
    static void scriptClock(std::initializer_list<int64_t> milliseconds) {
        fake.counterReadings.assign(milliseconds.begin(), milliseconds.end());
    }

    // Lets dispatched messages reach the shell's window procedure.
    static void registerWindowProc() { platformStartWindowSystem("Quorvel", windowProc); }

    static PlatformMessage keyDown(uintptr_t key) { return PlatformMessage{fakeWindow(), MSG_KEYDOWN, key}; }
    static PlatformMessage closeRequest() { return PlatformMessage{fakeWindow(), MSG_CLOSE, 0}; }
};

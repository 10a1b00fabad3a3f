// A scripted platform for unit tests: every call is logged, every answer and
// failure is set by the test. Reset it at the start of each test.
#pragma once

#include "platform/platform.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

struct FakeBox {
    std::string kind;  // "question", "warning", "error"
    std::string text;
    std::string caption;
};

struct FakePlatform {
    // Answers and failures.
    int answerYes = 0;
    int screenWidth = 1920, screenHeight = 1080;
    bool failStartWindowSystem = false;
    bool failDisplayMode = false;
    bool failCreateWindow = false;
    bool failSurface = false;
    bool failPixelFormat = false;
    bool failCreateContext = false;
    bool failMakeCurrent = false;
    std::set<std::string> missingGlNames;  // names the "context" does not provide

    // Clock: each counter read takes the next value (the last one repeats).
    std::deque<int64_t> counterReadings;
    int64_t frequency = 1000;

    // Messages: before pass n (counted by counter reads) these are queued.
    std::map<int, std::vector<PlatformMessage>> messagesAtPass;

    // Wave output.
    bool waveOpens = true;
    uint32_t wavePosition = 0;

    // What happened.
    std::vector<std::string> calls;
    std::vector<FakeBox> boxes;
    std::vector<PlatformWindowRequest> windowRequests;
    int counterReads = 0;
    int frequencyReads = 0;
    int swaps = 0;
    int quitPosts = 0;
    int threadsStarted = 0;
    void (*lastThreadRoutine)(void*) = nullptr;
    void* lastThreadArgument = nullptr;
    const std::atomic<float>* playedBuffer = nullptr;
    uint32_t playedFrames = 0;
    PlatformWindowProc windowProc = nullptr;
    std::deque<PlatformMessage> queue;
    bool quitPending = false;

    // How many calls with this name were logged.
    int count(const std::string& name) const;
    // Index of the first logged call with this name, -1 if none.
    int indexOf(const std::string& name) const;
};

extern FakePlatform fake;

// Puts the fake back to its defaults.
void resetFakePlatform();

// The window handle the fake hands out.
PlatformWindow* fakeWindow();

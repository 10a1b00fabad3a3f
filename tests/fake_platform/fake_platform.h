// A scripted platform for unit tests: calls are logged, answers and failures
// are set by the test. Reset it at the start of each test.
#pragma once

#include "platform/platform.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

struct FakePlatform {
    int answerYes = 0;
    int screenWidth = 1920, screenHeight = 1080;
    std::set<std::string> failing;         // steps that fail, by their logged name
    std::set<std::string> missingGlNames;  // names the "context" does not provide
    // Milliseconds, one per pass; the last one repeats, for at most
    // PASSES_PAST_THE_CLOCK passes: a loop that has not ended by then never
    // would (its clock stands still), and the test process fails at once.
    std::deque<int64_t> counterReadings;
    static const int PASSES_PAST_THE_CLOCK = 10000;
    int passesPastTheClock = 0;
    std::map<int, std::vector<PlatformEvent>> eventsAtPass;  // queued before pass n
    bool waveOpens = true;
    uint32_t wavePosition = 0;

    std::vector<std::string> calls;  // what happened, in order
    std::vector<std::string> boxes;  // "text|caption"
    std::vector<PlatformWindowRequest> windowRequests;
    int passes = 0, swaps = 0, quitRequests = 0, threadsStarted = 0;
    int (*lastThreadRoutine)(void*) = nullptr;
    void* lastThreadArgument = nullptr;
    const std::atomic<float>* playedBuffer = nullptr;
    uint32_t playedFrames = 0;
    std::deque<PlatformEvent> queue;
    bool quitWaiting = false;

    int count(const std::string& name) const;
    int indexOf(const std::string& name) const;  // first logged call with this name, -1 if none
};

extern FakePlatform fake;
void resetFakePlatform();

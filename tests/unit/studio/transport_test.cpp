#include "tools/studio/transport/transport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const int FPS = 60;
const int64_t LAST = 600;  // 10 s

struct Press {
    TransportCommand command;
    int64_t frame;  // where the show stands after it
    int seek;       // whether the studio must bring the show there
};

struct Case {
    const char* what;
    std::vector<Press> presses;
};

TEST(Transport, KeysMoveTheShowWhereTheySay) {
    const Case cases[] = {
        {"seeks by a second and ten, held at both ends",
         {{TRANSPORT_FORWARD_SECOND, 60, 1},
          {TRANSPORT_FORWARD_10_SECONDS, 600, 1},
          {TRANSPORT_FORWARD_SECOND, 600, 1},
          {TRANSPORT_BACK_SECOND, 540, 1},
          {TRANSPORT_BACK_10_SECONDS, 0, 1},
          {TRANSPORT_FORWARD_SECOND, 60, 1},
          {TRANSPORT_TO_START, 0, 1}}},
        {"steps only while paused, one frame, not below 0",
         {{TRANSPORT_STEP_FORWARD, 0, 0},
          {TRANSPORT_PLAY_PAUSE, 0, 0},
          {TRANSPORT_STEP_BACK, 0, 0},
          {TRANSPORT_STEP_FORWARD, 1, 1},
          {TRANSPORT_STEP_FORWARD, 2, 1},
          {TRANSPORT_STEP_BACK, 1, 1},
          {TRANSPORT_PLAY_PAUSE, 1, 0},
          {TRANSPORT_STEP_BACK, 1, 0}}},
        {"the loop's marks and switch move nothing",
         {{TRANSPORT_MARK_LOOP_START, 0, 0}, {TRANSPORT_MARK_LOOP_END, 0, 0}, {TRANSPORT_TOGGLE_LOOP, 0, 0}}},
    };
    for (const Case& c : cases) {
        Transport transport = startTransport(FPS, LAST);
        for (size_t i = 0; i < c.presses.size(); ++i) {
            const int seek = applyTransportCommand(&transport, c.presses[i].command);
            EXPECT_EQ(transport.frame, c.presses[i].frame) << c.what << ", press " << i;
            EXPECT_EQ(seek, c.presses[i].seek) << c.what << ", press " << i;
        }
    }
}

struct Play {
    const char* what;
    int64_t from, loopStart, loopEnd;
    bool loopOn, paused;
    int64_t elapsed;
    int64_t expected;
    bool wrapped;
};

TEST(Transport, PlayGoesOnWrapsAtTheLoopsEndAndHoldsAtTheSongsEnd) {
    const Play plays[] = {
        {"no loop", 100, NO_MARK, NO_MARK, false, false, 5, 105, false},
        {"paused", 100, NO_MARK, NO_MARK, false, true, 5, 100, false},
        {"held at the end", 598, NO_MARK, NO_MARK, false, false, 5, 600, false},
        {"up to the loop's end", 100, 60, 120, true, false, 20, 120, false},
        {"one past it is its start", 100, 60, 120, true, false, 21, 60, true},
        {"a long jump wraps as often as it must", 100, 60, 120, true, false, 21 + 61 * 3 + 7, 67, true},
        {"a loop switched off", 100, 60, 120, false, false, 21, 121, false},
        {"marks the wrong way round", 100, 120, 60, true, false, 21, 121, false},
        {"started past the loop", 130, 60, 120, true, false, 5, 135, false},
    };
    for (const Play& p : plays) {
        Transport transport = startTransport(FPS, LAST);
        transport.frame = p.from;
        transport.loopStart = p.loopStart;
        transport.loopEnd = p.loopEnd;
        transport.loopOn = p.loopOn;
        transport.paused = p.paused;
        bool wrapped = false;
        EXPECT_EQ(framePlayedAfter(transport, p.elapsed, &wrapped), p.expected) << p.what;
        EXPECT_EQ(wrapped, p.wrapped) << p.what;
    }
}

}  // namespace

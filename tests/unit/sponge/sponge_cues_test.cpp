// The music-driven values behind the sponge, frame by frame.
#include "demo/sponge/sponge_cues.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Stands in for the shared generator: hands out the values given, in order.
std::vector<int32_t> scripted;
size_t draws = 0;

int32_t scriptedDraw(int32_t lo, int32_t hi) {
    EXPECT_TRUE(lo == 0 && hi == 1000);
    return draws < scripted.size() ? scripted[draws++] : (++draws, 0);
}

// One frame; a note is a fresh cue on its track unless `seen`.
void frame(SpongeCues* cues, int32_t bass = 0, int32_t lead = 0, bool seen = false, int bassTrack = 1, int leadTrack = 11) {
    int32_t notes[16] = {};
    uint8_t noteSeen[16];
    for (uint8_t& flag : noteSeen) flag = 1;
    notes[bassTrack] = bass, notes[leadTrack] = lead;
    noteSeen[bassTrack] = noteSeen[leadTrack] = seen;
    stepSpongeCues(cues, 30.0f, notes, noteSeen, scriptedDraw);
}

// Bass notes 48, 55, 43, 46, 53 on track 1 retarget both twists to minus a
// thousandth of two draws; lead notes 60 and 62 on track 11 add a level (the
// box one ahead, both up to 4) and throw a draw away, after the twist's.
TEST(SpongeCues, WhichNotesCueWhat) {
    const struct {
        int32_t bass, lead;
        bool seen;
        int bassTrack, leadTrack;
        size_t draws;
        float targetX, targetY;
        int32_t levels;
    } cases[] = {
        {48, 0, false, 1, 11, 2, -0.25f, -0.7f, 0}, {55, 0, false, 1, 11, 2, -0.25f, -0.7f, 0},
        {43, 0, false, 1, 11, 2, -0.25f, -0.7f, 0}, {46, 0, false, 1, 11, 2, -0.25f, -0.7f, 0},
        {53, 0, false, 1, 11, 2, -0.25f, -0.7f, 0}, {0, 60, false, 1, 11, 1, 0.0f, 0.0f, 1},
        {0, 62, false, 1, 11, 1, 0.0f, 0.0f, 1},    {48, 60, false, 1, 11, 3, -0.25f, -0.7f, 1},
        {47, 61, false, 1, 11, 0, 0.0f, 0.0f, 0},   {60, 48, false, 1, 11, 0, 0.0f, 0.0f, 0},
        {48, 60, true, 1, 11, 0, 0.0f, 0.0f, 0},    {48, 60, false, 2, 10, 0, 0.0f, 0.0f, 0},
    };
    for (const auto& c : cases) {
        SpongeCues cues = initialSpongeCues();
        scripted = {250, 700, 900}, draws = 0;
        frame(&cues, c.bass, c.lead, c.seen, c.bassTrack, c.leadTrack);
        EXPECT_EQ(draws, c.draws) << c.bass << ", " << c.lead;
        EXPECT_NEAR(cues.twistTargetX, c.targetX, 1e-6f) << c.bass << ", " << c.lead;
        EXPECT_NEAR(cues.twistTargetY, c.targetY, 1e-6f) << c.bass << ", " << c.lead;
        EXPECT_EQ(cues.spongeIterations, c.levels) << c.bass << ", " << c.lead;
        EXPECT_EQ(cues.boxIterations, c.levels + 1) << c.bass << ", " << c.lead;
    }
    SpongeCues cues = initialSpongeCues();
    for (int cue = 0; cue < 5; ++cue) frame(&cues, 0, 60);
    EXPECT_EQ(cues.spongeIterations, 4);
    EXPECT_EQ(cues.boxIterations, 4);
}

// Out a hundredth a frame from the cue frame on, a frame of rest on the
// target, back to 0; a cue on the way moves on from where the value is.
TEST(SpongeCues, TwistsSwingOutRestAndSwingBack) {
    SpongeCues cues = initialSpongeCues();
    scripted = {25, 0, 30, 0, 15, 0}, draws = 0;
    const float expectedX[] = {-0.01f, -0.02f, -0.025f, -0.025f, -0.015f, -0.005f, 0.0f, 0.0f};
    for (int i = 0; i < 8; ++i) {
        frame(&cues, i == 0 ? 48 : 0);
        EXPECT_NEAR(cues.twistX, expectedX[i], 1e-6f) << "frame " << i;
        EXPECT_EQ(cues.twistY, 0.0f) << "a zero draw never swings";
    }
    frame(&cues, 48);
    frame(&cues);
    frame(&cues, 48);  // -0.015 from -0.02: one step back, stopping on it
    EXPECT_NEAR(cues.twistX, -0.015f, 1e-6f);
}

TEST(SpongeCues, TheWobbleGrowsAThousandthAFrameToFourTenths) {
    SpongeCues cues = initialSpongeCues();
    for (int i = 0; i < 100; ++i) frame(&cues);
    EXPECT_NEAR(cues.displace1, 0.1f, 1e-4f);
    for (int i = 0; i < 900; ++i) frame(&cues);
    EXPECT_GE(cues.displace1, 0.4f);
    EXPECT_LT(cues.displace1, 0.401f);
}

}  // namespace

// The music-driven values behind the sponge, frame by frame.
#include "demo/music_cues.h"
#include "demo/sponge/sponge_cues.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Stands in for the generator: hands out the values given, in order.
std::vector<int32_t> scripted;
size_t draws = 0;

int32_t scriptedDraw(Random*, int32_t lo, int32_t hi) {
    EXPECT_TRUE(lo == 0 && hi == 1000);
    return draws < scripted.size() ? scripted[draws++] : (++draws, 0);
}

const int32_t TWIST = SPONGE_TWIST_CUE.notes[0], LEVEL = SPONGE_LEVEL_CUE.notes[0];

// One frame, with fresh notes on the twist's and the level's tracks (0: none);
// every other track's note is unchanged.
void frame(SpongeCues* cues, int32_t twistNote = 0, int32_t levelNote = 0) {
    FrameNotes notes = {};
    notes.note[SPONGE_TWIST_CUE.track] = twistNote, notes.note[SPONGE_LEVEL_CUE.track] = levelNote;
    notes.changed[SPONGE_TWIST_CUE.track] = notes.changed[SPONGE_LEVEL_CUE.track] = 1;
    stepSpongeCues(cues, 30.0f, notes, nullptr, scriptedDraw);
}

// The twist cue retargets both twists to minus a thousandth of two draws; the
// level cue adds a level (the box one ahead, both up to 4) and throws a draw
// away, after the twist's. (Which notes are cues: MusicCues.)
TEST(SpongeCues, WhatEachCueDoes) {
    const struct {
        int32_t twistNote, levelNote;
        size_t draws;
        float targetX, targetY;
        int32_t levels;
    } cases[] = {
        {TWIST, 0, 2, -0.25f, -0.7f, 0},
        {0, LEVEL, 1, 0.0f, 0.0f, 1},
        {TWIST, LEVEL, 3, -0.25f, -0.7f, 1},
        {0, 0, 0, 0.0f, 0.0f, 0},
    };
    for (const auto& c : cases) {
        SpongeCues cues = initialSpongeCues();
        scripted = {250, 700, 900}, draws = 0;
        frame(&cues, c.twistNote, c.levelNote);
        EXPECT_EQ(draws, c.draws) << c.twistNote << ", " << c.levelNote;
        EXPECT_NEAR(cues.twistTargetX, c.targetX, 1e-6f) << c.twistNote << ", " << c.levelNote;
        EXPECT_NEAR(cues.twistTargetY, c.targetY, 1e-6f) << c.twistNote << ", " << c.levelNote;
        EXPECT_EQ(cues.spongeIterations, c.levels) << c.twistNote << ", " << c.levelNote;
        EXPECT_EQ(cues.boxIterations, c.levels + 1) << c.twistNote << ", " << c.levelNote;
    }
    SpongeCues cues = initialSpongeCues();
    for (int cue = 0; cue < 5; ++cue) frame(&cues, 0, LEVEL);
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
        frame(&cues, i == 0 ? TWIST : 0);
        EXPECT_NEAR(cues.twistX, expectedX[i], 1e-6f) << "frame " << i;
        EXPECT_EQ(cues.twistY, 0.0f) << "a zero draw never swings";
    }
    frame(&cues, TWIST);
    frame(&cues);
    frame(&cues, TWIST);  // -0.015 from -0.02: one step back, stopping on it
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

// The music-driven values behind the sponge, frame by frame.
#include "demo/sponge_cues.h"
#include "gfx/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const float STEP = 0.01f;
const float SLACK = 1e-6f;

// Stands in for the shared generator (which only the first test touches, so
// that it is fresh there in any order): hands out the values given, counts the
// draws and checks their bounds.
std::vector<int32_t> scriptedValues;
size_t drawsTaken = 0;

void script(std::vector<int32_t> values) {
    scriptedValues = values;
    drawsTaken = 0;
}

int32_t scriptedDraw(int32_t lo, int32_t hi) {
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 1000);
    EXPECT_LT(drawsTaken, scriptedValues.size()) << "more draws than scripted";
    int32_t value = drawsTaken < scriptedValues.size() ? scriptedValues[drawsTaken] : 0;
    ++drawsTaken;
    return value;
}

// One frame; a non-zero note is a fresh cue on its track, every other track
// has been acknowledged.
void frame(SpongeCues* cues, int32_t bassNote = 0, int32_t leadNote = 0, RandomDraw draw = scriptedDraw) {
    int32_t notes[16] = {};
    uint8_t seen[16];
    for (uint8_t& flag : seen) flag = 1;
    notes[1] = bassNote;
    notes[11] = leadNote;
    if (bassNote) seen[1] = 0;
    if (leadNote) seen[11] = 0;
    stepSpongeCues(cues, 30.0f, notes, seen, draw);
}

// The first values of the shared generator, worked out here from its rule.
std::vector<int32_t> firstDrawsFromStateZero(int count) {
    std::vector<int32_t> draws;
    uint32_t state = 0;
    for (int i = 0; i < count; ++i) {
        state = state * 214013u + 2531011u;
        draws.push_back(static_cast<int32_t>((state >> 16) & 0x7FFF) % 1001);
    }
    return draws;
}

TEST(SpongeTwistCue, FirstCueFromTheFreshSharedGeneratorTargetsMinusAThousandthOfItsFirstTwoDraws) {
    const std::vector<int32_t> expected = firstDrawsFromStateZero(3);
    SpongeCues cues = initialSpongeCues();
    frame(&cues, 48, 0, sharedRandomInRange);
    EXPECT_NEAR(cues.twistTargetX, -0.001f * expected[0], SLACK);
    EXPECT_NEAR(cues.twistTargetY, -0.001f * expected[1], SLACK);
    // Exactly two draws: the next one is the generator's third value.
    EXPECT_EQ(sharedRandomInRange(0, 1000), expected[2]);
}

TEST(SpongeTwistCue, EachOfTheFiveBassNotesRetargetsWithTwoDraws) {
    for (int32_t note : {48, 55, 43, 46, 53}) {
        SpongeCues cues = initialSpongeCues();
        script({250, 700});
        frame(&cues, note);
        EXPECT_EQ(drawsTaken, 2u) << note;
        EXPECT_NEAR(cues.twistTargetX, -0.25f, SLACK) << note;
        EXPECT_NEAR(cues.twistTargetY, -0.7f, SLACK) << note;
    }
}

TEST(SpongeCues, NotesThatAreNoFreshCueOnTheirTrackChangeNothing) {
    SpongeCues cues = initialSpongeCues();
    script({});
    for (int32_t note : {47, 60, 0}) frame(&cues, note);       // not bass cues
    for (int32_t note : {58, 61, 48, 0}) frame(&cues, 0, note);  // not lead cues

    int32_t notes[16] = {};
    uint8_t seen[16] = {};
    notes[1] = 48;  // both cue notes, but seen already
    notes[11] = 60;
    seen[1] = seen[11] = 1;
    stepSpongeCues(&cues, 30.0f, notes, seen, scriptedDraw);
    notes[1] = notes[11] = 0;
    notes[2] = 48;  // fresh cue notes on the wrong tracks
    notes[10] = 60;
    seen[1] = seen[11] = 0;
    stepSpongeCues(&cues, 30.0f, notes, seen, scriptedDraw);

    EXPECT_EQ(drawsTaken, 0u);
    EXPECT_EQ(cues.twistTargetX, 0.0f);
    EXPECT_EQ(cues.spongeIterations, 0);
}

// Runs frames until the value has been on `target` for a frame, checking that
// every frame moves it by one step towards the target or lands on it. Returns
// the number of frames it moved.
int swingTo(SpongeCues* cues, float* value, float target) {
    int moves = 0;
    while (*value != target) {
        const float before = *value;
        frame(cues);
        const float moved = std::fabs(*value - before);
        const bool landed = *value == target;
        EXPECT_TRUE(landed ? moved <= STEP + SLACK : std::fabs(moved - STEP) < SLACK)
            << "moved " << moved << " from " << before << " towards " << target;
        EXPECT_LE(std::fabs(*value - target), std::fabs(before - target)) << "moved away from " << target;
        if (++moves > 200) {
            ADD_FAILURE() << "never reached " << target;
            break;
        }
    }
    return moves;
}

TEST(SpongeTwistSwing, SwingsOutAHundredthPerFrameRestsOneFrameAndSwingsBack) {
    SpongeCues cues = initialSpongeCues();
    script({50, 30});
    frame(&cues, 55);  // the cue frame already takes the first step
    EXPECT_NEAR(cues.twistX, -STEP, SLACK);
    EXPECT_NEAR(cues.twistY, -STEP, SLACK);

    const float targetX = cues.twistTargetX;
    const int outward = 1 + swingTo(&cues, &cues.twistX, targetX);
    EXPECT_GE(outward, 5);
    EXPECT_LE(outward, 6);  // the last hundredth may fall just short in float
    EXPECT_GT(cues.twistY, targetX) << "the shallower twist is already on its way back";

    frame(&cues);  // the rest on the target
    EXPECT_EQ(cues.twistX, targetX);
    EXPECT_EQ(cues.twistTargetX, 0.0f);

    const int back = swingTo(&cues, &cues.twistX, 0.0f);
    EXPECT_GE(back, 5);
    EXPECT_LE(back, 6);
    frame(&cues);
    frame(&cues);
    EXPECT_EQ(cues.twistX, 0.0f);
    EXPECT_EQ(cues.twistY, 0.0f);
}

TEST(SpongeTwistSwing, ACueDuringASwingMovesOnFromWhereTheValueIs) {
    SpongeCues cues = initialSpongeCues();
    script({80, 80, 25, 25, 500, 500});
    frame(&cues, 43);
    frame(&cues);
    frame(&cues);
    EXPECT_NEAR(cues.twistX, -3 * STEP, 2 * SLACK);

    // A shallower target half a step away: one step back, stopping on it.
    frame(&cues, 46);
    EXPECT_NEAR(cues.twistTargetX, -0.025f, SLACK);
    EXPECT_EQ(cues.twistX, cues.twistTargetX);

    frame(&cues, 53);  // a deeper one: out again from there, no jump
    EXPECT_NEAR(cues.twistTargetX, -0.5f, SLACK);
    EXPECT_NEAR(cues.twistX, -0.025f - STEP, 2 * SLACK);
}

TEST(SpongeTwistSwing, AZeroTargetSwingsBackAtOnceWithoutResting) {
    SpongeCues cues = initialSpongeCues();
    script({90, 0, 0, 0});
    for (int i = 0; i < 5; ++i) frame(&cues, i == 0 ? 48 : 0);
    const float swung = cues.twistX;
    EXPECT_NEAR(swung, -5 * STEP, 3 * SLACK);
    EXPECT_EQ(cues.twistY, 0.0f) << "a zero draw never swings";

    frame(&cues, 48);
    EXPECT_EQ(cues.twistTargetX, 0.0f);
    EXPECT_NEAR(cues.twistX, swung + STEP, 3 * SLACK);
}

TEST(SpongeLevelCue, EachLeadCueAddsALevelUntilFourAndBoxStartsOneAhead) {
    SpongeCues cues = initialSpongeCues();
    EXPECT_EQ(cues.spongeIterations, 0);
    EXPECT_EQ(cues.boxIterations, 1);
    script({1, 2, 3, 4, 5, 6});
    const int32_t expectedSponge[] = {1, 2, 3, 4, 4, 4};
    const int32_t expectedBox[] = {2, 3, 4, 4, 4, 4};
    for (int cue = 0; cue < 6; ++cue) {
        frame(&cues, 0, cue % 2 ? 62 : 60);
        EXPECT_EQ(cues.spongeIterations, expectedSponge[cue]) << cue;
        EXPECT_EQ(cues.boxIterations, expectedBox[cue]) << cue;
        // Even the cues that change nothing draw one value.
        EXPECT_EQ(drawsTaken, static_cast<size_t>(cue + 1)) << cue;
    }
    EXPECT_EQ(cues.twistTargetX, 0.0f) << "the discarded draws must not twist";
}

TEST(SpongeLevelCue, InOneFrameTheTwistDrawsComeBeforeTheDiscardedOne) {
    SpongeCues cues = initialSpongeCues();
    script({100, 200, 300, 400, 500});
    frame(&cues, 48, 60);
    EXPECT_NEAR(cues.twistTargetX, -0.1f, SLACK);
    EXPECT_NEAR(cues.twistTargetY, -0.2f, SLACK);
    // The third value went to the level cue, so the next twist sees the fourth.
    frame(&cues, 48);
    EXPECT_NEAR(cues.twistTargetX, -0.4f, SLACK);
    EXPECT_NEAR(cues.twistTargetY, -0.5f, SLACK);
}

TEST(SpongeWobble, GrowsAThousandthPerFrameAndStopsAtFourTenths) {
    SpongeCues cues = initialSpongeCues();
    script({});
    for (int i = 0; i < 100; ++i) frame(&cues);
    EXPECT_NEAR(cues.displace1, 0.1f, 1e-4f);
    for (int i = 0; i < 900; ++i) frame(&cues);
    const float settled = cues.displace1;
    EXPECT_GE(settled, 0.4f);
    EXPECT_LT(settled, 0.401f);
    frame(&cues);
    EXPECT_EQ(cues.displace1, settled);
}

}  // namespace

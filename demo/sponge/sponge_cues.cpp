#include "demo/sponge/sponge_cues.h"

#include "demo/music_cues.h"

#include <cmath>

namespace {

enum { MAX_LEVELS = 4 };
enum { DRAW_LOW = 0, DRAW_HIGH = 1000 };

const float TWIST_PER_DRAW = -0.001f;  // a draw of 0..1000 becomes a twist of 0..-1
const float SWING_PER_FRAME = 0.01f;
const float DISPLACEMENT_PER_FRAME = 0.001f;
const float FULL_DISPLACEMENT = 0.4f;

void setCameraVectors(SpongeCues* cues, float t) {
    const float x = 0.001f * t;
    const float vectors[16] = {x, x, 2.0f * std::cos(x), 0.0f,  //
                               0.0f, 0.0f, 0.0f, 0.0f,          //
                               0.0f, 0.0f, 0.0f, 1.0f,          //
                               0.0f, 0.0f, 0.0f, 0.0f};
    for (int i = 0; i < 16; ++i) cues->fpar[i] = vectors[i];
}

void applyTwistCue(SpongeCues* cues, bool heard, Random* random, RandomDraw draw) {
    if (!heard) return;
    const int32_t first = draw(random, DRAW_LOW, DRAW_HIGH);
    const int32_t second = draw(random, DRAW_LOW, DRAW_HIGH);
    cues->twistTargetX = TWIST_PER_DRAW * static_cast<float>(first);
    cues->twistTargetY = TWIST_PER_DRAW * static_cast<float>(second);
}

void applyLevelCue(SpongeCues* cues, bool heard, Random* random, RandomDraw draw) {
    if (!heard) return;
    if (cues->boxIterations < MAX_LEVELS) ++cues->boxIterations;
    if (cues->spongeIterations < MAX_LEVELS) ++cues->spongeIterations;
    // Thrown away, but it moves the generator on, and so every later twist
    // target with it.
    draw(random, DRAW_LOW, DRAW_HIGH);
}

// Out to the target at a fixed pace, one frame of rest on it, then back to 0
// (the rest is the frame in which the target is cleared).
void swingTowards(float* value, float* target) {
    if (*value < *target) {
        *value += SWING_PER_FRAME;
        if (*value > *target) *value = *target;
    } else if (*value > *target) {
        *value -= SWING_PER_FRAME;
        if (*value < *target) *value = *target;
    } else {
        *target = 0.0f;
    }
}

}  // namespace

SpongeCues initialSpongeCues() {
    SpongeCues cues = {};
    cues.boxIterations = 1;
    return cues;
}

void stepSpongeCues(SpongeCues* cues, float t, const FrameNotes& notes, Random* random, RandomDraw draw) {
    setCameraVectors(cues, t);
    applyTwistCue(cues, cueHeard(SPONGE_TWIST_CUE, notes), random, draw);
    applyLevelCue(cues, cueHeard(SPONGE_LEVEL_CUE, notes), random, draw);
    swingTowards(&cues->twistX, &cues->twistTargetX);
    swingTowards(&cues->twistY, &cues->twistTargetY);
    if (cues->displace1 < FULL_DISPLACEMENT) cues->displace1 += DISPLACEMENT_PER_FRAME;
}

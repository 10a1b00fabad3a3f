// The handful of values behind the sponge that the music and the frame count
// drive: the twist swings out on its cue and back, each level cue cuts one
// more level of holes, and the surface wobble fades in.
#pragma once

#include "gfx/random.h"
#include "synth/frame_notes.h"

#include <cstdint>

struct SpongeCues {
    float twistX, twistY;              // current twist amounts
    float twistZ;                      // sent every frame; never changes
    float twistTargetX, twistTargetY;  // where the twists swing to; never positive
    int32_t boxIterations;             // sent every frame; the scene does not use it
    int32_t spongeIterations;          // levels of holes, 0 (a plain box) to 4
    float displace1;                   // surface wobble, growing to 0.4
    float fpar[16];                    // four camera vectors for the vertex program
};

// A draw in lo..hi from a generator; the demo passes nextInRange.
typedef int32_t (*RandomDraw)(Random* random, int32_t lo, int32_t hi);

// The values at program start: the plain box, no twist.
SpongeCues initialSpongeCues();

// One frame of the cue values at demo time t, in this order: the camera
// vectors, the twist cue, the level cue (demo/music_cues.h), the swing of both
// twists, the wobble ramp. The cues draw from `random`.
void stepSpongeCues(SpongeCues* cues, float t, const FrameNotes& notes, Random* random, RandomDraw draw);


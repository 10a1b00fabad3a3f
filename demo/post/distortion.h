// The screen distortion that kicks on the music: its cue (DISTORTION_CUE)
// raises the lens strengths of the old-screen pass, which then decay to rest.
#pragma once

struct DistortionState {
    float master;     // multiplies the three strengths; rests at 1
    float values[3];  // strengths of the three picture copies; rest at 0.525
    float rate;       // the current decay step, shared by all four
};

constexpr float DISTORTION_MASTER_REST = 1.0f;
constexpr float DISTORTION_VALUE_REST = 0.525f;

inline constexpr DistortionState DISTORTION_AT_REST = {
    DISTORTION_MASTER_REST, {DISTORTION_VALUE_REST, DISTORTION_VALUE_REST, DISTORTION_VALUE_REST}, 0.0f};

// One frame: the kick when cued, then the decay of every value above its rest.
void stepDistortion(DistortionState* state, bool cued);

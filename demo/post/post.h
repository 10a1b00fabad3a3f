// The old-screen pass: every frame reaches the window through the "Fx" program
// (lens zoom, glass copies, colour fringes, flash, noise, scan lines, vignette,
// flicker), drawn on one quad that the closing fade squeezes to a line and a dot.
#pragma once

#include "demo/post/closing_fade.h"
#include "demo/post/distortion.h"

struct PostProcessState {
    FadeValues fade;    // fade.flash is the brightness added to every pixel ("value1")
    float deformValue;  // the lens deformation ("deform_value")
};

inline constexpr PostProcessState POST_PROCESS_AT_START = {{1.0f, 1.0f, 0.0f}, 5.0f};

// What the pass carries from frame to frame: the fade, flash and lens, and the
// strengths of the glass copies.
struct PostState {
    PostProcessState screen;
    DistortionState distortion;
};

inline constexpr PostState POST_AT_START = {POST_PROCESS_AT_START, DISTORTION_AT_REST};

// Before drawing: the closing fade while quitting, then the flash around the
// switch to the sponge. Returns 1 when the fade finished with this frame.
int updateFadeAndFlash(PostProcessState* state, float t, bool quitting, double secondsSinceQuit);

// After drawing: the lens settles during the first 0.74 s, for the next frame.
void settleLens(PostProcessState* state, double time);

struct FxQuadCorner {
    float s, t;  // texture coordinate in the scene
    float x, y;  // on the plane one unit in front of the eye
};

// The picture quad, larger than the window at full scale, in drawing order.
void fxQuadCorners(const FadeValues& fade, FxQuadCorner corners[4]);

struct FxUniform {
    const char* name;
    bool isInt;
    int intValue;
    float floatValue;
};

enum { FX_UNIFORM_COUNT = 10 };

// The program's uniforms in the order they are set.
void fxUniforms(const PostProcessState& state, const DistortionState& strengths, float t, int width, int height,
                FxUniform uniforms[FX_UNIFORM_COUNT]);

// Draws sceneTarget into the window with the "Fx" program and the values the
// state holds, for the clock as a float. Before it a frame runs the closing
// fade and the flash (updateFadeAndFlash), after it the lens settles
// (settleLens); a frame that is skipped (drawn into no picture) runs only
// those two. Leaves the depth test on, no program current and no texture
// bound.
void drawFxPass(const PostState& post, float t);

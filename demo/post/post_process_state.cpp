#include "demo/post/post.h"

#include "demo/show_timeline.h"

namespace {

// The brightness around the scene switch, compared in single precision as the
// pass gets the clock: rising to 2 up to the peak, then dropping from 6 to 0.
const float FLASH_RISE_START = static_cast<float>(FLASH_PEAK - FLASH_RISE_SECONDS);
const float FLASH_PEAK_TIME = static_cast<float>(FLASH_PEAK);
const float FLASH_FALL = static_cast<float>(FLASH_FALL_SECONDS);
const float FLASH_SLOPE = 20.0f;

// The lens starts at 5 and drops by 6.1 per second of the clock to 0.5.
const float LENS_SPEED = 6.1f;
const float LENS_START = 4.5f;
const float LENS_REST = 0.5f;

const float QUAD_HALF_WIDTH = 0.5f;
const float QUAD_HALF_HEIGHT = 0.33f;

const float FRINGE_SPREAD = 100.0f;  // "value2": pushes the colour fringes off the picture
const int SCENE_TEXTURE_UNIT = 0;

}  // namespace

int updateFadeAndFlash(PostProcessState* state, float t, bool quitting, double secondsSinceQuit) {
    int finished = quitting ? stepClosingFade(&state->fade, secondsSinceQuit) : 0;

    float& flash = state->fade.flash;
    if (t > FLASH_RISE_START && t <= FLASH_PEAK_TIME) {
        flash = (t - FLASH_RISE_START) * FLASH_SLOPE;
    } else if (t > FLASH_PEAK_TIME && t < FLASH_PEAK_TIME + FLASH_FALL) {
        flash = (FLASH_FALL - (t - FLASH_PEAK_TIME)) * FLASH_SLOPE;
    } else if (!quitting) {
        // Outside the windows only the fade brightens the picture. Keeping what
        // the last frame of the drop left would add a frame-rate-dependent
        // offset to every pixel for the rest of the run.
        flash = 0.0f;
    }
    if (flash < 0.0f) flash = 0.0f;
    return finished;
}

void settleLens(PostProcessState* state, double time) {
    const float settled = static_cast<float>(time) * LENS_SPEED;
    state->deformValue = settled < LENS_START ? LENS_START - settled : LENS_REST;
}

void fxQuadCorners(const FadeValues& fade, FxQuadCorner corners[4]) {
    const float x = QUAD_HALF_WIDTH * fade.scaleX;
    const float y = QUAD_HALF_HEIGHT * fade.scaleY;
    corners[0] = FxQuadCorner{0.0f, 0.0f, -x, -y};
    corners[1] = FxQuadCorner{0.0f, 1.0f, -x, y};
    corners[2] = FxQuadCorner{1.0f, 1.0f, x, y};
    corners[3] = FxQuadCorner{1.0f, 0.0f, x, -y};
}

void fxUniforms(const PostProcessState& state, const DistortionState& strengths, float t, int width, int height,
                FxUniform uniforms[FX_UNIFORM_COUNT]) {
    const float master = strengths.master;
    const FxUniform ordered[FX_UNIFORM_COUNT] = {
        {"screen_w", true, width, 0.0f},
        {"screen_h", true, height, 0.0f},
        {"time", false, 0, t},
        {"value1", false, 0, state.fade.flash},
        {"value2", false, 0, FRINGE_SPREAD},
        {"deform_value", false, 0, state.deformValue},
        {"texture", true, SCENE_TEXTURE_UNIT, 0.0f},
        {"distort1", false, 0, master * strengths.values[0]},
        {"distort2", false, 0, strengths.values[1] * master},
        {"distort3", false, 0, strengths.values[2] * master},
    };
    for (int i = 0; i < FX_UNIFORM_COUNT; ++i) uniforms[i] = ordered[i];
}

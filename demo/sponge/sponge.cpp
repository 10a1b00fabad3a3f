#include "demo/sponge/sponge.h"

#include "demo/effect_programs.h"
#include "demo/shell_state.h"
#include "gfx/gl_entry_points.h"
#include "gfx/random.h"
#include "gfx/shader_program.h"

namespace {

enum { CAMERA_VECTOR_COUNT = 4 };

// The uniforms of the program in use, each looked up by name on every call.
void sendUniforms(GLuint program, const SpongeCues& cues, float t) {
    setUniformFloat(program, "twistX", cues.twistX);
    setUniformFloat(program, "twistY", cues.twistY);
    setUniformFloat(program, "twistZ", cues.twistZ);
    gl.glUniform4fv(gl.glGetUniformLocationARB(program, "fpar"), CAMERA_VECTOR_COUNT, cues.fpar);
    setUniformFloat(program, "time", t);
    gl.glUniform2f(gl.glGetUniformLocationARB(program, "resolution"), static_cast<float>(displayConfig.width),
                   static_cast<float>(displayConfig.height));
    setUniformInt(program, "boxIterations", cues.boxIterations);
    setUniformInt(program, "spongeIterations", cues.spongeIterations);
    setUniformFloat(program, "displace1", cues.displace1);
}

}  // namespace

void advanceSponge(SpongeCues* cues, Random* random, float t, const FrameNotes& notes) {
    stepSpongeCues(cues, t, notes, random, nextInRange);
}

void drawSpongeRays(const SpongeCues& cues, float t) {
    // Without the record (its allocation failed at start-up) the cues still
    // follow the music, but there is no program to draw with.
    if (!effectPrograms) return;

    const GLuint program = effectPrograms->fractProgram;
    glDisable(GL_DEPTH_TEST);
    gl.glUseProgram(program);
    sendUniforms(program, cues, t);
    // The whole viewport whatever the matrices: the vertex program passes the
    // corners through as clip coordinates.
    glRectf(-1.0f, -1.0f, 1.0f, 1.0f);
    gl.glUseProgram(0);
    glEnable(GL_DEPTH_TEST);
}

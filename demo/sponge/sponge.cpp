#include "demo/sponge/sponge.h"

#include "demo/effect_programs.h"
#include "demo/shell_state.h"
#include "gfx/gl_entry_points.h"
#include "gfx/random.h"
#include "gfx/shader_program.h"

SpongeCues spongeCues = initialSpongeCues();

void resetSponge() { spongeCues = initialSpongeCues(); }

namespace {

enum { CAMERA_VECTOR_COUNT = 4 };

// The uniforms of the program in use, each looked up by name on every call.
void sendUniforms(GLuint program, float t) {
    setUniformFloat(program, "twistX", spongeCues.twistX);
    setUniformFloat(program, "twistY", spongeCues.twistY);
    setUniformFloat(program, "twistZ", spongeCues.twistZ);
    gl.glUniform4fv(gl.glGetUniformLocationARB(program, "fpar"), CAMERA_VECTOR_COUNT, spongeCues.fpar);
    setUniformFloat(program, "time", t);
    gl.glUniform2f(gl.glGetUniformLocationARB(program, "resolution"), static_cast<float>(displayConfig.width),
                   static_cast<float>(displayConfig.height));
    setUniformInt(program, "boxIterations", spongeCues.boxIterations);
    setUniformInt(program, "spongeIterations", spongeCues.spongeIterations);
    setUniformFloat(program, "displace1", spongeCues.displace1);
}

}  // namespace

void drawSponge(float t, const FrameNotes& notes) {
    advanceSponge(t, notes);
    drawSpongeRays(t);
}

void advanceSponge(float t, const FrameNotes& notes) { stepSpongeCues(&spongeCues, t, notes, sharedRandomInRange); }

void drawSpongeRays(float t) {
    // Without the record (its allocation failed at start-up) the cues still
    // follow the music, but there is no program to draw with.
    if (!effectPrograms) return;

    const GLuint program = effectPrograms->fractProgram;
    glDisable(GL_DEPTH_TEST);
    gl.glUseProgram(program);
    sendUniforms(program, t);
    // The whole viewport whatever the matrices: the vertex program passes the
    // corners through as clip coordinates.
    glRectf(-1.0f, -1.0f, 1.0f, 1.0f);
    gl.glUseProgram(0);
    glEnable(GL_DEPTH_TEST);
}

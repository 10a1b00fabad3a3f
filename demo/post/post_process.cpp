#include "demo/post/post.h"

#include "demo/demo_objects.h"
#include "demo/shell_state.h"
#include "gfx/gl_entry_points.h"
#include "gfx/render_target.h"
#include "gfx/shader_program.h"

void drawFxPass(const PostState& post, float t) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    gl.glUseProgram(fxProgram);
    gl.glActiveTextureARB(GL_TEXTURE0_ARB);
    bindTexture(sceneTarget, 1);

    FxUniform uniforms[FX_UNIFORM_COUNT];
    fxUniforms(post.screen, post.distortion, t, displayConfig.width, displayConfig.height, uniforms);
    for (const FxUniform& uniform : uniforms) {
        if (uniform.isInt) {
            setUniformInt(fxProgram, uniform.name, uniform.intValue);
        } else {
            setUniformFloat(fxProgram, uniform.name, uniform.floatValue);
        }
    }

    FxQuadCorner corners[4];
    fxQuadCorners(post.screen.fade, corners);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -1.0f);
    glBegin(GL_QUADS);
    for (const FxQuadCorner& corner : corners) {
        glTexCoord2f(corner.s, corner.t);
        glVertex3f(corner.x, corner.y, 0.0f);
    }
    glEnd();
    glPopMatrix();

    gl.glUseProgram(0);
    bindTexture(sceneTarget, 0);
    glEnable(GL_DEPTH_TEST);
}

#include "demo/banner.h"
#include "demo/demo.h"
#include "demo/demo_objects.h"
#include "demo/logo/logo.h"
#include "demo/music_cues.h"
#include "demo/post/post.h"
#include "demo/scroll/scroll.h"
#include "demo/show_timeline.h"
#include "demo/sponge/sponge.h"
#include "demo/transition_overlay.h"
#include "gfx/gl_entry_points.h"
#include "gfx/render_target.h"

#include <GL/gl.h>

namespace {

void drawOverlayShape(const OverlayShape& shape) {
    if (!shape.depthTest) glDisable(GL_DEPTH_TEST);
    glColor3f(shape.grey, shape.grey, shape.grey);
    if (shape.kind == OVERLAY_QUAD) {
        glBegin(GL_QUADS);
        glVertex3f(shape.x0, shape.y0, 0.0f);
        glVertex3f(shape.x1, shape.y0, 0.0f);
        glVertex3f(shape.x1, shape.y1, 0.0f);
        glVertex3f(shape.x0, shape.y1, 0.0f);
    } else {
        glBegin(GL_LINES);
        glVertex3f(shape.x0, shape.y0, 0.0f);
        glVertex3f(shape.x1, shape.y1, 0.0f);
    }
    glEnd();
    if (!shape.depthTest) glEnable(GL_DEPTH_TEST);
}

// Over the scene, one unit in front of the eye.
void drawTransitionOverlay(double t) {
    TransitionOverlay overlay;
    buildTransitionOverlay(t, displayConfig.width, displayConfig.height, &overlay);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -1.0f);
    for (int i = 0; i < overlay.count; ++i) drawOverlayShape(overlay.shapes[i]);
    glPopMatrix();
}

// The picture in sceneTarget reaches the window through the old-screen pass.
void presentScene(const PostState& post, float t) {
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    gl.glUseProgram(fxProgram);
    glPushMatrix();
    bindTexture(sceneTarget, 1);
    drawFxPass(post, t);
    glPopMatrix();
    gl.glUseProgram(0);
}

}  // namespace

int drawFrame(ShowState* show, double t, const FrameNotes& notes, FramePicture picture) {
    const float time = static_cast<float>(t);
    const bool drawn = picture == PICTURE_DRAWN;
    if (drawn) {
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    // The target is not cleared here: the logo clears it, the sponge draws only
    // its band and leaves the rest to the overlay.
    glViewport(0, 0, displayConfig.width, displayConfig.height);
    bind(sceneTarget, true);
    if (t <= LOGO_END) {
        // Nothing of a logo frame lasts: the next one clears the target, and
        // from the logo's end on the transition's black covers it all, from
        // the near plane, where no depth the cubes leave can hold it back.
        if (drawn) drawCubeLogo(cubeLogo, t);
    } else {
        advanceSponge(&show->sponge, &show->spongeRandom, time, notes);
        if (drawn) drawSpongeRays(show->sponge, time);
    }
    // Drawn in skipped frames too: they are cheap, and what they leave outside
    // the sponge's band lasts (the banner is blended over the stripe below the
    // top bar again in every frame).
    drawTransitionOverlay(t);
    if (bannerShown(t)) drawBanner();
    drawScrollText(scrollText, t);
    bind(sceneTarget, false);

    if (updateFadeAndFlash(&show->post.screen, time, show->quitRequested, t - show->quitTime)) {
        show->fadeFinished = true;
    }
    if (drawn) presentScene(show->post, time);
    settleLens(&show->post.screen, t);
    stepDistortion(&show->post.distortion, cueHeard(DISTORTION_CUE, notes));
    return 0;
}

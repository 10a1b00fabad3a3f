#include "tools/studio/held_frame/held_frame.h"

namespace {

// Nothing the show set may leak into the copy or the drawing, nor back.
void saveState() {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, 1.0, 0.0, 1.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

void restoreState() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}

}  // namespace

int startHeldFrame(HeldFrame* held, int width, int height) {
    *held = HeldFrame{0, width, height, false};
    glPushAttrib(GL_TEXTURE_BIT);
    glGenTextures(1, &held->texture);
    glBindTexture(GL_TEXTURE_2D, held->texture);
    // Nearest, and one texel a pixel: drawn back, every pixel is what was copied.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glPopAttrib();
    return held->texture != 0 && glGetError() == GL_NO_ERROR;
}

void holdWindowPicture(HeldFrame* held) {
    glPushAttrib(GL_TEXTURE_BIT | GL_PIXEL_MODE_BIT);
    glReadBuffer(GL_BACK);
    glBindTexture(GL_TEXTURE_2D, held->texture);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, held->width, held->height);
    glPopAttrib();
    held->holding = true;
}

void showHeldPicture(const HeldFrame& held) {
    saveState();
    glViewport(0, 0, held.width, held.height);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, held.texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(0.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(1.0f, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(1.0f, 1.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(0.0f, 1.0f);
    glEnd();
    restoreState();
}

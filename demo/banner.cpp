#include "demo/banner.h"

#include "gfx/textures.h"

#include <GL/gl.h>

void drawBanner() {
    glPushMatrix();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glTranslatef(0.0f, 0.0f, -1.0f);
    glBindTexture(GL_TEXTURE_2D, bannerTexture);
    glBegin(GL_QUADS);
    for (const BannerVertex& corner : BANNER_QUAD) {
        glTexCoord2f(corner.s, corner.t);
        glVertex3f(corner.x, corner.y, 0.0f);
    }
    glEnd();
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
}

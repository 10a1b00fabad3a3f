#include "demo/scroll/scroll.h"

#include "demo/logo/logo.h"
#include "demo/scroll/scroll_layout.h"
#include "demo/scroll/scroll_message.h"

#include <GL/gl.h>

namespace {

// Emits one glyph's quad; called between glBegin(GL_QUADS) and glEnd.
void drawGlyph(ScrollText*, signed char ch, float x, float y, float z, float size) {
    GlyphQuad quad = layOutGlyph(ch, x, y, z, size);
    for (int corner = 0; corner < 4; ++corner) {
        glTexCoord2f(quad.u[corner], quad.v[corner]);
        glVertex3f(quad.x[corner], quad.y[corner], quad.z);
    }
}

}  // namespace

void drawScrollText(ScrollText* scrollText, double t) {
    glDisable(GL_DEPTH_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    glPushMatrix();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, sheetTexture);
    glTranslatef(0.0f, 0.0f, -scrollPlaneDistance);

    // Every position counts, blanks included; only those on the line are sent.
    glBegin(GL_QUADS);
    for (int i = 0; scrollTextString[i] != '\0'; ++i) {
        double left = scrollGlyphLeft(t, i);
        if (scrollGlyphOnLine(left)) {
            drawGlyph(scrollText, static_cast<signed char>(scrollTextString[i]), static_cast<float>(left),
                      scrollGlyphBottom, scrollGlyphDepth, scrollGlyphSize);
        }
    }
    glEnd();

    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
}

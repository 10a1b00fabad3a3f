// The last picture the show drew, kept in a texture: while the studio stands
// still (paused, or the overlay switched), the window shows it again rather
// than drawing a frame, which would step the show's state on. Copied and drawn
// back pixel for pixel, so a still read from it is the frame's own.
#pragma once

#include <GL/gl.h>

struct HeldFrame {
    GLuint texture;
    int width, height;
    bool holding;  // a picture has been kept
};

// A texture of the window's size. Returns 1, or 0 when GL gives none.
int startHeldFrame(HeldFrame* held, int width, int height);

// Keeps what the window's back buffer holds now (call right after the frame).
void holdWindowPicture(HeldFrame* held);

// Draws the kept picture over the whole window; leaves the GL state as it found it.
void showHeldPicture(const HeldFrame& held);

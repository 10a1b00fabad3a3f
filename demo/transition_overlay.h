// The switch from the logo to the sponge, drawn over the scene like a picture
// tube coming on: the picture goes black, a dot falls to the centre, grows into
// a line, and black bars open from it into the letterbox that stays for the
// rest of the run.
//
// Coordinates are those of the plane one unit in front of the eye, where the
// projection shows y = +-0.26795 at the top and bottom edges.
#pragma once

enum OverlayShapeKind { OVERLAY_QUAD, OVERLAY_LINE };

// One quad (the rectangle spanned by two corners) or one line segment.
struct OverlayShape {
    OverlayShapeKind kind;
    float grey;       // 0 black, 1 white
    bool depthTest;   // false: drawn over everything in the target
    float x0, y0, x1, y1;
};

// At most two windows draw at once (where they meet), four shapes each.
enum { OVERLAY_MAX_SHAPES = 8 };

struct TransitionOverlay {
    int count;
    OverlayShape shapes[OVERLAY_MAX_SHAPES];  // in drawing order
};

// The shapes for clock t on a width x height window, in drawing order.
void buildTransitionOverlay(double t, int width, int height, TransitionOverlay* overlay);

// Letterbox edges of the fixed band.
const float LETTERBOX_BOTTOM = -0.2f;
const float LETTERBOX_TOP_LINE = 0.13625f;
const float LETTERBOX_TOP_BAR = 0.15f;  // the bar stops short of its line

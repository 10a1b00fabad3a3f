#include "demo/transition_overlay.h"

#include "demo/show_timeline.h"

namespace {

const double DOT_DROP = 0.5;    // from y = 0.5 down to the centre
const double LINE_REACH = 0.5;  // half the line's final length, past both side edges

void add(TransitionOverlay* overlay, OverlayShapeKind kind, float grey, bool depthTest, float x0, float y0, float x1,
         float y1) {
    overlay->shapes[overlay->count++] = OverlayShape{kind, grey, depthTest, x0, y0, x1, y1};
}

void blackQuad(TransitionOverlay* overlay, float x0, float y0, float x1, float y1) {
    add(overlay, OVERLAY_QUAD, 0.0f, true, x0, y0, x1, y1);
}

void whiteLine(TransitionOverlay* overlay, bool depthTest, float x0, float y0, float x1, float y1) {
    add(overlay, OVERLAY_LINE, 1.0f, depthTest, x0, y0, x1, y1);
}

// How far a window of `seconds` from `start` has got at t: 0 to 1.
double progress(double t, double start, double seconds) { return (t - start) / seconds; }

// Black, and a dot two pixels across falling from y = 0.5 (above the top edge)
// to the centre.
void fallingDot(TransitionOverlay* overlay, double t, int width, int height) {
    blackQuad(overlay, -1.0f, -1.0f, 1.0f, 1.0f);
    const float fall = static_cast<float>(DOT_DROP * progress(t, DOT_START, DOT_SECONDS));
    const float halfWidth = 1.0f / static_cast<float>(width);
    const float halfHeight = 1.0f / static_cast<float>(height);
    add(overlay, OVERLAY_QUAD, 1.0f, true, -halfWidth, 0.5f - halfHeight - fall, halfWidth, 0.5f + halfHeight - fall);
}

// Black, and a line growing from the centre past both side edges.
void growingLine(TransitionOverlay* overlay, double t) {
    blackQuad(overlay, -1.0f, -1.0f, 1.0f, 1.0f);
    const float half = static_cast<float>(LINE_REACH * progress(t, LINE_START, LINE_SECONDS));
    whiteLine(overlay, true, -half, 0.0f, half, 0.0f);
}

// The bars open from the centre line to the letterbox edges.
void openingBars(TransitionOverlay* overlay, double t) {
    const float opened = static_cast<float>(progress(t, BARS_START, BARS_SECONDS));
    const float bottom = LETTERBOX_BOTTOM * opened;
    const float top = LETTERBOX_TOP_LINE * opened;
    blackQuad(overlay, -1.0f, -1.0f, 1.0f, bottom);
    blackQuad(overlay, -1.0f, top, 1.0f, 1.0f);
    whiteLine(overlay, true, -1.0f, bottom, 1.0f, bottom);
    whiteLine(overlay, true, -1.0f, top, 1.0f, top);
}

// The fixed letterbox; its lines lie over whatever the scene drew.
void letterbox(TransitionOverlay* overlay) {
    blackQuad(overlay, -1.0f, -1.0f, 1.0f, LETTERBOX_BOTTOM);
    blackQuad(overlay, -1.0f, LETTERBOX_TOP_BAR, 1.0f, 1.0f);
    whiteLine(overlay, false, -1.0f, LETTERBOX_BOTTOM, 1.0f, LETTERBOX_BOTTOM);
    whiteLine(overlay, false, -1.0f, LETTERBOX_TOP_LINE, 1.0f, LETTERBOX_TOP_LINE);
}

}  // namespace

void buildTransitionOverlay(double t, int width, int height, TransitionOverlay* overlay) {
    overlay->count = 0;
    // Each window is tested on its own: where two meet, both draw, the later on top.
    if (t >= DOT_START && t <= LINE_START) fallingDot(overlay, t, width, height);
    if (t >= LINE_START && t <= BARS_START) growingLine(overlay, t);
    if (t >= BARS_START && t <= LETTERBOX_START) openingBars(overlay, t);
    if (t > LETTERBOX_START) letterbox(overlay);
}

#include "demo/transition_overlay.h"

namespace {

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

// 10..11 s: black, and a dot two pixels across falling from y = 0.5 (above the
// top edge) to the centre.
void fallingDot(TransitionOverlay* overlay, double t, int width, int height) {
    blackQuad(overlay, -1.0f, -1.0f, 1.0f, 1.0f);
    const float fall = static_cast<float>(0.5 * (t - 10.0));
    const float halfWidth = 1.0f / static_cast<float>(width);
    const float halfHeight = 1.0f / static_cast<float>(height);
    add(overlay, OVERLAY_QUAD, 1.0f, true, -halfWidth, 0.5f - halfHeight - fall, halfWidth, 0.5f + halfHeight - fall);
}

// 11..12 s: black, and a line growing from the centre past both side edges.
void growingLine(TransitionOverlay* overlay, double t) {
    blackQuad(overlay, -1.0f, -1.0f, 1.0f, 1.0f);
    const float half = static_cast<float>(0.5 * (t - 11.0));
    whiteLine(overlay, true, -half, 0.0f, half, 0.0f);
}

// 12..14 s: the bars open from the centre line to the letterbox edges.
void openingBars(TransitionOverlay* overlay, double t) {
    const float opened = static_cast<float>(0.5 * (t - 12.0));
    const float bottom = LETTERBOX_BOTTOM * opened;
    const float top = LETTERBOX_TOP_LINE * opened;
    blackQuad(overlay, -1.0f, -1.0f, 1.0f, bottom);
    blackQuad(overlay, -1.0f, top, 1.0f, 1.0f);
    whiteLine(overlay, true, -1.0f, bottom, 1.0f, bottom);
    whiteLine(overlay, true, -1.0f, top, 1.0f, top);
}

// After 14 s: the fixed letterbox; its lines lie over whatever the scene drew.
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
    if (t >= 10.0 && t <= 11.0) fallingDot(overlay, t, width, height);
    if (t >= 11.0 && t <= 12.0) growingLine(overlay, t);
    if (t >= 12.0 && t <= 14.0) openingBars(overlay, t);
    if (t > 14.0) letterbox(overlay);
}

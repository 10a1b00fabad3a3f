// The switch from the logo to the sponge: which shapes draw at a given clock,
// in which order, and where.
#include "demo/show_timeline.h"
#include "demo/transition_overlay.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const int W = 1109, H = 693;

OverlayShape quad(float grey, float x0, float y0, float x1, float y1) {
    return OverlayShape{OVERLAY_QUAD, grey, true, x0, y0, x1, y1};
}
OverlayShape line(bool depthTest, float x0, float x1, float y) {
    return OverlayShape{OVERLAY_LINE, 1, depthTest, x0, y, x1, y};
}
const OverlayShape BLACK = quad(0, -1, -1, 1, 1);
OverlayShape dot(float y) { return quad(1, -1.0f / W, y - 1.0f / H, 1.0f / W, y + 1.0f / H); }  // 2 pixels across
OverlayShape bottomBar(float top) { return quad(0, -1, -1, 1, top); }
OverlayShape topBar(float bottom) { return quad(0, -1, bottom, 1, 1); }

TEST(TransitionOverlay, BlackThenAFallingDotALineAndBarsOpeningIntoTheLetterbox) {
    const struct {
        double t;
        std::vector<OverlayShape> shapes;
    } rows[] = {
        {DOT_START - 0.001, {}},
        {DOT_START, {BLACK, dot(0.5f)}},  // the dot starts at the top edge and falls
        {LINE_START, {BLACK, dot(0.0f), BLACK, line(true, 0, 0, 0)}},
        {(LINE_START + BARS_START) / 2, {BLACK, line(true, -0.25f, 0.25f, 0)}},
        {BARS_START, {BLACK, line(true, -0.5f, 0.5f, 0), bottomBar(0), topBar(0), line(true, -1, 1, 0),
                      line(true, -1, 1, 0)}},
        {(BARS_START + LETTERBOX_START) / 2,
         {bottomBar(-0.1f), topBar(0.068125f), line(true, -1, 1, -0.1f), line(true, -1, 1, 0.068125f)}},
        // The letterbox: the top bar stops short of its line, and the lines lie over everything.
        {1000.0, {bottomBar(-0.2f), topBar(0.15f), line(false, -1, 1, -0.2f), line(false, -1, 1, 0.13625f)}},
    };
    for (const auto& row : rows) {
        TransitionOverlay overlay;
        buildTransitionOverlay(row.t, W, H, &overlay);
        ASSERT_EQ(overlay.count, static_cast<int>(row.shapes.size())) << row.t;
        for (int i = 0; i < overlay.count; ++i) {
            const OverlayShape &s = overlay.shapes[i], &e = row.shapes[i];
            SCOPED_TRACE(testing::Message() << "t " << row.t << ", shape " << i);
            EXPECT_EQ(s.kind, e.kind);
            EXPECT_EQ(s.grey, e.grey);
            EXPECT_EQ(s.depthTest, e.depthTest);
            for (float d : {s.x0 - e.x0, s.y0 - e.y0, s.x1 - e.x1, s.y1 - e.y1}) EXPECT_NEAR(d, 0.0f, 1e-6f);
        }
    }
}

}  // namespace

// The scroll text on real GL: its glyphs land in the lower letterbox bar.
#include "demo/scroll_text.h"
#include "gfx/render_target.h"
#include "tests/gl/cube_logo/logo_gl_fixture.h"

namespace {

TEST_F(LogoGlTest, GlyphsAt20sLieBetween7_7And9_7PercentOfTheHeight) {
    ScrollText scrollText;
    fillScene(0.0f);
    drawScrollText(&scrollText, 20.0);
    Picture scene = readScene();

    int lowest = scene.height, highest = -1, glyphPixels = 0;
    for (int row = 0; row < scene.height; ++row) {
        for (int column = 0; column < scene.width; ++column) {
            if (scene.at(column, row)[0] < 128) continue;
            ++glyphPixels;
            lowest = std::min(lowest, row);
            highest = std::max(highest, row);
        }
    }
    ASSERT_GT(glyphPixels, 0) << "no glyph drawn: does the sheet hold its glyphs yet?";
    EXPECT_GE(lowest, static_cast<int>(0.077 * scene.height) - 1);
    EXPECT_LE(highest, static_cast<int>(0.097 * scene.height) + 1);
    // Several characters across the line, not one stray cell.
    EXPECT_GT(glyphPixels, 500);
}

TEST_F(LogoGlTest, ScrollTextLeavesBlendingOffAndTheDepthTestOn) {
    ScrollText scrollText;
    bind(sceneTarget, true);
    glEnable(GL_DEPTH_TEST);
    drawScrollText(&scrollText, 20.0);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLfloat matrix[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(matrix[i], i % 5 == 0 ? 1.0f : 0.0f) << i;
}

}  // namespace

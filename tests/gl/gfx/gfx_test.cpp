// Shader programs, render targets and textures on the real driver.
#define GL_GLEXT_PROTOTYPES 1
#include "gfx/gl_entry_points.h"
#include "gfx/heap.h"
#include "gfx/render_target.h"
#include "gfx/shader_program.h"
#include "gfx/textures.h"
#include "resources/resource_ids.h"
#include "tests/gl/support/gl_test_window.h"

#include <GL/glext.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const VERTEX = "#version 110\nvoid main() { gl_Position = ftransform(); }\n";
const char* const BAD_VERTEX = "#version 110\nvoid main() { gl_Position = nowhere; }\n";
const char* const FRAGMENT = "#version 110\nuniform float gain;\nvoid main() { gl_FragColor = vec4(gain); }\n";
const char* const BAD_FRAGMENT = "#version 110\nvoid main() { gl_FragColor = elsewhere; }\n";

using Gfx = GlTest;

// A failed stage shows its compile log in an error box, vertex first, then
// the link log; start-up goes on. Logs are cut at 1023 characters.
TEST_F(Gfx, BuildErrorsAreShownStageByStageThenTheLink) {
    std::string longBroken = "#version 110\nvoid main() {\n";
    for (int i = 0; i < 200; ++i) longBroken += "  float a" + std::to_string(i) + " = missing" + std::to_string(i) + ";\n";
    longBroken += "}\n";
    const struct {
        const char *vertex, *fragment;
        std::vector<std::string> boxes;  // a word each box's text holds
    } cases[] = {
        {VERTEX, FRAGMENT, {}},
        {nullptr, FRAGMENT, {}},
        {VERTEX, BAD_FRAGMENT, {"elsewhere", "link"}},
        {BAD_VERTEX, BAD_FRAGMENT, {"nowhere", "elsewhere", "link"}},
        {nullptr, longBroken.c_str(), {"missing0", "link"}},
    };
    for (const auto& c : cases) {
        clearRecordedBoxes();
        GLuint program = 0;
        buildShaderProgram(&program, c.vertex, c.fragment, "Test");
        EXPECT_NE(program, 0u);
        ASSERT_EQ(recordedBoxes.size(), c.boxes.size()) << c.fragment;
        GLint linked = 0;
        glGetProgramiv(program, GL_LINK_STATUS, &linked);
        EXPECT_EQ(linked != 0, c.boxes.empty());
        for (size_t i = 0; i < c.boxes.size(); ++i) {
            EXPECT_EQ(recordedBoxes[i].kind, "error");
            EXPECT_NE(recordedBoxes[i].text.find(c.boxes[i]), std::string::npos) << recordedBoxes[i].text;
            EXPECT_LE(recordedBoxes[i].text.size(), 1023u);
        }
    }
    EXPECT_EQ(recordedBoxes[0].text.size(), 1023u) << "the long log";
}

TEST_F(Gfx, RenderTargetsTheirListAndTextures) {
    RenderTargetDesc desc = {"small", 2, 8, 8, nullptr, 0, GL_LINEAR, GL_LINEAR, GL_REPEAT, GL_REPEAT, GL_RGBA8, GL_RGBA, GL_UNSIGNED_BYTE};
    RenderTargetList* list = createPointerList(3);
    RenderTarget* first = createRenderTarget(list, desc);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(createRenderTarget(list, desc), nullptr);
    EXPECT_EQ(createRenderTarget(list, desc), nullptr) << "a list of three holds two";
    EXPECT_EQ(list->count, 2);
    EXPECT_EQ(createRenderTarget(nullptr, desc), nullptr);

    // (Where bind points drawing, the frame's pictures show.)
    bind(first, true);
    EXPECT_EQ(gl.glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE_EXT));
    GLint bound = -1;
    // Colour textures count from 1; 0 and a missing target unbind.
    const struct {
        const RenderTarget* target;
        int n;
        GLuint expected;
    } textures[] = {{first, 2, first->colorTextures[1]}, {first, 1, first->colorTextures[0]}, {first, 0, 0}, {nullptr, 1, 0}};
    for (const auto& t : textures) {
        bindTexture(first, 1);
        bindTexture(t.target, t.n);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(bound, static_cast<GLint>(t.expected)) << t.n;
    }
}

TEST_F(Gfx, TexturesHoldTheBannerImageAndTheComputedNoise) {
    ASSERT_EQ(createBannerTexture(), 1);
    int32_t width = 0, height = 0;
    GLenum internalFormat = 0, format = 0;
    uint8_t* decoded = loadPngResource(BANNER_IMAGE, &width, &height, &internalFormat, &format);
    ASSERT_NE(decoded, nullptr);
    std::vector<uint8_t> held(static_cast<size_t>(width) * height * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, held.data());
    EXPECT_EQ(std::memcmp(held.data(), decoded, held.size()), 0) << "the banner, first row first";
    freeBlock(decoded);

    std::vector<uint8_t> expected(NOISE_TEXTURE_SIZE * NOISE_TEXTURE_SIZE * 4), uploaded(expected.size());
    computeNoisePixels(expected.data());
    glBindTexture(GL_TEXTURE_2D, buildNoiseTexture());
    glGetTexImage(GL_TEXTURE_2D, 0, GL_BGRA, GL_UNSIGNED_BYTE, uploaded.data());
    EXPECT_TRUE(uploaded == expected);
}

}  // namespace

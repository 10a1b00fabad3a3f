// The banner and noise textures as the driver holds them.
#include "gfx/heap.h"
#include "gfx/textures.h"
#include "tests/gl/support/gl_test_window.h"

#include <GL/glext.h>

#include <cstring>
#include <vector>

namespace {

GLint textureLevel(GLenum parameter) {
    GLint value = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, parameter, &value);
    return value;
}

GLint textureParameter(GLenum parameter) {
    GLint value = -1;
    glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
    return value;
}

GLint boundTexture() {
    GLint value = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &value);
    return value;
}

using Textures = GlTest;

TEST_F(Textures, BannerIsThe700By130ImageClampedAndLinear) {
    ASSERT_EQ(createBannerTexture(), 1);
    EXPECT_NE(bannerTexture, 0u);
    EXPECT_EQ(boundTexture(), static_cast<GLint>(bannerTexture));
    EXPECT_EQ(textureLevel(GL_TEXTURE_WIDTH), 700);
    EXPECT_EQ(textureLevel(GL_TEXTURE_HEIGHT), 130);
    EXPECT_EQ(textureLevel(GL_TEXTURE_INTERNAL_FORMAT), GL_RGBA8);
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_S), GL_CLAMP_TO_EDGE);
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_T), GL_CLAMP_TO_EDGE);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);

    // The image's rows as they are, first row first.
    int32_t width = 0, height = 0;
    GLenum internalFormat = 0, format = 0;
    uint8_t* decoded = loadPngResource(2000, &width, &height, &internalFormat, &format);
    ASSERT_NE(decoded, nullptr);
    std::vector<uint8_t> uploaded(static_cast<size_t>(width) * height * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, uploaded.data());
    EXPECT_EQ(std::memcmp(uploaded.data(), decoded, uploaded.size()), 0);
    freeBlock(decoded);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Textures, NoiseTextureHoldsTheComputedPixelsRepeatingAndLinear) {
    GLuint texture = buildNoiseTexture();
    EXPECT_NE(texture, 0u);
    EXPECT_EQ(boundTexture(), static_cast<GLint>(texture));
    EXPECT_EQ(textureLevel(GL_TEXTURE_WIDTH), NOISE_TEXTURE_SIZE);
    EXPECT_EQ(textureLevel(GL_TEXTURE_HEIGHT), NOISE_TEXTURE_SIZE);
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);

    std::vector<uint8_t> expected(NOISE_TEXTURE_SIZE * NOISE_TEXTURE_SIZE * 4);
    computeNoisePixels(expected.data());
    std::vector<uint8_t> uploaded(expected.size());
    glGetTexImage(GL_TEXTURE_2D, 0, GL_BGRA, GL_UNSIGNED_BYTE, uploaded.data());
    EXPECT_TRUE(uploaded == expected);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace

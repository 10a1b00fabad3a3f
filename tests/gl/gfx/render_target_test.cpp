// Render targets on the real driver: the list's limit, what a build leaves
// behind, the demo's four targets, and the two bind operations.
#define GL_GLEXT_PROTOTYPES 1  // the test reads the driver's state directly
#include "gfx/gl_entry_points.h"
#include "gfx/render_target.h"
#include "tests/gl/support/gl_test_window.h"

#include <cstring>
#include <vector>

namespace {

RenderTargetDesc smallDesc(int32_t colorCount, int32_t width, int32_t height) {
    RenderTargetDesc desc = {};
    desc.name = "small";
    desc.colorCount = colorCount;
    desc.width = width;
    desc.height = height;
    desc.minFilter = GL_NEAREST;
    desc.magFilter = GL_LINEAR;
    desc.wrapS = GL_REPEAT;
    desc.wrapT = GL_MIRRORED_REPEAT;
    desc.internalFormat = GL_RGBA8;
    desc.format = GL_RGBA;
    desc.type = GL_UNSIGNED_BYTE;
    return desc;
}

GLint integerState(GLenum name) {
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

GLint textureLevel(GLuint texture, GLint level, GLenum parameter) {
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint value = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, parameter, &value);
    return value;
}

GLint textureParameter(GLuint texture, GLenum parameter) {
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint value = -1;
    glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
    return value;
}

GLuint attachmentName(GLuint framebuffer, GLenum attachment) {
    gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, framebuffer);
    GLint name = 0;
    glGetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, attachment, GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME, &name);
    gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    return static_cast<GLuint>(name);
}

using RenderTargetBuild = GlTest;

TEST_F(RenderTargetBuild, AListOfTenAcceptsNineAndRefusesTheTenth) {
    RenderTargetList* list = createRenderTargetList(10);
    ASSERT_NE(list, nullptr);
    for (int i = 0; i < 9; ++i) {
        RenderTarget* target = createRenderTarget(list, smallDesc(1, 8, 8));
        ASSERT_NE(target, nullptr) << i;
        EXPECT_EQ(list->items[i], target);
        EXPECT_EQ(list->count, i + 1);
    }
    EXPECT_EQ(createRenderTarget(list, smallDesc(1, 8, 8)), nullptr);
    EXPECT_EQ(list->count, 9);
    EXPECT_EQ(list->items[9], nullptr);
}

TEST_F(RenderTargetBuild, AttachesColourAndDepthTexturesOfTheDescribedSize) {
    RenderTargetList* list = createRenderTargetList(10);
    RenderTarget* target = createRenderTarget(list, smallDesc(2, 64, 32));
    ASSERT_NE(target, nullptr);
    // The build ends back on the window with the depth texture bound.
    EXPECT_EQ(integerState(GL_FRAMEBUFFER_BINDING_EXT), 0);
    EXPECT_EQ(integerState(GL_TEXTURE_BINDING_2D), static_cast<GLint>(target->depthTexture));
    EXPECT_EQ(target->desc.colorCount, 2);
    EXPECT_STREQ(target->desc.name, "small");

    EXPECT_EQ(attachmentName(target->framebuffer, GL_COLOR_ATTACHMENT0_EXT), target->colorTextures[0]);
    EXPECT_EQ(attachmentName(target->framebuffer, GL_COLOR_ATTACHMENT1_EXT), target->colorTextures[1]);
    EXPECT_EQ(attachmentName(target->framebuffer, GL_DEPTH_ATTACHMENT_EXT), target->depthTexture);
    EXPECT_NE(target->colorTextures[0], target->colorTextures[1]);

    for (GLuint texture : {target->colorTextures[0], target->colorTextures[1], target->depthTexture}) {
        EXPECT_EQ(textureLevel(texture, 0, GL_TEXTURE_WIDTH), 64);
        EXPECT_EQ(textureLevel(texture, 0, GL_TEXTURE_HEIGHT), 32);
        EXPECT_EQ(textureParameter(texture, GL_TEXTURE_MIN_FILTER), GL_NEAREST);
        EXPECT_EQ(textureParameter(texture, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
        EXPECT_EQ(textureParameter(texture, GL_TEXTURE_WRAP_S), GL_REPEAT);
        EXPECT_EQ(textureParameter(texture, GL_TEXTURE_WRAP_T), GL_MIRRORED_REPEAT);
        EXPECT_EQ(textureLevel(texture, 1, GL_TEXTURE_WIDTH), 0);  // no mipmaps asked
    }
    EXPECT_EQ(textureLevel(target->colorTextures[0], 0, GL_TEXTURE_INTERNAL_FORMAT), GL_RGBA8);
    EXPECT_EQ(textureLevel(target->depthTexture, 0, GL_TEXTURE_DEPTH_SIZE), 24);

    gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, target->framebuffer);
    EXPECT_EQ(gl.glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE_EXT));
    gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
}

TEST_F(RenderTargetBuild, EveryColourTextureStartsWithTheGivenPixelsAndMipmapsOnRequest) {
    std::vector<uint8_t> pixels(16 * 16 * 4);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 7);
    RenderTargetDesc desc = smallDesc(2, 16, 16);
    desc.pixels = pixels.data();
    desc.mipmaps = 1;
    RenderTarget* target = createRenderTarget(createRenderTargetList(10), desc);
    ASSERT_NE(target, nullptr);
    for (int i = 0; i < 2; ++i) {
        std::vector<uint8_t> readBack(pixels.size());
        glBindTexture(GL_TEXTURE_2D, target->colorTextures[i]);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, readBack.data());
        EXPECT_TRUE(readBack == pixels) << "colour texture " << i;
        EXPECT_EQ(textureLevel(target->colorTextures[i], 1, GL_TEXTURE_WIDTH), 8) << "colour texture " << i;
    }
}

TEST_F(RenderTargetBuild, ANullListBuildsNothing) {
    EXPECT_EQ(createRenderTarget(nullptr, smallDesc(1, 8, 8)), nullptr);
}

using DemoTargets = GlTest;

TEST_F(DemoTargets, FourTargetsWithTheFourthAsSceneTarget) {
    ASSERT_NE(renderTargets, nullptr);
    createRenderTargets(glWindow.width, glWindow.height);
    ASSERT_EQ(renderTargets->count, 4);
    EXPECT_EQ(renderTargets->items[3], sceneTarget);
    ASSERT_NE(sceneTarget, nullptr);

    struct Expected {
        const char* name;
        int32_t colorCount, width, height;
        GLenum wrap;
    } expected[4] = {
        {"Fullscreen", 1, 1024, 1024, GL_CLAMP_TO_EDGE},
        {"512_1", 1, 512, 512, GL_MIRRORED_REPEAT},
        {"512_2", 2, glWindow.width, glWindow.height, GL_MIRRORED_REPEAT},
        {"Fullscreen2", 2, glWindow.width, glWindow.height, GL_MIRRORED_REPEAT},
    };
    for (int i = 0; i < 4; ++i) {
        const RenderTarget* target = renderTargets->items[i];
        ASSERT_NE(target, nullptr) << i;
        const RenderTargetDesc& desc = target->desc;
        EXPECT_STREQ(desc.name, expected[i].name);
        EXPECT_EQ(desc.colorCount, expected[i].colorCount) << i;
        EXPECT_EQ(desc.pixels, nullptr) << i;
        EXPECT_EQ(desc.mipmaps, 0) << i;
        EXPECT_EQ(desc.format, static_cast<GLenum>(GL_BGRA)) << i;
        EXPECT_EQ(desc.type, static_cast<GLenum>(GL_UNSIGNED_BYTE)) << i;
        for (int c = 0; c < desc.colorCount; ++c) {
            GLuint texture = target->colorTextures[c];
            EXPECT_EQ(textureLevel(texture, 0, GL_TEXTURE_WIDTH), expected[i].width) << i;
            EXPECT_EQ(textureLevel(texture, 0, GL_TEXTURE_HEIGHT), expected[i].height) << i;
            EXPECT_EQ(textureLevel(texture, 0, GL_TEXTURE_INTERNAL_FORMAT), GL_RGBA8) << i;
            EXPECT_EQ(textureParameter(texture, GL_TEXTURE_WRAP_S), static_cast<GLint>(expected[i].wrap)) << i;
            EXPECT_EQ(textureParameter(texture, GL_TEXTURE_WRAP_T), static_cast<GLint>(expected[i].wrap)) << i;
            EXPECT_EQ(textureParameter(texture, GL_TEXTURE_MIN_FILTER), GL_LINEAR) << i;
            EXPECT_EQ(textureParameter(texture, GL_TEXTURE_MAG_FILTER), GL_LINEAR) << i;
        }
        gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, target->framebuffer);
        EXPECT_EQ(gl.glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE_EXT))
            << i;
        gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    }
}

using Binding = GlTest;

TEST_F(Binding, BindOnDrawsIntoTheTargetAndOffAlwaysReturnsToTheWindow) {
    RenderTargetList* list = createRenderTargetList(10);
    RenderTarget* first = createRenderTarget(list, smallDesc(1, 8, 8));
    RenderTarget* second = createRenderTarget(list, smallDesc(1, 8, 8));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    glViewport(0, 0, 3, 5);
    bind(first, true);
    EXPECT_EQ(integerState(GL_FRAMEBUFFER_BINDING_EXT), static_cast<GLint>(first->framebuffer));
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 3);  // the viewport is the caller's
    EXPECT_EQ(viewport[3], 5);
    bind(second, false);  // off on another target than the bound one
    EXPECT_EQ(integerState(GL_FRAMEBUFFER_BINDING_EXT), 0);
    bind(second, true);
    bind(second, false);
    EXPECT_EQ(integerState(GL_FRAMEBUFFER_BINDING_EXT), 0);
}

TEST_F(Binding, BindTextureCountsFromOneAndZeroUnbindsOnTheActiveUnit) {
    RenderTarget* target = createRenderTarget(createRenderTargetList(10), smallDesc(2, 8, 8));
    ASSERT_NE(target, nullptr);
    bindTexture(target, 2);
    EXPECT_EQ(integerState(GL_TEXTURE_BINDING_2D), static_cast<GLint>(target->colorTextures[1]));
    bindTexture(target, 1);
    EXPECT_EQ(integerState(GL_TEXTURE_BINDING_2D), static_cast<GLint>(target->colorTextures[0]));
    bindTexture(target, 0);
    EXPECT_EQ(integerState(GL_TEXTURE_BINDING_2D), 0);

    bindTexture(target, 1);
    gl.glActiveTextureARB(GL_TEXTURE1_ARB);
    bindTexture(target, 2);
    EXPECT_EQ(integerState(GL_TEXTURE_BINDING_2D), static_cast<GLint>(target->colorTextures[1]));
    gl.glActiveTextureARB(GL_TEXTURE0_ARB);
    EXPECT_EQ(integerState(GL_TEXTURE_BINDING_2D), static_cast<GLint>(target->colorTextures[0]));
}

TEST_F(Binding, ATargetThatCouldNotBeMadeDrawsIntoTheWindowAndSamplesNothing) {
    RenderTarget* target = createRenderTarget(createRenderTargetList(10), smallDesc(1, 8, 8));
    ASSERT_NE(target, nullptr);
    bind(target, true);
    bind(nullptr, true);
    EXPECT_EQ(integerState(GL_FRAMEBUFFER_BINDING_EXT), 0);
    bindTexture(target, 1);
    bindTexture(nullptr, 1);
    EXPECT_EQ(integerState(GL_TEXTURE_BINDING_2D), 0);
}

}  // namespace

// The four targets of the demo, registered in renderTargets in this order.
#include "gfx/render_target.h"

#include <GL/glext.h>

RenderTarget* sceneTarget = nullptr;

namespace {

RenderTargetDesc describe(const char* name, int32_t colorCount, int32_t width, int32_t height, GLenum wrap) {
    RenderTargetDesc desc = {};
    desc.name = name;
    desc.colorCount = colorCount;
    desc.width = width;
    desc.height = height;
    desc.minFilter = desc.magFilter = GL_LINEAR;
    desc.wrapS = desc.wrapT = wrap;
    desc.internalFormat = GL_RGBA8;
    desc.format = GL_BGRA;
    desc.type = GL_UNSIGNED_BYTE;
    return desc;
}

}  // namespace

void createRenderTargets(int32_t windowWidth, int32_t windowHeight) {
    // The sizes are as they are, whatever the labels say.
    createRenderTarget(renderTargets, describe("Fullscreen", 1, 1024, 1024, GL_CLAMP_TO_EDGE));
    createRenderTarget(renderTargets, describe("512_1", 1, 512, 512, GL_MIRRORED_REPEAT));
    createRenderTarget(renderTargets, describe("512_2", 2, windowWidth, windowHeight, GL_MIRRORED_REPEAT));
    sceneTarget = createRenderTarget(renderTargets,
                                     describe("Fullscreen2", 2, windowWidth, windowHeight, GL_MIRRORED_REPEAT));
}

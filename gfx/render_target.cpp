#include "gfx/render_target.h"

#include "gfx/gl_entry_points.h"
#include "gfx/heap.h"

RenderTargetList* renderTargets = nullptr;

namespace {

// The framebuffer with its colour textures and depth texture; GL errors and
// completeness are not examined (an incomplete target simply draws nothing).
void buildRenderTarget(RenderTarget* target) {
    const RenderTargetDesc& desc = target->desc;
    gl.glGenFramebuffersEXT(1, &target->framebuffer);
    glGenTextures(desc.colorCount, target->colorTextures);
    glGenTextures(1, &target->depthTexture);
    gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, target->framebuffer);

    for (int32_t i = 0; i < desc.colorCount; ++i) {
        glBindTexture(GL_TEXTURE_2D, target->colorTextures[i]);
        glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(desc.internalFormat), desc.width, desc.height, 0,
                     desc.format, desc.type, desc.pixels);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, static_cast<GLint>(desc.wrapS));
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, static_cast<GLint>(desc.wrapT));
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(desc.minFilter));
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(desc.magFilter));
        if (desc.mipmaps) gl.glGenerateMipmapEXT(GL_TEXTURE_2D);
        gl.glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, static_cast<GLenum>(GL_COLOR_ATTACHMENT0_EXT + i),
                                     GL_TEXTURE_2D, target->colorTextures[i], 0);
    }

    glBindTexture(GL_TEXTURE_2D, target->depthTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT24, desc.width, desc.height, 0, GL_DEPTH_COMPONENT, GL_FLOAT,
                 nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(desc.minFilter));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(desc.magFilter));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, static_cast<GLint>(desc.wrapS));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, static_cast<GLint>(desc.wrapT));
    gl.glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT, GL_TEXTURE_2D, target->depthTexture, 0);

    // Back to the window; the depth texture stays bound on the active unit.
    gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
}

// The record, or null when it or its texture names cannot be allocated.
RenderTarget* allocRenderTarget(const RenderTargetDesc& desc) {
    RenderTarget* target = static_cast<RenderTarget*>(allocZeroed(sizeof(RenderTarget)));
    if (!target) return nullptr;
    target->colorTextures = static_cast<GLuint*>(allocArray(static_cast<size_t>(desc.colorCount), sizeof(GLuint)));
    if (!target->colorTextures) {
        freeBlock(target);
        return nullptr;
    }
    target->desc = desc;
    return target;
}

}  // namespace

RenderTarget* createRenderTarget(RenderTargetList* list, RenderTargetDesc desc) {
    // The last slot is never filled: a list of capacity 10 holds nine targets.
    if (!list || list->count == list->capacity - 1) return nullptr;
    RenderTarget* target = allocRenderTarget(desc);
    if (target) buildRenderTarget(target);
    // A target that could not be allocated still takes its slot, as null, so
    // that the later targets keep their indices.
    list->items[list->count++] = target;
    return target;
}

// A null target (one that could not be allocated) draws into the window and
// samples nothing.
void bind(const RenderTarget* target, bool on) {
    gl.glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, on && target ? target->framebuffer : 0);
}

void bindTexture(const RenderTarget* target, int n) {
    glBindTexture(GL_TEXTURE_2D, n >= 1 && target ? target->colorTextures[n - 1] : 0);
}

// Off-screen render targets: a framebuffer object with one or two colour
// textures and a depth texture, all of one size, and the list that holds them.
#pragma once

#include "gfx/pointer_list.h"

#include <GL/gl.h>
#include <cstdint>

struct RenderTargetDesc {
    const char* name;  // a label such as "Fullscreen"; the build does not use it
    int32_t colorCount;  // 1 or 2
    int32_t width, height;
    const void* pixels;  // initial contents of each colour texture, or null
    uint8_t mipmaps;
    GLenum minFilter, magFilter;
    GLenum wrapS, wrapT;
    GLenum internalFormat, format, type;
};

struct RenderTarget {
    GLuint framebuffer;
    GLuint depthTexture;
    GLuint* colorTextures;  // colorCount names
    RenderTargetDesc desc;
};

// The targets are kept in a PointerList whose entries are RenderTarget
// pointers (null where a target could not be allocated).
using RenderTargetList = PointerList;

// Entry `index` of the list.
inline RenderTarget* renderTargetAt(const RenderTargetList* list, int32_t index) {
    return static_cast<RenderTarget*>(list->items[index]);
}

// The program's one list, made by initGraphics (createPointerList); null if
// it could not be allocated.
extern RenderTargetList* renderTargets;

// The target every frame draws into: "Fullscreen2", entry 3 of renderTargets.
extern RenderTarget* sceneTarget;

// Builds a target and appends it. Refused (null, nothing appended) when count
// equals capacity - 1; a record that cannot be allocated appends null.
RenderTarget* createRenderTarget(RenderTargetList* list, RenderTargetDesc desc);

// Draw into the target (on) or into the window again (off). The viewport is the caller's.
void bind(const RenderTarget* target, bool on);

// Binds colour texture n (counting from 1) on the active unit; 0 unbinds.
void bindTexture(const RenderTarget* target, int n);

// The demo's four targets, in order: "Fullscreen" 1024 x 1024, "512_1" 512 x 512,
// "512_2" and "Fullscreen2" at the window's size; the last becomes sceneTarget.
void createRenderTargets(int32_t windowWidth, int32_t windowHeight);

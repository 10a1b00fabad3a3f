// Off-screen render targets: a framebuffer object with one or two colour
// textures and a depth texture, all of one size, and the list that holds them.
#pragma once

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

struct RenderTargetList {
    RenderTarget** items;  // capacity entries
    int32_t capacity;
    int32_t count;
};

// The program's one list, made by initGraphics; null if it could not be allocated.
extern RenderTargetList* renderTargets;

// A new empty list, or null when it cannot be allocated.
RenderTargetList* createRenderTargetList(int32_t capacity);

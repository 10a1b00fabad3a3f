#include "gfx/heap.h"
#include "gfx/textures.h"
#include "platform/platform.h"
#include "resources/resource_ids.h"

#include <GL/glext.h>

GLuint bannerTexture = 0;

uint8_t* loadPngResource(int id, int32_t* width, int32_t* height, GLenum* internalFormat, GLenum* format) {
    const unsigned char* bytes = nullptr;
    size_t byteCount = 0;
    if (!platformFindResource("PNG", id, &bytes, &byteCount)) return nullptr;
    uint8_t* pixels = decodeRgbaImage(bytes, byteCount, width, height);
    if (!pixels) return nullptr;
    *internalFormat = GL_RGBA8;
    *format = GL_RGBA;
    return pixels;
}

int createBannerTexture() {
    int32_t width = 0, height = 0;
    GLenum internalFormat = 0, format = 0;
    uint8_t* pixels = loadPngResource(BANNER_IMAGE, &width, &height, &internalFormat, &format);
    // Without its image the banner would sample nothing; start-up stops instead.
    if (!pixels) return 0;

    glGenTextures(1, &bannerTexture);
    glBindTexture(GL_TEXTURE_2D, bannerTexture);
    // The image's first row becomes texture row t = 0. 700 x 130: no mipmaps.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    freeBlock(pixels);
    return 1;
}

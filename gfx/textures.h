// Textures from the "PNG" resources, the banner, and the grey noise texture.
#pragma once

#include <GL/gl.h>
#include <cstdint>

// Decodes PNG resource id into 8-bit RGBA rows, top row first, in a block the
// caller releases with freeBlock. internalFormat is GL_RGBA8, format GL_RGBA.
// Null (outputs untouched) when the resource is missing or does not decode.
uint8_t* loadPngResource(int id, int32_t* width, int32_t* height, GLenum* internalFormat, GLenum* format);

extern GLuint bannerTexture;

// Uploads PNG 2000 as bannerTexture. Returns 0 when the image is missing or
// does not decode (start-up then fails), 1 otherwise.
int createBannerTexture();

enum { NOISE_TEXTURE_SIZE = 512 };

// The noise texture's 512 x 512 grey, opaque pixels (4 bytes each), without GL.
void computeNoisePixels(uint8_t* pixels);

// Uploads the noise texture and returns its name (left bound).
GLuint buildNoiseTexture();

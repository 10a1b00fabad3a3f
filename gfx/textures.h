// Textures from the "PNG" resources, the banner, and the grey noise texture.
#pragma once

#include <GL/gl.h>
#include <cstddef>
#include <cstdint>

// Decodes an image file held in memory into 8-bit RGBA rows, top row first, in
// a block from the heap (release it with freeBlock). Null, with the size
// outputs untouched, when the bytes are not an image the decoder reads.
uint8_t* decodeRgbaImage(const unsigned char* bytes, size_t byteCount, int32_t* width, int32_t* height);

// Decodes PNG resource id into 8-bit RGBA rows, top row first, in a block the
// caller releases with freeBlock. internalFormat is GL_RGBA8, format GL_RGBA.
// Null (outputs untouched) when the resource is missing or does not decode.
uint8_t* loadPngResource(int id, int32_t* width, int32_t* height, GLenum* internalFormat, GLenum* format);

extern GLuint bannerTexture;

// Uploads the banner image (BANNER_IMAGE) as bannerTexture. Returns 0 when the image is missing or
// does not decode (start-up then fails), 1 otherwise.
int createBannerTexture();

enum { NOISE_TEXTURE_SIZE = 512, NOISE_LAYER_COUNT = 6, NOISE_OCTAVES = 8 };

struct GradientNoise;

// Initialises the six layers from a generator seeded with 0: per layer a table
// seed (a draw from 1 to 50 plus the layer's constant), then a unit draw that
// sets its frequency. The first layer only takes its draws; its noise is unused.
void initNoiseLayers(GradientNoise* layers);

// The noise texture's 512 x 512 grey, opaque pixels (4 bytes each), without GL.
void computeNoisePixels(uint8_t* pixels);

// Uploads the noise texture and returns its name (left bound).
GLuint buildNoiseTexture();

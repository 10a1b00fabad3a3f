// The image decoder, compiled here once, PNG only, allocating from our heap so
// that its pixel blocks are released with freeBlock like everything else.
#include "gfx/heap.h"
#include "gfx/textures.h"

#include <climits>

#define STBI_MALLOC(byteCount) allocZeroed(byteCount)
#define STBI_REALLOC(block, byteCount) reallocBlock(block, byteCount)
#define STBI_FREE(block) freeBlock(block)
#define STBI_ONLY_PNG
#define STBI_NO_STDIO  // images come from resources, never from files
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION

// Third-party code, kept private to this file: the parts of it we do not call
// would warn as unused.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb_image.h>
#pragma GCC diagnostic pop

uint8_t* decodeRgbaImage(const unsigned char* bytes, size_t byteCount, int32_t* width, int32_t* height) {
    if (!bytes || byteCount > INT_MAX) return nullptr;
    int decodedWidth = 0, decodedHeight = 0, channelsInFile = 0;
    const int rgba = 4;
    stbi_uc* pixels = stbi_load_from_memory(bytes, static_cast<int>(byteCount), &decodedWidth, &decodedHeight,
                                            &channelsInFile, rgba);
    if (!pixels) return nullptr;
    *width = decodedWidth;
    *height = decodedHeight;
    return pixels;
}

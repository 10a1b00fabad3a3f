// The PNG resources decoded through the heap; only their sizes and formats are
// checked here, not their pictures.
#include "gfx/heap.h"
#include "gfx/textures.h"
#include "platform/platform.h"

#include <GL/glext.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

struct DecodedPng {
    uint8_t* pixels = nullptr;
    int32_t width = -1, height = -1;
    GLenum internalFormat = 0xBAD, format = 0xBAD;
};

DecodedPng loadPng(int id) {
    DecodedPng image;
    image.pixels = loadPngResource(id, &image.width, &image.height, &image.internalFormat, &image.format);
    return image;
}

TEST(PngResource, BannerIs700By130InRgba) {
    DecodedPng banner = loadPng(2000);
    ASSERT_NE(banner.pixels, nullptr);
    EXPECT_EQ(banner.width, 700);
    EXPECT_EQ(banner.height, 130);
    EXPECT_EQ(banner.internalFormat, static_cast<GLenum>(GL_RGBA8));
    EXPECT_EQ(banner.format, static_cast<GLenum>(GL_RGBA));
    freeBlock(banner.pixels);
}

TEST(PngResource, SheetIs256By256InRgba) {
    DecodedPng sheet = loadPng(162);
    ASSERT_NE(sheet.pixels, nullptr);
    EXPECT_EQ(sheet.width, 256);
    EXPECT_EQ(sheet.height, 256);
    EXPECT_EQ(sheet.internalFormat, static_cast<GLenum>(GL_RGBA8));
    EXPECT_EQ(sheet.format, static_cast<GLenum>(GL_RGBA));
    freeBlock(sheet.pixels);
}

TEST(PngResource, MissingOrWrongTypeGivesNullAndLeavesTheOutputs) {
    for (int id : {999, 301}) {  // no resource at all; a shader, not a PNG
        DecodedPng missing = loadPng(id);
        EXPECT_EQ(missing.pixels, nullptr) << id;
        EXPECT_EQ(missing.width, -1) << id;
        EXPECT_EQ(missing.height, -1) << id;
        EXPECT_EQ(missing.internalFormat, 0xBADu) << id;
        EXPECT_EQ(missing.format, 0xBADu) << id;
    }
}

TEST(PngResource, DecodedPixelsAreHeapBlocksWithFourBytesEach) {
    // The decoder allocates through the heap, so the heap can grow its block:
    // the pixels stay and the growth reads as zeros.
    DecodedPng banner = loadPng(2000);
    ASSERT_NE(banner.pixels, nullptr);
    size_t imageBytes = static_cast<size_t>(banner.width) * banner.height * 4;
    std::vector<uint8_t> copy(banner.pixels, banner.pixels + imageBytes);
    uint8_t* grown = static_cast<uint8_t*>(reallocBlock(banner.pixels, imageBytes + 4096));
    ASSERT_NE(grown, nullptr);
    EXPECT_EQ(std::memcmp(grown, copy.data(), imageBytes), 0);
    std::vector<uint8_t> zeros(4096, 0);
    EXPECT_EQ(std::memcmp(grown + imageBytes, zeros.data(), zeros.size()), 0);
    freeBlock(grown);
}

TEST(DecodeImage, GarbageAndTruncatedFilesGiveNull) {
    const unsigned char* bytes = nullptr;
    size_t size = 0;
    ASSERT_EQ(platformFindResource("PNG", 2000, &bytes, &size), 1);
    int32_t width = -1, height = -1;
    EXPECT_EQ(decodeRgbaImage(bytes, size / 2, &width, &height), nullptr);
    const unsigned char garbage[64] = {0x89, 'P', 'N', 'G', 1, 2, 3};
    EXPECT_EQ(decodeRgbaImage(garbage, sizeof garbage, &width, &height), nullptr);
    EXPECT_EQ(decodeRgbaImage(nullptr, 0, &width, &height), nullptr);
    EXPECT_EQ(width, -1);
    EXPECT_EQ(height, -1);
}

}  // namespace

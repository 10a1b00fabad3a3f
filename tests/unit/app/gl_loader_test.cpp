// The entry-point loader against the fake lookup, and which names a context provides.
#include "gfx/gl_entry_points.h"
#include "gfx/render_target.h"
#include "platform/common/gl_availability.h"
#include "tests/fake_platform/fake_platform.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

void* slot(int index) {
    void* entryPoint;
    std::memcpy(&entryPoint, reinterpret_cast<unsigned char*>(&gl) + index * sizeof(void*), sizeof entryPoint);
    return entryPoint;
}

TEST(GlLoader, FillsEverySlotOrStopsAtTheFirstMissingNameAndThenMakesNoTargetList) {
    resetFakePlatform();
    renderTargets = nullptr;
    EXPECT_EQ(initGraphics(nullptr, 0), 1);
    for (int i = 0; i < GL_ENTRY_POINT_COUNT; ++i) EXPECT_NE(slot(i), nullptr) << i;
    ASSERT_NE(renderTargets, nullptr);
    EXPECT_EQ(renderTargets->count, 0);

    gl = GlEntryPoints();
    renderTargets = nullptr;
    fake.missingGlNames = {"glUseProgram", "glVertexAttribPointer"};  // entries 19 and 51
    EXPECT_EQ(initGraphics(nullptr, 0), 0);
    for (int i = 0; i < GL_ENTRY_POINT_COUNT; ++i) EXPECT_EQ(slot(i) == nullptr, i >= 19) << i;
    EXPECT_EQ(renderTargets, nullptr);
}

struct Provided {
    const char* name;
    int major, minor;
    const char* extensions;
    int provided;
};

TEST(GlAvailability, CoreNamesFollowTheVersionAndSuffixedNamesTheirWholeExtensionName) {
    const Provided rows[] = {
        {"glUseProgram", 1, 5, "GL_ARB_shader_objects", 0},
        {"glUseProgram", 2, 0, "", 1},
        {"glBindFramebufferEXT", 4, 5, "GL_ARB_framebuffer_object", 0},
        {"glBindFramebufferEXT", 1, 5, "GL_EXT_framebuffer_object", 1},
        {"glActiveTextureARB", 4, 5, "GL_ARB_multitexture_more", 0},
        {"glGetUniformBlockIndex", 3, 0, "X GL_ARB_uniform_buffer_object", 1},
        {"glGetUniformBlockIndex", 3, 0, "GL_EXT_framebuffer_object", 0},
        {"glGetUniformBlockIndex", 3, 1, nullptr, 1},
        {"glNoSuchThing", 4, 5, "", 0},
    };
    for (const Provided& row : rows)
        EXPECT_EQ(glEntryPointProvided(row.name, row.major, row.minor, row.extensions), row.provided)
            << row.name << " " << row.major << "." << row.minor << " " << (row.extensions ? row.extensions : "null");

    int major = -1, minor = -1;
    parseGlVersion("4.5 (Compatibility Profile) Mesa 22.3.6", &major, &minor);
    EXPECT_EQ(major * 10 + minor, 45);
    parseGlVersion("OpenGL ES 3.2", &major, &minor);
    EXPECT_EQ(major, 0);
}

}  // namespace

// The entry-point loader against a fake lookup, and the availability table.
#include "gfx/gl_entry_points.h"
#include "gfx/render_target.h"
#include "platform/common/gl_availability.h"
#include "tests/fake_platform/fake_platform.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> namesInOrder() {
    std::vector<std::string> names;
    const char* name = glEntryPointNames;
    for (int i = 0; i < GL_ENTRY_POINT_COUNT; ++i) {
        names.push_back(name);
        name += std::strlen(name) + 1;
    }
    return names;
}

void* slot(int index) {
    void* entryPoint;
    std::memcpy(&entryPoint, reinterpret_cast<unsigned char*>(&gl) + index * sizeof(void*), sizeof entryPoint);
    return entryPoint;
}

class GlLoader : public ::testing::Test {
protected:
    void SetUp() override {
        resetFakePlatform();
        gl = GlEntryPoints();
        renderTargets = nullptr;
    }
};

TEST_F(GlLoader, NameBlockHoldsTheFiftyTwoNamesInTableOrder) {
    std::vector<std::string> names = namesInOrder();
    EXPECT_EQ(names.front(), "glActiveTextureARB");
    EXPECT_EQ(names[19], "glUseProgram");
    EXPECT_EQ(names[36], "glGenerateMipmapEXT");
    EXPECT_EQ(names.back(), "glVertexAttribPointer");
    // Each slot is the one its name says.
    EXPECT_EQ(reinterpret_cast<unsigned char*>(&gl.glUseProgram) - reinterpret_cast<unsigned char*>(&gl),
              19 * static_cast<long>(sizeof(void*)));
}

TEST_F(GlLoader, AllFoundFillsEverySlotAndInitGraphicsMakesAnEmptyTargetList) {
    EXPECT_EQ(initGraphics(nullptr, 0), 1);
    for (int i = 0; i < GL_ENTRY_POINT_COUNT; ++i) EXPECT_NE(slot(i), nullptr) << i;
    ASSERT_NE(renderTargets, nullptr);
    EXPECT_EQ(renderTargets->capacity, 10);
    EXPECT_EQ(renderTargets->count, 0);
    EXPECT_NE(renderTargets->items, nullptr);
}

TEST_F(GlLoader, StopsAtTheFirstMissingNameLeavingItAndTheRestNull) {
    fake.missingGlNames = {"glUseProgram", "glVertexAttribPointer"};
    EXPECT_EQ(loadGlEntryPoints(), 0);
    for (int i = 0; i < 19; ++i) EXPECT_NE(slot(i), nullptr) << i;
    for (int i = 19; i < GL_ENTRY_POINT_COUNT; ++i) EXPECT_EQ(slot(i), nullptr) << i;
}

TEST_F(GlLoader, InitGraphicsFailsOnAMissingNameAndMakesNoList) {
    fake.missingGlNames = {"glGetActiveUniformBlockiv"};
    EXPECT_EQ(initGraphics(nullptr, 0), 0);
    EXPECT_EQ(renderTargets, nullptr);
}

// ---------------------------------------------------------------------------
// Which context provides which name
// ---------------------------------------------------------------------------

const char* const MESA_LIKE =
    "GL_ARB_multitexture GL_ARB_vertex_program GL_ARB_fragment_program GL_ARB_vertex_buffer_object "
    "GL_ARB_shader_objects GL_EXT_framebuffer_object GL_ARB_uniform_buffer_object";

TEST(GlAvailability, EveryNameIsKnownAndProvidedByAFullContext) {
    for (const std::string& name : namesInOrder()) {
        EXPECT_EQ(glEntryPointProvided(name.c_str(), 4, 5, MESA_LIKE), 1) << name;
    }
    EXPECT_EQ(glEntryPointProvided("glNoSuchThing", 4, 5, MESA_LIKE), 0);
}

TEST(GlAvailability, CoreNamesFollowTheVersionAndSuffixedNamesTheirExtension) {
    EXPECT_EQ(glEntryPointProvided("glUseProgram", 1, 5, MESA_LIKE), 0);
    EXPECT_EQ(glEntryPointProvided("glUseProgram", 2, 0, ""), 1);
    EXPECT_EQ(glEntryPointProvided("glTexImage3D", 1, 2, ""), 1);
    EXPECT_EQ(glEntryPointProvided("glBindFramebufferEXT", 4, 5, "GL_ARB_framebuffer_object"), 0);
    EXPECT_EQ(glEntryPointProvided("glActiveTextureARB", 4, 5, "GL_ARB_multitexture_more"), 0);
    EXPECT_EQ(glEntryPointProvided("glGetUniformBlockIndex", 3, 0, "GL_EXT_framebuffer_object"), 0);
    EXPECT_EQ(glEntryPointProvided("glGetUniformBlockIndex", 3, 0, "X GL_ARB_uniform_buffer_object"), 1);
    EXPECT_EQ(glEntryPointProvided("glGetUniformBlockIndex", 3, 1, nullptr), 1);
    EXPECT_EQ(glEntryPointProvided("glDeleteProgramsARB", 2, 0, "GL_ARB_fragment_program"), 1);
}

TEST(GlAvailability, ReadsTheVersionFromTheFrontOfTheString) {
    int major, minor;
    parseGlVersion("4.5 (Compatibility Profile) Mesa 22.3.6", &major, &minor);
    EXPECT_EQ(major, 4);
    EXPECT_EQ(minor, 5);
    parseGlVersion("3.0 Mesa", &major, &minor);
    EXPECT_EQ(major, 3);
    EXPECT_EQ(minor, 0);
    parseGlVersion("OpenGL ES 3.2", &major, &minor);
    EXPECT_EQ(major, 0);
    parseGlVersion(nullptr, &major, &minor);
    EXPECT_EQ(major, 0);
}

}  // namespace

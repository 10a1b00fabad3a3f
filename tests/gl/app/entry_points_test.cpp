// The entry-point table on a Mesa driver without the uniform-block queries
// (every other gl test opens its window through the whole table).
#include "gfx/gl_entry_points.h"
#include "tests/gl/support/gl_test_window.h"

#include <cstdlib>
#include <cstring>

namespace {

void* slot(int index) {
    void* entryPoint;
    std::memcpy(&entryPoint, reinterpret_cast<unsigned char*>(&gl) + index * sizeof(void*), sizeof entryPoint);
    return entryPoint;
}

TEST(HiddenEntryPoints, ADriverWithoutUniformBlocksFailsAtEntry49) {
    setenv("MESA_GL_VERSION_OVERRIDE", "3.0", 1);
    setenv("MESA_EXTENSION_OVERRIDE", "-GL_ARB_uniform_buffer_object", 1);
    GlTestWindow window;
    // openGlTestWindow loads the table itself and must report the gap.
    EXPECT_FALSE(openGlTestWindow(64, 64, &window));
    EXPECT_EQ(loadGlEntryPoints(), 0);
    EXPECT_NE(slot(47), nullptr);  // glUniform2i
    EXPECT_EQ(slot(48), nullptr);  // glGetUniformBlockIndex
    EXPECT_EQ(slot(51), nullptr);
    closeGlTestWindow(&window);
}

}  // namespace

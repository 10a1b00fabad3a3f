#include "tools/studio/live_shaders/shader_log.h"

#include <gtest/gtest.h>

namespace {

TEST(ShaderLog, EachDriversLinePlaceIsTheFilesLine) {
    const struct {
        const char* driver;
        const char* log;
        const char* placed;
    } cases[] = {
        {"Mesa", "0:12(3): error: `x' undeclared\n\n0:7(1): warning: w\n",
         "a.frag:12: error: `x' undeclared\na.frag:7: warning: w"},
        {"NVIDIA", "0(12) : error C1008: undefined variable \"x\"", "a.frag:12: error C1008: undefined variable \"x\""},
        {"AMD", "ERROR: 0:12: 'x' : undeclared identifier", "a.frag:12: ERROR: 'x' : undeclared identifier"},
        {"a link error", "error: no main", "a.frag: error: no main"},
    };
    for (const auto& c : cases) EXPECT_EQ(placeShaderLog("a.frag", c.log), c.placed) << c.driver;
}

}  // namespace

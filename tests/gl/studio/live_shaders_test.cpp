// The show's programs rebuilt from a copy of the shader sources while it runs.
#include "demo/demo.h"
#include "demo/shell_state.h"
#include "demo/show_programs.h"
#include "gfx/gl_entry_points.h"
#include "tests/gl/support/gl_test_window.h"
#include "tools/studio/live_shaders/live_shaders.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// The pixel at the centre of a quad over the window drawn with the program.
std::vector<uint8_t> drawnBy(GLuint program) {
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    gl.glUseProgram(program);
    glRecti(-1, -1, 1, 1);
    gl.glUseProgram(0);
    const Picture picture = readPixels(50, 50, 1, 1);
    return {picture.at(0, 0), picture.at(0, 0) + 3};
}

class LiveShadersTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure()) return;
        displayConfig = DisplayConfig{glWindow.width, glWindow.height, 0, glWindow.width / float(glWindow.height)};
        ASSERT_EQ(startDemo(LoadProgress{nullptr, nullptr}, &displayConfig), 1);
        char folder[] = "/tmp/quorvel-shaders-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        source = folder;
        fs::create_directories(source / "resources");
        fs::copy(fs::path(std::getenv("QUORVEL_SOURCE_DIR")) / "resources/shaders", source / "resources/shaders");
    }
    void TearDown() override {
        fs::remove_all(source);
        GlTest::TearDown();
    }
    fs::path source;
};

struct Step {
    const char* what;
    const char* text;  // null: the file is deleted
    std::vector<uint8_t> drawn;
    const char* errorStart;  // after the path; null: no error
};

TEST_F(LiveShadersTest, AnEditIsDrawnABrokenOrDeletedFileKeepsTheOldProgramAndTheErrorNamesFileAndLine) {
    LiveShaders live;
    const std::string path = (source / "resources/shaders/tunnel.frag").string();
    const GLuint* tunnel = showProgramSlot(TUNNEL_PROGRAM);

    const Step steps[] = {
        {"a constant colour, saved before the start", "void main() {\n    gl_FragColor = vec4(1.0, 0.0, 1.0, 1.0);\n}\n", {255, 0, 255}, nullptr},
        {"a compile error on line 3", "void main() {\n\n    gl_FragColor = nothing;\n}\n", {255, 0, 255}, ":3: "},
        {"the file deleted", nullptr, {255, 0, 255}, ": cannot be read"},
        {"the file back with another colour", "void main() {\n    gl_FragColor = vec4(0.0, 1.0, 0.0, 1.0);\n}\n",
         {0, 255, 0}, nullptr},
    };
    for (const Step& step : steps) {
        if (step.text) {
            std::ofstream(path, std::ios::binary) << step.text;
        } else {
            fs::remove(path);
        }
        if (&step == steps) {
            ASSERT_EQ(startLiveShaders(&live, source.string()), 1);
        } else {
            updateLiveShaders(&live);
        }
        EXPECT_EQ(drawnBy(*tunnel), step.drawn) << step.what;
        const std::string error = liveShaderError(live);
        if (step.errorStart) {
            EXPECT_EQ(error.rfind(path + step.errorStart, 0), 0u) << step.what << ": " << error;
        } else {
            EXPECT_EQ(error, "") << step.what;
        }
    }
}

TEST_F(LiveShadersTest, AFolderWithoutShadersLeavesTheBuiltInOnes) {
    fs::remove_all(source / "resources/shaders");
    LiveShaders live;
    EXPECT_EQ(startLiveShaders(&live, source.string()), 0);
    EXPECT_EQ(updateLiveShaders(&live), 0);
}

}  // namespace

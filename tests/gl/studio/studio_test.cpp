// The studio's parts over the started show: its programs rebuilt from a copy
// of the shader sources, the overlay drawn over a frame.
#include "demo/demo.h"
#include "demo/shell_state.h"
#include "demo/show_programs.h"
#include "gfx/gl_entry_points.h"
#include "tests/gl/support/gl_test_window.h"
#include "tools/studio/live_shaders/live_shaders.h"
#include "tools/studio/overlay/frame_times.h"
#include "tools/studio/overlay/overlay.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// A pixel of a quad over the window drawn with the program (on startDemo's
// black).
std::vector<uint8_t> drawnBy(GLuint program) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gl.glUseProgram(program);
    glRecti(-1, -1, 1, 1);
    gl.glUseProgram(0);
    const Picture picture = readPixels(50, 50, 1, 1);
    return {picture.at(0, 0), picture.at(0, 0) + 3};
}

class Studio : public GlTest {
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

TEST_F(Studio, AnEditIsDrawnABrokenOrDeletedFileKeepsTheOldProgramAndTheErrorNamesFileAndLine) {
    LiveShaders live;
    const std::string path = (source / "resources/shaders/tunnel.frag").string();
    const GLuint* tunnel = showProgramSlot(TUNNEL_PROGRAM);

    const Step steps[] = {
        {"a constant colour, saved before the start", "void main() { gl_FragColor = vec4(1.0, 0.0, 1.0, 1.0); }",
         {255, 0, 255}, nullptr},
        {"a compile error on line 3", "void main() {\n\n    gl_FragColor = nothing;\n}\n", {255, 0, 255}, ":3: "},
        {"the file deleted", nullptr, {255, 0, 255}, ": cannot be read"},
        {"the file back with another colour", "void main() { gl_FragColor = vec4(0.0, 1.0, 0.0, 1.0); }", {0, 255, 0},
         nullptr},
    };
    for (const Step& step : steps) {
        if (step.text) std::ofstream(path, std::ios::binary) << step.text;
        if (!step.text) fs::remove(path);
        if (&step == steps) {
            ASSERT_EQ(startLiveShaders(&live, source.string()), 1);
        } else {
            updateLiveShaders(&live);
        }
        EXPECT_EQ(drawnBy(*tunnel), step.drawn) << step.what;
        const std::string error = liveShaderError(live), expected = step.errorStart ? path + step.errorStart : "";
        EXPECT_EQ(step.errorStart ? error.substr(0, expected.size()) : error, expected) << step.what << ": " << error;
    }
}

TEST_F(Studio, AFolderWithoutShadersLeavesTheBuiltInOnes) {
    fs::remove_all(source / "resources/shaders");
    LiveShaders live;
    EXPECT_EQ(startLiveShaders(&live, source.string()), 0);
    EXPECT_EQ(updateLiveShaders(&live), 0);
}

// What the overlay could change that the show's next frame relies on.
std::vector<double> showState() {
    const struct { GLenum name; int count; } queried[] = {
        {GL_CURRENT_PROGRAM, 1}, {GL_FRAMEBUFFER_BINDING_EXT, 1}, {GL_VIEWPORT, 4},       {GL_MATRIX_MODE, 1},
        {GL_DEPTH_TEST, 1},      {GL_BLEND, 1},                   {GL_TEXTURE_2D, 1},     {GL_TEXTURE_BINDING_2D, 1},
        {GL_CURRENT_COLOR, 4},   {GL_BLEND_DST, 1},               {GL_MODELVIEW_MATRIX, 16}, {GL_PROJECTION_MATRIX, 16},
    };
    std::vector<double> state;
    for (const auto& q : queried) {
        double values[16] = {};
        glGetDoublev(q.name, values);
        state.insert(state.end(), values, values + q.count);
    }
    return state;
}

TEST_F(Studio, TheOverlayWritesOverTheFrameAndLeavesTheStateAsItFoundIt) {
    glClear(GL_COLOR_BUFFER_BIT);
    gl.glUseProgram(*showProgramSlot(FX_PROGRAM));  // and, as startDemo left them, the matrices and the rest
    glViewport(3, 4, 100, 200);
    glColor4f(0.25f, 0.5f, 0.75f, 1.0f);
    const std::vector<double> before = showState();

    const int32_t notes[TRACK_COUNT] = {72, 0, 70};
    FrameTimes times = {};
    recordFrameTime(&times, 0.016);
    const OverlayInfo info = {20.0, 100000, notes, true, true, true, 15.0, 25.0, &times, 0.25, 0, "a.frag:3: error"};
    Overlay overlay;
    resetOverlay(&overlay);
    followOverlayNotes(&overlay, info);
    drawOverlay(overlay, info, glWindow.width, glWindow.height);

    EXPECT_EQ(showState(), before);
    gl.glUseProgram(0);
    const Picture line = readPixels(0, glWindow.height - 20, glWindow.width, 1);  // through the first line's glyphs
    int lit = 0;
    for (int x = 0; x < line.width; ++x) lit += line.at(x, 0)[0] + line.at(x, 0)[1] + line.at(x, 0)[2] > 0;
    EXPECT_GT(lit, 0) << "nothing written in the first line";
}

}  // namespace

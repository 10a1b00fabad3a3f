// startDemo on real GL, and what drawFrame composes in sceneTarget and
// acknowledges.
#include "demo/cube_logo.h"
#include "demo/demo_objects.h"
#include "demo/effect_programs.h"
#include "demo/scroll_text.h"
#include "gfx/gl_entry_points.h"
#include "gfx/textures.h"
#include "tests/gl/frame/frame_fixture.h"
#include "tests/gl/frame/start_faults.h"

#include <cmath>

namespace {

void recordProgress(void* context, int percent) { static_cast<std::vector<int>*>(context)->push_back(percent); }

bool linked(GLuint program) {
    GLint status = 0;
    if (program) gl.glGetObjectParameterivARB(program, GL_OBJECT_LINK_STATUS_ARB, &status);
    return status != 0;
}

using Start = StartedDemo;

TEST_F(Start, BuildsEveryObjectWithoutAnErrorBoxReportingZeroFiftyAndAHundred) {
    std::vector<int> progress;
    displayConfig.height = 0;  // a zero height is raised to one, not divided by
    ASSERT_EQ(startDemo(LoadProgress{&progress, recordProgress}, &displayConfig), 1);
    EXPECT_EQ(displayConfig.height, 1);
    EXPECT_EQ(progress, (std::vector<int>{0, 50, 100}));
    EXPECT_TRUE(sceneTarget && scrollText && cubeLogo && effectPrograms && glIsTexture(bannerTexture));
    for (GLuint program : {fxProgram, effectPrograms->fractProgram, effectPrograms->plasmaProgram,
                           effectPrograms->tunnelProgram, effectPrograms->mixerProgram, cubeLogo->logoProgram})
        EXPECT_TRUE(linked(program)) << program;
    for (const RecordedBox& box : recordedBoxes) ADD_FAILURE() << box.kind << " box: " << box.text;
}

// Without one of its pieces start-up reports failure (the entry then says
// so) instead of leaving a frame to draw with nothing.
TEST_F(Start, FailsWithoutAnyOfItsPieces) {
    static const unsigned char NOT_A_PNG[] = "not a PNG";
    static const unsigned char TWO_BY_TWO_PNG[] = {  // the logo's sheet must be 256 x 256
        0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
        0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x72, 0xb6, 0x0d, 0x24, 0x00, 0x00, 0x00,
        0x0e, 0x49, 0x44, 0x41, 0x54, 0x78, 0xda, 0x63, 0xf8, 0x0f, 0x05, 0x0c, 0x30, 0x06, 0x00, 0x8f, 0x82, 0x0f,
        0xf1, 0x21, 0xcd, 0x18, 0x27, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
    const struct {
        const char* what;
        StartFault fault;
    } cases[] = {
        {"no banner image", {0, false, 2000, nullptr, 0}},
        {"a banner that is no PNG", {0, false, 2000, NOT_A_PNG, sizeof NOT_A_PNG}},
        {"no sheet image", {0, false, 162, nullptr, 0}},
        {"a sheet of another size", {0, false, 162, TWO_BY_TWO_PNG, sizeof TWO_BY_TWO_PNG}},
        {"no memory at all", {0, true, 0, nullptr, 0}},
        {"no effect programs record", {sizeof(EffectPrograms), false, 0, nullptr, 0}},
        {"no scroll text", {sizeof(ScrollText), false, 0, nullptr, 0}},
        {"no cube logo record", {sizeof(CubeLogo), false, 0, nullptr, 0}},
    };
    for (const auto& c : cases) {
        renderTargets = createRenderTargetList(10);  // as a fresh run has it
        armStartFault(c.fault);
        EXPECT_EQ(startDemo(LoadProgress{nullptr, nullptr}, &displayConfig), 0) << c.what;
        disarmStartFault();
        EXPECT_GT(startFaultHits(), 0) << c.what << ": the fault was never met";
    }
}

// Pixel row of a point on the overlay plane, one unit in front of the eye.
double rowOf(double y, int height) { return (y / std::tan(15.0 * 3.14159265358979 / 180.0) + 1.0) * 0.5 * height; }

using Frame = FrameTest;

// At 20 s the letterbox: white lines at 12.7 % and 75.4 % of the height,
// black below the lower line (but for the scroll text's rows) and above 0.15.
TEST_F(Frame, AtTwentyTheLetterboxLinesAndBarsLieWhereTheyMust) {
    demoTime = 20.0;
    drawFrame();
    const Picture scene = readScene();
    const int H = scene.height;
    const double lower = rowOf(-0.2, H), upper = rowOf(0.13625, H), topBar = rowOf(0.15, H);
    EXPECT_NEAR(lower / H, 0.127, 0.0005);
    EXPECT_NEAR(upper / H, 0.754, 0.0005);
    for (double line : {lower, upper}) {
        bool white = false;
        for (int y = static_cast<int>(line - 1.5); y <= static_cast<int>(line + 1.5); ++y)
            white = white || (scene.at(5, y)[1] == 255 && scene.at(scene.width - 5, y)[1] == 255);
        EXPECT_TRUE(white) << "no white line at row " << line;
    }
    // The banner, 0.574 units wide, overlaps the top bar up to 0.1866.
    const double bannerLeft = (1.0 - 0.287 / (std::tan(15.0 * 3.14159265358979 / 180.0) * displayConfig.aspect)) * 0.5 * scene.width;
    const double bannerTop = rowOf(0.1866, H) + 1.0;
    int notBlack = 0;
    for (int y = 0; y < H; ++y) {
        const bool text = y > 0.07 * H && y < 0.105 * H;
        if ((y < lower - 1.5 && !text) || y > topBar + 1.5)
            for (int x = 0; x < scene.width; ++x)
                if (y > bannerTop || x < bannerLeft - 1.0 || x > scene.width - bannerLeft + 1.0)
                    notBlack += (scene.at(x, y)[0] | scene.at(x, y)[1] | scene.at(x, y)[2]) != 0;
    }
    EXPECT_EQ(notBlack, 0);
}

// Every note change acts in exactly the one frame that saw it, drawn or skipped.
TEST_F(Frame, EveryFrameAcknowledgesEveryCue) {
    trackNote[11] = 62;
    demoTime = 20.0;
    for (FramePicture picture : {PICTURE_DRAWN, PICTURE_SKIPPED}) {
        for (uint8_t& seen : noteSeen) seen = 0;
        setFramePicture(picture);
        drawFrame();
        for (int track = 0; track < NOTE_TRACKS; ++track) EXPECT_EQ(noteSeen[track], 1) << track << ", " << picture;
        demoTime += 0.02;
    }
}

TEST_F(Frame, ReturnsZeroEvenOnTheFrameTheFadeFinishes) {
    quitRequested = true;
    quitTime = 3.0;
    demoTime = 3.5;
    EXPECT_EQ(drawFrame(), 0);
    EXPECT_FALSE(fadeFinished);
    demoTime = 4.0;
    EXPECT_EQ(drawFrame(), 0);
    EXPECT_TRUE(fadeFinished);
}

}  // namespace

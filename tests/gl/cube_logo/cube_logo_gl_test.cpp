// The cube logo on real GL: what the build hands the driver, the landed logo's
// picture against the processor's transform and lighting, and the state the
// draw leaves for the rest of the frame.
#define GL_GLEXT_PROTOTYPES 1  // the test reads the driver's state directly

#include "demo/cube_flight.h"
#include "demo/cube_layout.h"
#include "gfx/render_target.h"
#include "tests/gl/cube_logo/logo_gl_fixture.h"
#include "tests/gl/cube_logo/logo_oracle.h"
#include "tests/unit/cube_logo/sheet_pixels.h"

#include <GL/glext.h>

#include <cstring>

namespace {

const float LANDED = 9.9f;  // every cube is home, the turn nearly complete

GLint integerState(GLenum name) {
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

// --- The build --------------------------------------------------------------

TEST_F(LogoGlTest, ProgramsBuildWithoutErrorBoxes) {
    EXPECT_TRUE(recordedBoxes.empty()) << recordedBoxes.front().text;
    EXPECT_TRUE(glIsProgram(logo->logoProgram));
    EXPECT_TRUE(glIsProgram(logo->raysProgram));
    GLint linked = 0;
    glGetProgramiv(logo->logoProgram, GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE);
    glGetProgramiv(logo->raysProgram, GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE);
}

TEST_F(LogoGlTest, SheetTextureIsThe256SquareImageRepeatingAndLinear) {
    glBindTexture(GL_TEXTURE_2D, sheetTexture);
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &value);
    EXPECT_EQ(value, 256);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &value);
    EXPECT_EQ(value, 256);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &value);
    EXPECT_EQ(value, GL_RGBA8);
    for (GLenum parameter : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T}) {
        glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
        EXPECT_EQ(value, GL_REPEAT);
    }
    for (GLenum parameter : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER}) {
        glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
        EXPECT_EQ(value, GL_LINEAR);
    }
    EXPECT_EQ(logo->environmentTarget, renderTargets->items[1]);
}

TEST_F(LogoGlTest, EachBufferHoldsItsArrayAtItsByteSize) {
    rebuildCubesFrom(stripWithProgramCounts());
    ASSERT_EQ(logo->cubeCount, 3068);
    struct Expected {
        CubeLogoBuffer buffer;
        const void* array;
        size_t bytes;
    };
    const Expected expected[] = {
        {POSITION_BUFFER, logo->positions, logo->cubeCount * 384u}, {NORMAL_BUFFER, logo->normals, logo->cubeCount * 288u},
        {COLOUR_BUFFER, logo->colours, logo->cubeCount * 384u},     {HOME_BUFFER, logo->homes, logo->cubeCount * 384u},
        {SCATTER_BUFFER, logo->scatters, logo->cubeCount * 384u},   {CROSS_BUFFER, logo->crosses, logo->cubeCount * 384u},
    };
    for (const Expected& e : expected) {
        ASSERT_TRUE(glIsBuffer(logo->buffers[e.buffer])) << e.buffer;
        glBindBuffer(GL_ARRAY_BUFFER, logo->buffers[e.buffer]);
        GLint size = 0, usage = 0;
        glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &size);
        glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_USAGE, &usage);
        EXPECT_EQ(static_cast<size_t>(size), e.bytes) << e.buffer;
        EXPECT_EQ(usage, GL_STATIC_DRAW) << e.buffer;
        std::vector<uint8_t> held(e.bytes);
        glGetBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(e.bytes), held.data());
        EXPECT_EQ(std::memcmp(held.data(), e.array, e.bytes), 0) << e.buffer;
    }
}

// --- The landed logo --------------------------------------------------------

TEST_F(LogoGlTest, ProgramsOwnLogoCoversItsCubesHomesLitAndTinted) {
    ASSERT_GT(logo->cubeCount, 0) << "the sheet holds no logo strip yet";
    fillScene(0.0f);
    drawCubeLogo(logo, LANDED);
    Picture scene = readScene();

    int sampled = 0;
    for (int n = 0; n < logo->cubeCount; n += 37, ++sampled) {
        const Vec3& home = logo->cubes[n]->home;
        int column = 0, row = 0;
        eyeToPixel(logoPointInEyeSpace(Point3{home.x, home.y, home.z}, LANDED), scene.width, scene.height, &column,
                   &row);
        const uint8_t* pixel = scene.at(column, row);
        EXPECT_GT(pixel[3], 0) << "cube " << n << " at " << column << ", " << row;
        // The red material colour: red well above blue wherever the lights reach.
        EXPECT_GT(pixel[0] - pixel[2], 25) << "cube " << n << " at " << column << ", " << row;
    }
    EXPECT_GT(sampled, 10);
}

TEST_F(LogoGlTest, LitColourOfAFlatWhiteBlockFollowsTheThreeLightsOnTheRedMaterial) {
    SheetPixels sheet;
    for (int column = 44; column <= 64; ++column)
        for (int row = 244; row <= 252; ++row) sheet.set(column, row, 255, 255, 255, 255);
    rebuildCubesFrom(sheet);
    fillScene(0.0f);
    drawCubeLogo(logo, LANDED);
    Picture scene = readScene();

    // The cube at the logo's centre shows its -z face, turned towards the viewer.
    const double h = 1.0 / 256.0;
    Point3 eye = logoPointInEyeSpace(Point3{0.0, 0.0, -h}, LANDED);
    Point3 normal = logoNormalInEyeSpace(Point3{0.0, 0.0, -1.0}, LANDED);
    ASSERT_GT(normal.z, 0.0);
    Rgb expected = litColour(eye, normal, 255.0 / 256.0);
    int column = 0, row = 0;
    eyeToPixel(eye, scene.width, scene.height, &column, &row);
    const uint8_t* pixel = scene.at(column, row);
    const double tolerance = 0.02;
    EXPECT_NEAR(pixel[0] / 255.0, expected.r, tolerance) << column << ", " << row;
    EXPECT_NEAR(pixel[1] / 255.0, expected.g, tolerance) << column << ", " << row;
    EXPECT_NEAR(pixel[2] / 255.0, expected.b, tolerance) << column << ", " << row;
    EXPECT_GT(expected.r - expected.b, 0.15);  // the oracle itself is tinted
}

TEST_F(LogoGlTest, ACubeInFlightIsWhereTheProcessorsFlightPutsIt) {
    SheetPixels sheet;
    sheet.set(54, 248, 255, 255, 255, 255);  // one cube, at home in the logo's centre
    rebuildCubesFrom(sheet);
    ASSERT_EQ(logo->cubeCount, 1);
    const float t = 7.0f;  // near enough to be on screen, far enough to be well off home
    const LogoCube& cube = *logo->cubes[0];
    CubeFlight flight = cubeFlightAt(t, cube.startDelay, logo->crosses[0].w, 0.0f);
    ASSERT_LT(flight.progress, 0.9f);
    fillScene(0.0f);
    drawCubeLogo(logo, t);
    Picture scene = readScene();

    Vec3 centre = flightCentre(cube.home, cube.scatter, flight.progress);
    Point3 inFlight{centre.x * flight.scale, centre.y * flight.scale, centre.z * flight.scale};
    int column = 0, row = 0;
    eyeToPixel(logoPointInEyeSpace(inFlight, t), scene.width, scene.height, &column, &row);
    EXPECT_GT(scene.at(column, row)[3], 0) << "in flight at " << column << ", " << row;
    eyeToPixel(logoPointInEyeSpace(Point3{0.0, 0.0, 0.0}, t), scene.width, scene.height, &column, &row);
    EXPECT_EQ(scene.at(column, row)[3], 0) << "already home at " << column << ", " << row;
}

TEST_F(LogoGlTest, DrawClearsWhatEarlierFramesLeftInTheTarget) {
    fillScene(0.5f);
    drawCubeLogo(logo, LANDED);
    Picture scene = readScene();
    for (int corner : {0, 1}) {
        const uint8_t* pixel = scene.at(corner * (scene.width - 1), corner * (scene.height - 1));
        EXPECT_EQ(pixel[0] | pixel[1] | pixel[2] | pixel[3], 0) << "corner " << corner;
    }
}

// --- What the draw leaves behind --------------------------------------------

TEST_F(LogoGlTest, LeavesLight0NormalizeAndDepthOnAndEverythingElseItSwitchedOff) {
    bind(sceneTarget, true);
    drawCubeLogo(logo, 5.0);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_TRUE(glIsEnabled(GL_NORMALIZE));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT2));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(integerState(GL_SHADE_MODEL), GL_SMOOTH);
    EXPECT_EQ(integerState(GL_CURRENT_PROGRAM), 0);
    EXPECT_EQ(integerState(GL_TEXTURE_BINDING_2D), 0);
    EXPECT_EQ(integerState(GL_ARRAY_BUFFER_BINDING), static_cast<GLint>(logo->buffers[CROSS_BUFFER]));
    EXPECT_EQ(integerState(GL_CLIENT_ACTIVE_TEXTURE), GL_TEXTURE0);
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_NORMAL_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_COLOR_ARRAY));
    for (int unit = 0; unit < 3; ++unit) {
        glClientActiveTexture(GL_TEXTURE0 + unit);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY)) << unit;
    }
    glClientActiveTexture(GL_TEXTURE0);

    GLfloat matrix[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(matrix[i], i % 5 == 0 ? 1.0f : 0.0f) << i;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace

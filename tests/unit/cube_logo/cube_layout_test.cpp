// Which pixels of the sheet become cubes, in what order, where they start and
// what their vertices carry.
#include "demo/cube_layout.h"
#include "tests/unit/cube_logo/sheet_pixels.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

const float H = 1.0f / 256.0f;

// --- The pixel rule -------------------------------------------------------

TEST(CubePixelRule, BlueAboveGreenMakesACubeEvenWhenTransparent) {
    SheetPixels sheet;
    sheet.set(10, 245, 0, 0, 1, 0);
    LaidOutLogo laidOut(sheet);
    ASSERT_TRUE(laidOut.built);
    EXPECT_GT(laidOut.logo.cubeCount, 0);
}

TEST(CubePixelRule, OpaqueBlackMakesNoCube) {
    SheetPixels sheet;
    sheet.set(10, 245, 0, 0, 0, 255);
    LaidOutLogo laidOut(sheet);
    ASSERT_TRUE(laidOut.built);
    EXPECT_EQ(laidOut.logo.cubeCount, 0);
}

TEST(CubePixelRule, OnlyTheBottomSixteenRowsAreScanned) {
    SheetPixels sheet;
    sheet.set(20, 239, 255, 255, 255, 255);  // the glyph area above the strip
    sheet.set(21, 255, 255, 255, 255, 255);  // the strip's last row
    LaidOutLogo laidOut(sheet);
    ASSERT_EQ(laidOut.logo.cubeCount, 1);
    EXPECT_FLOAT_EQ(laidOut.logo.cubes[0]->home.x, (2 * 21 - 108) * H);
}

// --- Main cubes and depth cubes -------------------------------------------

TEST(CubeDepthColumn, GreyPixelBecomesFiveCubesInDepthOrderStartingWithTheNextPixel) {
    SheetPixels sheet;
    sheet.set(40, 250, 128, 128, 128, 255);
    sheet.set(41, 250, 255, 255, 255, 255);
    LaidOutLogo laidOut(sheet);
    ASSERT_EQ(laidOut.logo.cubeCount, 6);

    const float depths[5] = {0.0f, -H, H, -2 * H, 2 * H};
    const LogoCube* main = laidOut.logo.cubes[0];
    const LogoCube* next = laidOut.logo.cubes[5];
    EXPECT_EQ(main->heightClass, 2.0f);
    for (int n = 0; n < 5; ++n) {
        const LogoCube* cube = laidOut.logo.cubes[n];
        EXPECT_EQ(cube->home.x, main->home.x) << n;
        EXPECT_EQ(cube->home.y, main->home.y) << n;
        EXPECT_FLOAT_EQ(cube->home.z, depths[n]) << n;
        EXPECT_FLOAT_EQ(cube->colour.x, 0.5f) << n;
        if (n > 0) {
            EXPECT_EQ(cube->heightClass, 0.0f) << n;
            EXPECT_EQ(cube->startDelay, next->startDelay) << n;
        }
    }
    EXPECT_NE(main->startDelay, next->startDelay);
}

TEST(CubeDepthColumn, RedByte191IsOneWhiteCubeOfHeightClass3) {
    SheetPixels sheet;
    sheet.set(40, 250, 191, 10, 20, 30);
    LaidOutLogo laidOut(sheet);
    ASSERT_EQ(laidOut.logo.cubeCount, 1);
    const LogoCube* cube = laidOut.logo.cubes[0];
    EXPECT_EQ(cube->heightClass, 3.0f);
    const float white = 255.0f / 256.0f;
    EXPECT_EQ(cube->colour.x, white);
    EXPECT_EQ(cube->colour.y, white);
    EXPECT_EQ(cube->colour.z, white);
    EXPECT_EQ(cube->colour.w, white);
}

TEST(CubeDepthColumn, RedByte255IsOneFlatCubeOfHeightClass4WhateverGreenAndBlue) {
    SheetPixels sheet;
    sheet.set(40, 250, 255, 0, 0, 255);
    LaidOutLogo laidOut(sheet);
    ASSERT_EQ(laidOut.logo.cubeCount, 1);
    EXPECT_EQ(laidOut.logo.cubes[0]->heightClass, 4.0f);
    EXPECT_EQ(laidOut.logo.cubes[0]->home.z, 0.0f);
}

TEST(CubeDepthColumn, AFullyGreyStripGivesTheLargestPossibleCount) {
    SheetPixels sheet;
    for (int column = 0; column < 256; ++column)
        for (int row = 240; row < 256; ++row) sheet.set(column, row, 128, 128, 128, 255);
    LaidOutLogo laidOut(sheet);
    ASSERT_TRUE(laidOut.built);
    EXPECT_EQ(laidOut.logo.cubeCount, 256 * 16 * 5);
}

// --- Scan order, homes and delays -------------------------------------------

TEST(CubeScanOrder, ColumnsComeBeforeRowsWithHomesAndDelaysOfTheExamplePixels) {
    SheetPixels sheet;
    sheet.set(6, 246, 128, 128, 128, 255);  // a later column, though an earlier row
    sheet.set(3, 247, 255, 255, 255, 255);
    LaidOutLogo laidOut(sheet);
    ASSERT_EQ(laidOut.logo.cubeCount, 6);

    const LogoCube* first = laidOut.logo.cubes[0];
    EXPECT_FLOAT_EQ(first->home.x, -0.3984375f);
    EXPECT_FLOAT_EQ(first->home.y, -0.0078125f);
    EXPECT_EQ(first->home.z, 0.0f);
    EXPECT_EQ(first->startDelay, -2.0f);

    const LogoCube* second = laidOut.logo.cubes[1];
    EXPECT_FLOAT_EQ(second->home.x, -0.375f);
    EXPECT_FLOAT_EQ(second->home.y, -0.015625f);
    EXPECT_NEAR(second->startDelay, -1.9988f, 1e-6f);
}

// --- Scatter places and speeds ----------------------------------------------

float speedOf(const CubeLogo& logo, int cube) { return logo.crosses[cube * CUBE_VERTEX_COUNT].w; }

void expectFirstTwoDraws(const CubeLogo& logo) {
    ASSERT_GE(logo.cubeCount, 2);
    EXPECT_NEAR(logo.cubes[0]->scatter.x, 0.0371876f, 1e-6f);
    EXPECT_NEAR(logo.cubes[0]->scatter.y, 0.6351211f, 1e-6f);
    EXPECT_NEAR(logo.cubes[0]->scatter.z, 0.8199871f, 1e-6f);
    EXPECT_NEAR(speedOf(logo, 0), 1.0382946f, 1e-6f);
    EXPECT_NEAR(logo.cubes[1]->scatter.x, 0.5893190f, 1e-6f);
    EXPECT_NEAR(logo.cubes[1]->scatter.y, -0.9287871f, 1e-6f);
    EXPECT_NEAR(logo.cubes[1]->scatter.z, 1.5174382f, 1e-6f);
}

TEST(CubeScatter, DrawsDependOnTheCubeOrderNotOnThePixels) {
    SheetPixels whiteFirst;
    whiteFirst.set(3, 247, 255, 255, 255, 255);
    whiteFirst.set(6, 246, 128, 128, 128, 255);
    SheetPixels othersEntirely;
    othersEntirely.set(200, 255, 0, 0, 9, 0);
    othersEntirely.set(100, 240, 191, 0, 0, 0);

    LaidOutLogo first(whiteFirst);
    LaidOutLogo second(othersEntirely);
    expectFirstTwoDraws(first.logo);
    expectFirstTwoDraws(second.logo);
}

TEST(CubeScatter, EveryCubeStartsInsideTheScatterBoxWithASpeedFrom1To1_3) {
    LaidOutLogo laidOut(stripWithProgramCounts());
    for (int n = 0; n < laidOut.logo.cubeCount; ++n) {
        const Vec3& s = laidOut.logo.cubes[n]->scatter;
        ASSERT_TRUE(s.x > -1.0f && s.x < 1.0f && s.y > -1.0f && s.y < 1.0f && s.z > 0.0f && s.z <= 2.0f) << n;
        float speed = speedOf(laidOut.logo, n);
        ASSERT_TRUE(speed >= 1.0f && speed < 1.3f) << n;
    }
}

// --- Vertex arrays --------------------------------------------------------

TEST(CubeVertexArrays, EveryVertexOfACubeCarriesTheCubesValues) {
    LaidOutLogo laidOut(stripWithProgramCounts());
    const CubeLogo& logo = laidOut.logo;
    for (int n = 0; n < logo.cubeCount; n += 97) {
        const LogoCube& cube = *logo.cubes[n];
        Vec3 crossed;
        cross(&crossed, cube.home, cube.scatter);
        for (int v = n * CUBE_VERTEX_COUNT; v < (n + 1) * CUBE_VERTEX_COUNT; ++v) {
            ASSERT_EQ(logo.positions[v].w, static_cast<float>(n));
            ASSERT_EQ(logo.colours[v].x, cube.colour.x);
            ASSERT_EQ(logo.colours[v].w, cube.colour.w);
            ASSERT_EQ(logo.homes[v].x, cube.home.x);
            ASSERT_EQ(logo.homes[v].y, cube.home.y);
            ASSERT_EQ(logo.homes[v].z, cube.home.z);
            ASSERT_EQ(logo.homes[v].w, cube.startDelay);
            ASSERT_EQ(logo.scatters[v].x, cube.scatter.x);
            ASSERT_EQ(logo.scatters[v].z, cube.scatter.z);
            ASSERT_EQ(logo.scatters[v].w, cube.heightClass);
            ASSERT_EQ(logo.crosses[v].x, crossed.x);
            ASSERT_EQ(logo.crosses[v].y, crossed.y);
            ASSERT_EQ(logo.crosses[v].z, crossed.z);
        }
    }
}

TEST(CubeVertexArrays, SixFacesLieOnTheSidesTheirNormalsPointTo) {
    CubeLogo logo{};
    logo.cubeHalfSize = H;
    Vec4 positions[CUBE_VERTEX_COUNT];
    Vec3 normals[CUBE_VERTEX_COUNT];
    Vec4 colours[CUBE_VERTEX_COUNT];
    logo.positions = positions;
    logo.normals = normals;
    logo.colours = colours;
    ASSERT_EQ(appendCubeGeometry(&logo, 0, 7, Vec4(0.25f, 0.5f, 0.75f, 1.0f)), CUBE_VERTEX_COUNT);

    std::set<std::tuple<float, float, float>> corners;
    std::set<std::tuple<float, float, float>> faceNormals;
    for (int v = 0; v < CUBE_VERTEX_COUNT; ++v) {
        const Vec4& p = positions[v];
        const Vec3& n = normals[v];
        EXPECT_EQ(n.x, normals[v / 4 * 4].x) << v;  // one normal per face
        EXPECT_EQ(n.y, normals[v / 4 * 4].y) << v;
        EXPECT_EQ(n.z, normals[v / 4 * 4].z) << v;
        EXPECT_FLOAT_EQ(p.x * n.x + p.y * n.y + p.z * n.z, H) << v;  // on the face's side
        EXPECT_EQ(p.w, 7.0f) << v;
        EXPECT_EQ(colours[v].y, 0.5f) << v;
        corners.insert(std::make_tuple(p.x, p.y, p.z));
        faceNormals.insert(std::make_tuple(n.x, n.y, n.z));
    }
    EXPECT_EQ(corners.size(), 8u);
    EXPECT_EQ(faceNormals.size(), 6u);
}

TEST(CubeVertexArrays, TwentyFourIndicesPerCubeCountingUp) {
    LaidOutLogo laidOut(stripWithProgramCounts());
    int indexCount = laidOut.logo.cubeCount * CUBE_VERTEX_COUNT;
    ASSERT_EQ(indexCount, 73632);
    for (int i = 0; i < indexCount; ++i) ASSERT_EQ(laidOut.logo.indices[i], static_cast<uint32_t>(i));
}

}  // namespace

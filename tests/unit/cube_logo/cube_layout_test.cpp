// Which pixels of the sheet become cubes, in what order, where they start and
// what their vertices carry.
#include "demo/logo/cube_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const float H = 1.0f / 256.0f;

// A logo laid out from a sheet that is black and transparent but for the given pixels.
struct Laid {
    struct Pixel {
        int column, row;
        uint8_t rgba[4];
    };
    explicit Laid(std::vector<Pixel> pixels) {
        std::vector<uint8_t> sheet(256 * 256 * 4, 0);
        for (const Pixel& p : pixels)
            for (int c = 0; c < 4; ++c) sheet[(p.row * 256 + p.column) * 4 + c] = p.rgba[c];
        EXPECT_EQ(layOutCubes(&logo, sheet.data()), 1);
    }
    ~Laid() { releaseCubeLayout(&logo); }
    CubeLogo logo{};
};

// Any of R, G non-zero or B above G makes a cube, alpha aside; only the
// strip's 16 rows are read. R = 255: one flat white cube; R = 191: one cube
// drawn white; any other: a main cube and four depth cubes at z -H, H, -2H, 2H.
TEST(CubeLayout, WhichPixelsBecomeWhichCubes) {
    const struct {
        Laid::Pixel pixel;
        int count;
        float heightClass, colour;
    } cases[] = {
        {{10, 245, {0, 0, 1, 0}}, 5, 2.0f, 0.0f},           {{10, 245, {0, 0, 0, 255}}, 0, 0.0f, 0.0f},
        {{10, 239, {255, 255, 255, 255}}, 0, 0.0f, 0.0f},    {{21, 255, {255, 0, 0, 255}}, 1, 4.0f, 255 / 256.0f},
        {{40, 250, {191, 10, 20, 30}}, 1, 3.0f, 255 / 256.0f}, {{40, 250, {128, 128, 128, 255}}, 5, 2.0f, 0.5f},
    };
    for (const auto& c : cases) {
        Laid laid({c.pixel});
        ASSERT_EQ(laid.logo.cubeCount, c.count) << c.pixel.row << ", " << int(c.pixel.rgba[0]);
        if (c.count == 0) continue;
        const float depths[5] = {0.0f, -H, H, -2 * H, 2 * H};
        for (int n = 0; n < c.count; ++n) {
            const LogoCube* cube = laid.logo.cubes[n];
            EXPECT_EQ(cube->heightClass, n == 0 ? c.heightClass : 0.0f) << n;
            EXPECT_FLOAT_EQ(cube->home.x, (2 * c.pixel.column - 108) * H) << n;
            EXPECT_FLOAT_EQ(cube->home.z, depths[n]) << n;
            EXPECT_EQ(cube->colour.x, c.colour) << n;
            EXPECT_FLOAT_EQ(cube->startDelay, n == 0 ? -2.0f : -1.9988f) << "depth cubes start with the next pixel";
        }
    }
}

// Columns before rows; homes about column 54, row 248; delays 0.0012 apart;
// scatter places and speeds drawn in cube order, whatever the pixels; the
// flight's turn axis.
TEST(CubeLayout, ScanOrderHomesDelaysAndScatterDraws) {
    Laid laid({{6, 246, {255, 255, 255, 255}}, {3, 247, {255, 0, 0, 0}}});
    ASSERT_EQ(laid.logo.cubeCount, 2);
    const LogoCube &first = *laid.logo.cubes[0], &second = *laid.logo.cubes[1];
    const float values[][2] = {{first.home.x, -0.3984375f},     {first.home.y, -0.0078125f},
                               {second.home.x, -0.375f},         {second.home.y, -0.015625f},
                               {second.startDelay, -1.9988f},    {first.scatter.x, 0.0371876f},
                               {first.scatter.y, 0.6351211f},    {first.scatter.z, 0.8199871f},
                               {laid.logo.crosses[0].w, 1.0382946f}, {second.scatter.z, 1.5174382f},
                               // home x scatter, worked out from the values above
                               {laid.logo.crosses[0].x, -0.0064061f}, {laid.logo.crosses[0].y, 0.3267136f},
                               {laid.logo.crosses[0].z, -0.2527655f}};
    for (const auto& v : values) EXPECT_NEAR(v[0], v[1], 1e-6f) << &v - values;
}

// Each cube's 24 vertices: six faces on the sides their normals point to,
// the cube number in w, and the cube's own values in every set; indices count up.
TEST(CubeLayout, EveryVertexCarriesItsCubesValues) {
    Laid laid({{40, 250, {128, 128, 128, 255}}, {41, 250, {255, 255, 255, 255}}});
    const CubeLogo& logo = laid.logo;
    ASSERT_EQ(logo.cubeCount, 6);
    for (int n = 0; n < logo.cubeCount; ++n) {
        const LogoCube& cube = *logo.cubes[n];
        float faces[3] = {0, 0, 0};  // two faces of four corners across each axis
        Vec3 crossed;
        cross(&crossed, cube.home, cube.scatter);
        for (int v = n * CUBE_VERTEX_COUNT; v < (n + 1) * CUBE_VERTEX_COUNT; ++v) {
            const Vec4& p = logo.positions[v];
            const Vec3& normal = logo.normals[v];
            EXPECT_FLOAT_EQ(p.x * normal.x + p.y * normal.y + p.z * normal.z, H) << v;
            faces[0] += std::fabs(normal.x), faces[1] += std::fabs(normal.y), faces[2] += std::fabs(normal.z);
            EXPECT_TRUE(p.w == n && logo.colours[v].x == cube.colour.x && logo.homes[v].x == cube.home.x &&
                        logo.homes[v].z == cube.home.z && logo.homes[v].w == cube.startDelay &&
                        logo.scatters[v].y == cube.scatter.y && logo.scatters[v].w == cube.heightClass &&
                        logo.crosses[v].x == crossed.x && logo.crosses[v].z == crossed.z) << v;
            EXPECT_EQ(logo.indices[v], static_cast<uint32_t>(v));
        }
        EXPECT_TRUE(faces[0] == 8 && faces[1] == 8 && faces[2] == 8) << n;
    }
}

}  // namespace

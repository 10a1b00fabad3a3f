// The flight of a cube and the logo's placement, as the vertex program and
// the draw work them out from the clock.
#include "demo/cube_flight.h"
#include "demo/cube_layout.h"
#include "tests/unit/cube_logo/sheet_pixels.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct CubeValues {
    float startDelay, speed, number;
};

CubeValues valuesOf(const CubeLogo& logo, int cube) {
    return CubeValues{logo.cubes[cube]->startDelay, logo.crosses[cube * CUBE_VERTEX_COUNT].w, static_cast<float>(cube)};
}

// The flight worked out independently, in double precision.
void expectFlight(const CubeValues& cube, double clock) {
    double progress = std::min(1.0, (clock - cube.startDelay / 2.0) * 0.1 * cube.speed);
    CubeFlight flight = cubeFlightAt(static_cast<float>(clock), cube.startDelay, cube.speed, cube.number);
    EXPECT_NEAR(flight.progress, progress, 1e-5) << "clock " << clock;
    EXPECT_NEAR(flight.spinAngle, (1.0 - progress) * cube.number * 0.004, 1e-4) << "clock " << clock;
    EXPECT_NEAR(flight.scale, 1.0 + 2.0 * (1.0 - progress), 1e-5) << "clock " << clock;
}

class CubeFlightOfTheStrip : public ::testing::Test {
protected:
    LaidOutLogo laidOut{stripWithProgramCounts()};
};

TEST_F(CubeFlightOfTheStrip, FirstCubeStartsNearlyThreeTimesItsSizeUnspunAndLandsByClock10) {
    ASSERT_EQ(laidOut.logo.cubeCount, 3068);
    CubeValues first = valuesOf(laidOut.logo, 0);
    CubeFlight atStart = cubeFlightAt(0.0f, first.startDelay, first.speed, first.number);
    EXPECT_NEAR(atStart.progress, 0.1038, 1e-4);
    EXPECT_NEAR(atStart.scale, 2.79, 0.005);
    EXPECT_EQ(atStart.spinAngle, 0.0f);
    for (double clock : {0.0, 5.0, 10.0}) expectFlight(first, clock);
    EXPECT_EQ(cubeFlightAt(10.0f, first.startDelay, first.speed, first.number).progress, 1.0f);
}

TEST_F(CubeFlightOfTheStrip, LastCubeStartsLateSpinningFastAndLandsByClock10) {
    ASSERT_EQ(laidOut.logo.cubeCount, 3068);
    CubeValues last = valuesOf(laidOut.logo, 3067);
    CubeFlight atStart = cubeFlightAt(0.0f, last.startDelay, last.speed, last.number);
    EXPECT_GT(atStart.progress, 0.041f);
    EXPECT_LT(atStart.progress, 0.129f);
    EXPECT_GT(atStart.spinAngle, 11.0f);
    for (double clock : {0.0, 5.0, 10.0}) expectFlight(last, clock);
    CubeFlight landed = cubeFlightAt(10.0f, last.startDelay, last.speed, last.number);
    EXPECT_EQ(landed.progress, 1.0f);
    EXPECT_EQ(landed.spinAngle, 0.0f);
    EXPECT_EQ(landed.scale, 1.0f);
}

TEST_F(CubeFlightOfTheStrip, EveryCubeIsHomeUnspunAndTrueSizeBy9_6s) {
    for (int n = 0; n < laidOut.logo.cubeCount; ++n) {
        CubeValues cube = valuesOf(laidOut.logo, n);
        CubeFlight flight = cubeFlightAt(9.6f, cube.startDelay, cube.speed, cube.number);
        ASSERT_EQ(flight.progress, 1.0f) << n;
        ASSERT_EQ(flight.spinAngle, 0.0f) << n;
        ASSERT_EQ(flight.scale, 1.0f) << n;
    }
}

TEST(CubeFlight, BeforeItsStartACubeWaitsAtProgress0ThreeTimesItsSize) {
    CubeFlight waiting = cubeFlightAt(-5.0f, -0.81f, 1.2f, 3067.0f);
    EXPECT_EQ(waiting.progress, 0.0f);
    EXPECT_EQ(waiting.scale, 3.0f);
    EXPECT_NEAR(waiting.spinAngle, 12.268f, 1e-4f);
}

// --- The whole logo ---------------------------------------------------------

TEST(LogoPlacement, StartsUnturnedAtTheOrigin) {
    LogoPlacement start = logoPlacementAt(0.0f);
    EXPECT_EQ(start.rise, 0.0f);
    EXPECT_EQ(start.turnAngle, 0.0f);
}

TEST(LogoPlacement, HalfTurnedAboutUpAndRisenAtClock5) {
    LogoPlacement middle = logoPlacementAt(5.0f);
    EXPECT_FLOAT_EQ(middle.rise, 0.15f);
    EXPECT_FLOAT_EQ(middle.turnAngle, 180.0f);
    EXPECT_GT(middle.turnAxisY, 0.0f);
}

TEST(LogoPlacement, TurnIsCompleteAndRiseStopsAtClock10) {
    LogoPlacement end = logoPlacementAt(10.0f);
    EXPECT_EQ(end.rise, 0.29999998f);
    EXPECT_FLOAT_EQ(end.turnAngle, 360.0f);
    EXPECT_EQ(end.turnAxisY, 0.0f);
    LogoPlacement after = logoPlacementAt(10.5f);
    EXPECT_EQ(after.rise, 0.29999998f);
    EXPECT_EQ(after.turnAngle, 0.0f);
    EXPECT_EQ(after.turnAxisY, 0.0f);
    EXPECT_GT(logoPlacementAt(9.999f).turnAxisY, 0.0f);
}

}  // namespace

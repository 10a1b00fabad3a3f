#include "demo/cube_flight.h"

namespace {

float clampUnit(float value) { return value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value); }

}  // namespace

CubeFlight cubeFlightAt(float time, float startDelay, float speed, float cubeNumber) {
    float startTime = 0.5f * startDelay;
    float progress = clampUnit((time - startTime) * 0.1f * speed);
    float remaining = 1.0f - progress;
    CubeFlight flight;
    flight.progress = progress;
    // Later cubes spin faster, so the swarm does not turn as one block.
    flight.spinAngle = remaining * cubeNumber * 0.004f;
    flight.scale = 1.0f + 2.0f * remaining;
    return flight;
}

Vec3 flightCentre(const Vec3& home, const Vec3& scatter, float progress) {
    return Vec3(scatter.x + (home.x - scatter.x) * progress, scatter.y + (home.y - scatter.y) * progress,
                scatter.z + (home.z - scatter.z) * progress);
}

LogoPlacement logoPlacementAt(float t) {
    LogoPlacement placement;
    // 0.29999998 is the single-precision 10 x 0.03: the rise ends where it got to.
    placement.rise = t < 10.0f ? 0.03f * t : 0.29999998f;
    // The axis (0, 10 - t, 0) points up for every t below 10; at 10 the turn is
    // exactly one revolution, which equals none.
    placement.turnAngle = t <= 10.0f ? 36.0f * t : 0.0f;
    placement.turnAxisY = t <= 10.0f ? 10.0f - t : 0.0f;
    return placement;
}

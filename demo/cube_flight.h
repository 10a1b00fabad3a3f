// Where the logo and its cubes are at a given clock: the placement that
// drawCubeLogo sends, and a processor copy of the vertex program's flight
// formulas (cube_logo.vert) for tests and oracles.
#pragma once

#include "gfx/vec.h"

// One cube's flight at a clock.
struct CubeFlight {
    float progress;   // 0 at the scatter place, 1 at home
    float spinAngle;  // radians about x and y; 0 at home
    float scale;      // 3 at the start, 1 at home: size and distance from the origin
};

// As the vertex program computes it, in single precision, from the values the
// cube's vertices carry (startDelay in set 0, speed in set 2, the cube number
// in the position's w).
CubeFlight cubeFlightAt(float time, float startDelay, float speed, float cubeNumber);

// The cube's centre before the scale: scatter blended towards home.
Vec3 flightCentre(const Vec3& home, const Vec3& scatter, float progress);

// The whole logo's placement: glTranslatef(0, rise, -1.5), then
// glRotatef(turnAngle, 0, turnAxisY, 0). One turn about +y in ten seconds.
struct LogoPlacement {
    float rise;
    float turnAngle;  // degrees
    float turnAxisY;
};

LogoPlacement logoPlacementAt(float t);

// The logo's transform chain, the projection and the logo's lighting worked
// out on the processor in double precision: where a point of a landed cube
// appears in a 1109 x 693 picture, and what colour the fragment program gives it.
#pragma once

struct Point3 {
    double x, y, z;
};

struct Rgb {
    double r, g, b;
};

// A point as the vertex program puts it out (flight, spin and scale applied) in
// eye space at clock t: translate (0, 0.16, 0), turn 135 degrees about x, the
// logo's turn about y, its rise and its distance. Normals only turn.
Point3 logoPointInEyeSpace(const Point3& model, float t);
Point3 logoNormalInEyeSpace(const Point3& model, float t);

// The window pixel (column, row from the bottom) that an eye-space point falls on,
// under the 30-degree perspective.
void eyeToPixel(const Point3& eye, int width, int height, int* column, int* row);

// The three lights on the material (1, 0.1, 0.2), with vertex colour `grey`,
// at eye position `eye` with unit normal `normal`, clamped as the output is.
Rgb litColour(const Point3& eye, const Point3& normal, double grey);

#include "tests/gl/cube_logo/logo_oracle.h"

#include "demo/cube_flight.h"

#include <algorithm>
#include <cmath>

namespace {

const double PI = 3.14159265358979323846;
const double MATERIAL[3] = {1.0, 0.1, 0.2};

// The three lights as the logo should be lit: eye-space position, ambient, diffuse.
struct Light {
    double position[3], ambient[3], diffuse[3];
};
const Light LIGHTS[3] = {
    {{5, 5, 0}, {0.2, 0.8, 0}, {0.2, 0.8, 0.2}},
    {{0, 5, 0}, {0, 0.5, 0}, {0, 0.8, 0.2}},
    {{0, -5, 0}, {0.1, 0.8, 0}, {0.1, 1, 0}},
};

double radians(double degrees) { return degrees * PI / 180.0; }

Point3 turnAboutX(const Point3& p, double degrees) {
    double c = std::cos(radians(degrees)), s = std::sin(radians(degrees));
    return Point3{p.x, p.y * c - p.z * s, p.y * s + p.z * c};
}

Point3 turnAboutY(const Point3& p, double degrees) {
    double c = std::cos(radians(degrees)), s = std::sin(radians(degrees));
    return Point3{p.x * c + p.z * s, p.y, -p.x * s + p.z * c};
}

// The logo's own turn: about +y while the axis (0, 10 - t, 0) points up.
double logoTurn(float t) {
    LogoPlacement placement = logoPlacementAt(t);
    return placement.turnAxisY > 0.0f ? placement.turnAngle : 0.0;
}

Point3 unit(const Point3& p) {
    double length = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
    return Point3{p.x / length, p.y / length, p.z / length};
}

double clampUnit(double value) { return std::min(1.0, std::max(0.0, value)); }

}  // namespace

Point3 logoPointInEyeSpace(const Point3& model, float t) {
    Point3 p = turnAboutY(turnAboutX(Point3{model.x, model.y + 0.16, model.z}, 135.0), logoTurn(t));
    return Point3{p.x, p.y + logoPlacementAt(t).rise, p.z - 1.5};
}

Point3 logoNormalInEyeSpace(const Point3& model, float t) { return turnAboutY(turnAboutX(model, 135.0), logoTurn(t)); }

void eyeToPixel(const Point3& eye, int width, int height, int* column, int* row) {
    double halfHeight = std::tan(radians(15.0));
    double aspect = static_cast<double>(width) / height;
    double ndcX = eye.x / -eye.z / (halfHeight * aspect);
    double ndcY = eye.y / -eye.z / halfHeight;
    *column = static_cast<int>(std::floor((ndcX + 1.0) * 0.5 * width));
    *row = static_cast<int>(std::floor((ndcY + 1.0) * 0.5 * height));
}

Rgb litColour(const Point3& eye, const Point3& normal, double grey) {
    double sum[3] = {0.0, 0.0, 0.0};
    for (const Light& light : LIGHTS) {
        Point3 toLight = unit(Point3{light.position[0] - eye.x, light.position[1] - eye.y, light.position[2] - eye.z});
        double facing = std::max(0.0, normal.x * toLight.x + normal.y * toLight.y + normal.z * toLight.z);
        for (int c = 0; c < 3; ++c) {
            double ambient = light.ambient[c] * MATERIAL[c];
            double diffuse = clampUnit((grey * 0.5 + light.diffuse[c] * MATERIAL[c] * 0.5) * facing);
            sum[c] += ambient + diffuse;  // the material has no specular colour
        }
    }
    return Rgb{clampUnit(sum[0]), clampUnit(sum[1]), clampUnit(sum[2])};
}

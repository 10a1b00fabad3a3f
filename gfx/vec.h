// Small vectors stored inside vertex arrays, and their helpers.
#pragma once

struct Vec3 {
    float x, y, z;
    Vec3() = default;
    Vec3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
};

struct Vec4 {
    float x, y, z, w;
    Vec4() = default;
    Vec4(float x_, float y_, float z_, float w_) : x(x_), y(y_), z(z_), w(w_) {}
};

// result = a x b; result may be a or b itself.
void cross(Vec3* result, const Vec3& a, const Vec3& b);

// In place, in single precision: s = x*x + y*y, len = sqrt(s), both rounded to
// float, then each component times 1 / len. A zero vector stays zero.
void normalize2(float* v);
void normalize3(float* v);

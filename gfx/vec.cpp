#include "gfx/vec.h"

#include <cmath>

void cross(Vec3* result, const Vec3& a, const Vec3& b) {
    // Computed into locals first, so that result may be a or b.
    float x = a.y * b.z - a.z * b.y;
    float y = a.z * b.x - a.x * b.z;
    float z = a.x * b.y - a.y * b.x;
    *result = Vec3(x, y, z);
}

namespace {

// Every step rounds to float, so that the gradient tables built from these
// come out the same on every machine.
void normalize(float* v, int componentCount) {
    float sumOfSquares = 0.0f;
    for (int i = 0; i < componentCount; ++i) sumOfSquares += v[i] * v[i];
    float length = std::sqrt(sumOfSquares);
    // A zero vector has no direction; it stays zero rather than turning into NaNs.
    if (length == 0.0f) return;
    float reciprocal = 1.0f / length;
    for (int i = 0; i < componentCount; ++i) v[i] *= reciprocal;
}

}  // namespace

void normalize2(float* v) { normalize(v, 2); }

void normalize3(float* v) { normalize(v, 3); }

#include "synth/synth_math.h"

#include <cmath>

double pow2(double x) {
    // Beyond +-2048 the result is 0 or infinity in double anyway; the bounds
    // keep the exponent inside an int (and let a NaN through unchanged).
    if (x != x) return x;
    if (x < -2048.0) return 0.0;
    if (x > 2048.0) return HUGE_VAL;
    const double whole = std::floor(x);
    return std::ldexp(std::exp2(x - whole), static_cast<int>(whole));
}

double fractionalPart(double x) { return x - std::floor(x); }

double shapeCurve(double p) {
    const double k = 2.0 * p - 1.0;
    return 2.0 * k / (1.0 - k);
}

double shapeWithCurve(double x, double curve) {
    if (x > 1.0) x = 1.0;
    if (x < -1.0) x = -1.0;
    return x * (1.0 + curve) / (1.0 + curve * std::fabs(x));
}

double shape(double x, double p) { return shapeWithCurve(x, shapeCurve(p)); }

double nextNoise(int32_t& seed) {
    const uint32_t next = static_cast<uint32_t>(seed) * NOISE_MULTIPLIER;
    seed = static_cast<int32_t>(next);
    return static_cast<double>(seed) / NOISE_DIVISOR;
}

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

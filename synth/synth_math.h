// The arithmetic every unit shares. Values in flight are doubles; the float
// constants are exactly the single-precision values the instruments were
// tuned with.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

// A parameter byte b means b / 128 (64 is 0.5, 128 is 1.0).
inline constexpr float PARAM_SCALE = 0.0078125f;
// Semitones to octaves: the float nearest 1/12 (bits 3DAAAAAA).
inline constexpr float SEMITONE_OCTAVES = 0x1.555554p-4f;
// Phase increment per frame at 0 semitones: audio (bits 38C265DC) and
// low-frequency oscillators (bits 38299C67).
inline constexpr float AUDIO_PHASE_STEP = 0x1.84cbb8p-14f;
inline constexpr float LFO_PHASE_STEP = 0x1.5338cep-15f;
// Envelope rates are pow2(-ENVELOPE_RATE_SCALE * p).
inline constexpr double ENVELOPE_RATE_SCALE = 24.0;
inline constexpr uint32_t NOISE_MULTIPLIER = 16007u;
inline constexpr double NOISE_DIVISOR = -2147483648.0;
inline constexpr double DC_BLOCKER_COEFFICIENT = 0.99609375;  // 255/256
inline constexpr double TWO_PI = 2.0 * 3.14159265358979323846;

// Two values side by side, left and right, that go through the same
// operations: one vector operation does both, each exactly as it would alone
// (where the processor has no vectors, the compiler does them one by one).
typedef double DoublePair __attribute__((vector_size(16)));

// Two neighbouring floats in memory, as doubles side by side; and two doubles
// written there, each rounded to a float. With SSE2, one conversion does both.
inline DoublePair floatPairAt(const void* floats) {
#ifdef __SSE2__
    return _mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(static_cast<const __m128i*>(floats))));
#else
    float pair[2];
    std::memcpy(pair, floats, sizeof pair);
    return DoublePair{pair[0], pair[1]};
#endif
}
inline void setFloatPairAt(void* floats, DoublePair values) {
#ifdef __SSE2__
    _mm_storel_epi64(static_cast<__m128i*>(floats), _mm_castps_si128(_mm_cvtpd_ps(values)));
#else
    const float pair[2] = {static_cast<float>(values[0]), static_cast<float>(values[1])};
    std::memcpy(floats, pair, sizeof pair);
#endif
}
#ifdef __SSE2__
// Two doubles, each rounded to a float and back; two floats from anywhere, as
// doubles side by side. (Without SSE2, pairs are taken one value at a time.)
inline DoublePair roundedToFloats(DoublePair values) { return _mm_cvtps_pd(_mm_cvtpd_ps(values)); }
inline DoublePair floatsAsPair(float left, float right) {
    return _mm_cvtps_pd(_mm_unpacklo_ps(_mm_set_ss(left), _mm_set_ss(right)));
}
#endif

// For the units the song's routines call with a unit's constant choices (its
// waveform, its filter outputs, its line count): inlined into every call,
// whatever the compiler's size limits say, so that those constants fold.
#define UNIT_INLINE inline __attribute__((always_inline))

// 2 to the power x for any sign of x: the exact power of two of floor(x) times
// 2 to the fractional part.
double pow2(double x);

// x - floor(x), in [0, 1) for finite x. The oscillators call it on a phase
// plus something plus 1, nearly always in [1, 2) and else mostly in [2, 3):
// there floor(x) is 1 or 2, x - 1 is exact, and so is the subtraction, without
// the slow conversions of a floor. x - 1 lies in [0, 1) exactly when x lies
// in [1, 2), and in [1, 2) exactly when x lies in [2, 3).
inline double fractionalPart(double x) {
    const double r = x - 1.0;
    if (__builtin_expect(r >= 0.0 && r < 1.0, 1)) return r;
    if (r >= 1.0 && r < 2.0) return r - 1.0;
    return x - std::floor(x);
}

// fractionalPart(x) for x known to lie in [1, 3): x - 1 or x - 2, both exact.
inline double fractionalPartFromOneToThree(double x) {
    const double r = x - 1.0;
    return r < 1.0 ? r : r - 1.0;
}

// sin(2 pi q) for q in [0, 1), to within 1e-15: folded exactly into a
// quarter turn either side of 0 and summed as the sine series up to x^21.
// Twice as fast as the library's sine, which the oscillators would otherwise
// spend a fifth of the render in; exactly 0 and +-1 at the half and quarter turns.
inline double sineOfTurns(double q) {
    double r = q;
    if (q > 0.25) r = q < 0.75 ? 0.5 - q : q - 1.0;  // both exact in this range
    const double x = TWO_PI * r;
    const double x2 = x * x;
    double p = 1.0 / 51090942171709440000.0;  // 1/21!
    p = p * x2 - 1.0 / 121645100408832000.0;
    p = p * x2 + 1.0 / 355687428096000.0;
    p = p * x2 - 1.0 / 1307674368000.0;
    p = p * x2 + 1.0 / 6227020800.0;
    p = p * x2 - 1.0 / 39916800.0;
    p = p * x2 + 1.0 / 362880.0;
    p = p * x2 - 1.0 / 5040.0;
    p = p * x2 + 1.0 / 120.0;
    p = p * x2 - 1.0 / 6.0;  // -1/3!
    return x + x * x2 * p;
}

// The waveshaper: clamp x to [-1, 1], then bend it with drive p. p = 0.5 is the
// identity, above bends towards a square, below flattens. Split in two so a
// unit can work out the curve once: shape(x, p) == shapeWithCurve(x, shapeCurve(p)).
constexpr double shapeCurve(double p) {
    const double k = 2.0 * p - 1.0;
    return 2.0 * k / (1.0 - k);
}
inline double shapeWithCurve(double x, double curve) {
    if (__builtin_expect(x > 1.0, 0)) x = 1.0;
    if (__builtin_expect(x < -1.0, 0)) x = -1.0;
    // Drive 0.5 (curve 0) is x * 1 / 1, exactly x: spare the division.
    if (curve == 0.0) return x;
    return x * (1.0 + curve) / (1.0 + curve * std::fabs(x));
}
inline double shape(double x, double p) { return shapeWithCurve(x, shapeCurve(p)); }

// Advances the shared noise seed (x 16007, wrapping in 32 bits) and returns it
// divided by -2^31: a value in (-1, 1].
inline double nextNoise(int32_t& seed) {
    seed = static_cast<int32_t>(static_cast<uint32_t>(seed) * NOISE_MULTIPLIER);
    return static_cast<double>(seed) / NOISE_DIVISOR;
}

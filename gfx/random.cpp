#include "gfx/random.h"

#include <cstring>

namespace {

uint32_t step(uint32_t* state) {
    *state = *state * 214013u + 2531011u;
    return *state;
}

int32_t inRange(uint32_t* state, int32_t lo, int32_t hi) {
    int32_t draw = nextInt(state);
    // The span is taken in 64 bits so that no pair of bounds overflows; for
    // every span that fits 32 bits this is the plain signed remainder.
    int64_t span = static_cast<int64_t>(hi) - lo + 1;
    return static_cast<int32_t>(lo + draw % span);
}

}  // namespace

Random* clear(Random* random) {
    random->state = 0;
    return random;
}

Random* seed(Random* random, uint32_t value) {
    random->state = value;
    return random;
}

int32_t nextInt(uint32_t* state) { return static_cast<int32_t>((step(state) >> 16) & 0x7FFF); }

int32_t nextInRange(Random* random, int32_t lo, int32_t hi) { return inRange(&random->state, lo, hi); }

float nextUnit(Random* random) {
    // The top 23 bits become the mantissa of a float in [1, 2): no conversion,
    // and the subtraction of 1 is exact.
    uint32_t bits = (step(&random->state) >> 9) | 0x3F800000u;
    float oneToTwo;
    std::memcpy(&oneToTwo, &bits, sizeof oneToTwo);
    return oneToTwo - 1.0f;
}

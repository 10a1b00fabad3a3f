// The deterministic generators behind every random quantity of the pictures:
// a 32-bit linear congruential recurrence with fixed seeds.
#pragma once

#include <cstdint>

struct Random {
    uint32_t state;
};

Random* clear(Random* random);                 // state := 0
Random* seed(Random* random, uint32_t value);  // state := value

// Advances the state word once; returns bits 16..30 of the new state (0..32767).
int32_t nextInt(uint32_t* state);
// lo + (nextInt mod (hi - lo + 1)); needs lo <= hi.
int32_t nextInRange(Random* random, int32_t lo, int32_t hi);
// A float in [0, 1) from the top 23 bits of the advanced state.
float nextUnit(Random* random);

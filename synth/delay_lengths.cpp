#include "synth/song.h"

const uint16_t delayLengths[DELAY_LENGTH_COUNT] = {
    // Left reverb combs.
    1116, 1188, 1276, 1356, 1422, 1492, 1556, 1618,
    // Right reverb combs, each 24 samples longer than its partner.
    1140, 1212, 1300, 1380, 1446, 1516, 1580, 1642,
    // Echoes of 2, 4 and 8 rows (the last one sample longer).
    12364, 24728, 49457,
};

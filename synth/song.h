// The song format: five read-only byte tables and the engine's fixed sizes.
#pragma once

#include <cstdint>

enum : int32_t {
    SAMPLE_RATE = 44100,
    TRACK_COUNT = 12,          // one instrument and one monophonic voice each
    VOICE_COUNT = 13,          // the tracks, then the master
    ROWS_PER_PATTERN = 16,
    ORDER_POSITIONS = 76,      // per track
    SONG_ROWS = 1216,          // 76 x 16
    SAMPLES_PER_ROW = 6182,    // about 140.18 ms
    SONG_FRAMES = 7517312,     // 1216 x 6182, about 170.46 s
    DELAY_LENGTH_COUNT = 19,
    NOTE_TRACE_BLOCK = 256,    // sample frames per noteTrace row
    NOTE_TRACE_ROWS = 29365,   // ceil(SONG_FRAMES / 256)
    NOTE_TRACE_ENTRIES = 32,   // entry 2t holds track t's note word
};

// Unit opcodes of the unit stream; 0 ends an instrument's list.
enum : uint8_t {
    OP_END = 0,
    OP_ENVELOPE = 1,
    OP_OSCILLATOR = 2,
    OP_FILTER = 3,
    OP_SHAPER = 4,
    OP_DELAY = 5,
    OP_STACK = 6,
    OP_STORE = 7,
    OP_PAN = 8,
    OP_OUTPUT = 9,
    OP_MIX = 10,
    OP_STORE_REMOTE = 11,
};

struct Song {
    const uint8_t* patterns;     // patternCount x 16 note bytes
    int32_t patternCount;
    const uint8_t* orderList;    // TRACK_COUNT x ORDER_POSITIONS pattern numbers
    const uint8_t* unitStream;   // VOICE_COUNT lists of opcodes, each ended by OP_END
    int32_t unitStreamSize;
    const uint8_t* paramStream;  // every unit's parameter bytes, in unit order
    int32_t paramStreamSize;
    const uint16_t* delayLengths;  // DELAY_LENGTH_COUNT lengths in samples
};

// The delay lengths every song uses: two banks of comb lengths for the stereo
// reverb, then echoes of 2, 4 and 8 rows.
extern const uint16_t delayLengths[DELAY_LENGTH_COUNT];

// The song the demo plays, compiled in.
extern const Song demoSong;

// The song format: five read-only byte tables and the engine's fixed sizes.
#pragma once

#include "synth/unit_kinds.h"

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
    MASTER_VOICE = 12,         // the voice record of the master instrument
    MAX_UNITS = 32,            // unit slots of a voice: the most units one list holds
};

// The voice area: VOICE_COUNT records of VOICE_WORDS 32-bit words, one block.
// OP_STORE addresses words of a record's unit area, OP_STORE_REMOTE bytes of
// the whole area, so this layout is part of the song format.
enum : int32_t {
    VOICE_WORDS = 262,
    VOICE_BYTES = VOICE_WORDS * 4,              // 1048
    VOICE_AREA_WORDS = VOICE_COUNT * VOICE_WORDS,
    VOICE_AREA_BYTES = VOICE_AREA_WORDS * 4,    // 13,624
    WORD_RELEASE_COUNT = 0,  // signed: 0 while held, +1 on every release row
    WORD_NOTE = 1,           // signed: the note playing; 0 = silent
    WORD_FIRST_SLOT = 2,     // unit u owns words 2 + 8u to 9 + 8u
    SLOT_WORDS = 8,
    UNIT_AREA_WORDS = MAX_UNITS * SLOT_WORDS,   // 256, cleared by a note-on
    WORD_SEND_LEFT = 258,
    WORD_SEND_RIGHT = 259,
    WORD_MAIN_LEFT = 260,
    WORD_MAIN_RIGHT = 261,
};

// The signal stack and the delay pool.
enum : int32_t {
    STACK_DEPTH = 8,
    DELAY_POOL_LINES = 468,
    DELAY_LINE_SAMPLES = 65536,
    STEREO_POOL_LINES = 8,  // for lines that a song's routine runs in pairs
};

// Unit opcodes of the unit stream (synth/unit_kinds.h); 0 ends an
// instrument's list. What each unit takes and does: synth/unit_table.h.
#define SYNTH_OPCODE(NAME, opcode, Kind, member) OP_##NAME = opcode,
#define SYNTH_ONE_MORE(NAME, opcode, Kind, member) +1
enum : uint8_t {
    OP_END = 0,
    SYNTH_UNIT_KINDS(SYNTH_OPCODE, SYNTH_OPCODE)
    OP_COUNT = 1 SYNTH_UNIT_KINDS(SYNTH_ONE_MORE, SYNTH_ONE_MORE),
};
#undef SYNTH_OPCODE
#undef SYNTH_ONE_MORE

// Envelope stages (word 0 of an envelope's slot).
enum : int32_t {
    STAGE_ATTACK = 0,
    STAGE_DECAY = 1,
    STAGE_SUSTAIN = 2,
    STAGE_RELEASE = 3,
    STAGE_DONE = 4,
};

// Oscillator flags (last parameter byte): one waveform, optionally LFO.
enum : uint8_t {
    OSC_SINE = 0x01,
    OSC_TRIANGLE = 0x02,
    OSC_PULSE = 0x04,
    OSC_NOISE = 0x08,
    OSC_LFO = 0x10,
    OSC_WAVEFORMS = OSC_SINE | OSC_TRIANGLE | OSC_PULSE | OSC_NOISE,
};

// Filter flags (last parameter byte): the outputs summed into the result.
enum : uint8_t {
    FILTER_LOW = 0x01,
    FILTER_HIGH = 0x02,
    FILTER_BAND = 0x04,
    FILTER_LOW_MINUS_HIGH = 0x08,
};

// OP_STACK operations.
enum : uint8_t {
    STACK_POP = 1,
    STACK_ADD_POP = 2,
    STACK_MUL_POP = 3,
    STACK_DUP = 4,
    STACK_SWAP = 5,
    STACK_ADD = 6,
    STACK_MUL = 7,
    STACK_ADD_PAIRS = 8,
};

// OP_MIX selectors: which outputs of the track voices are summed.
enum : uint8_t {
    MIX_MAIN = 0,
    MIX_SEND = 8,
};

struct SynthEngine;
struct StereoFrame;
struct TrackFrames;
struct TrackRunStart;
// A song's frames compiled to code: each frame's row steps and unit lists,
// tracks then master, and its end (synth/synth_engine.h runs it). Renders up
// to count frames into out and stops early after a frame that changes a
// track's note word; returns the frames rendered.
typedef int32_t (*FramesRoutine)(SynthEngine& engine, StereoFrame* out, int32_t count);

// The same frames split in three (synth/synth_engine.h runs them): two groups
// of tracks that share nothing, each rendering a chunk of frames on its own,
// and the master, which mixes the groups' frames.
enum {
    TRACK_GROUPS = 2,
    MASTER_STORE_WORDS = 4,  // the most master words that tracks of a split song store into
    TRACK_CHUNK = 1024,      // frames of the tracks a group renders at a time
};
typedef void (*TrackGroupRoutine)(SynthEngine& engine, TrackRunStart start, TrackFrames& frames, int32_t count);
typedef int32_t (*MasterRoutine)(SynthEngine& engine, const TrackFrames& frames, int32_t first, StereoFrame* out,
                                 int32_t count);

struct Song {
    const uint8_t* patterns;     // patternCount x 16 note bytes
    int32_t patternCount;
    const uint8_t* orderList;    // TRACK_COUNT x ORDER_POSITIONS pattern numbers
    const uint8_t* unitStream;   // VOICE_COUNT lists of opcodes, each ended by OP_END
    int32_t unitStreamSize;
    const uint8_t* paramStream;  // every unit's parameter bytes, in unit order
    int32_t paramStreamSize;
    const uint16_t* delayLengths;  // DELAY_LENGTH_COUNT lengths in samples
    // The frames as a routine, made from these tables by the song compiler;
    // null where a song has none (the unit lists are interpreted).
    FramesRoutine framesRoutine;
    // The split routines, where the compiler could split the tracks; null
    // where it could not or the song has no routine.
    TrackGroupRoutine trackGroupRoutines[TRACK_GROUPS];
    MasterRoutine masterRoutine;
};

// The delay lengths every song uses: two banks of comb lengths for the stereo
// reverb, then echoes of 2, 4 and 8 rows.
extern const uint16_t delayLengths[DELAY_LENGTH_COUNT];

// The song the demo plays, compiled in.
extern const Song demoSong;

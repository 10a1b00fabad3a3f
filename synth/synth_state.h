// The synthesizer's work memory: the voice area, the shared noise seed and the
// delay pools. Everything a render changes lives here (about 124 MB), so a
// render is repeatable from a reset state.
#pragma once

#include "synth/song.h"
#include "synth/synth_math.h"

#include <cstdint>
#include <cstring>

// A delay unit's DC blocker: its last input and output.
struct DcBlocker {
    float previousInput;
    float previousOutput;
};

struct DelayLine {
    float dampingState;
    // The DC blocker of the delay unit whose last line is the record before.
    DcBlocker dcBlocker;
    float samples[DELAY_LINE_SAMPLES];
};

// Line i of two delay units that a song's routine runs side by side, as a
// stereo pair (runDelayPair): the two lines' samples interleaved, left
// first, a ring of 32,768 frames, and their damping states together.
struct StereoDelayLine {
    float dampingStates[2];
    float samples[DELAY_LINE_SAMPLES];
};

struct SynthState {
    // 13 voice records of 262 words: integers and floats, as the song puts them.
    uint32_t voiceArea[VOICE_AREA_WORDS];
    int32_t noiseSeed;
    uint32_t delayClock;  // frames rendered: where every delay line writes (delay_unit.h)
    DelayLine delayPool[DELAY_POOL_LINES];
    StereoDelayLine stereoPool[STEREO_POOL_LINES];
};

// Zeroes the voice area, the delay clock, the first poolRecords delay records
// and the stereo pool, and sets the noise seed to 1. Records beyond
// poolRecords are left as they are.
void resetSynthState(SynthState& state, int32_t poolRecords);

// A voice word read or written as the type the unit gives it.
inline float wordFloat(const uint32_t& word) {
    float value;
    std::memcpy(&value, &word, sizeof value);
    return value;
}
inline int32_t wordInt(const uint32_t& word) {
    int32_t value;
    std::memcpy(&value, &word, sizeof value);
    return value;
}
inline void setWordFloat(uint32_t& word, float value) { std::memcpy(&word, &value, sizeof value); }

// Two neighbouring words read as floats, as doubles side by side; and two
// doubles written into two neighbouring words, each rounded to a float.
inline DoublePair wordPair(const uint32_t* words) { return floatPairAt(words); }
inline void setWordPair(uint32_t* words, DoublePair values) { setFloatPairAt(words, values); }

inline void setWordInt(uint32_t& word, int32_t value) { std::memcpy(&word, &value, sizeof value); }

// Which words of a unit's slot may hold anything but 0, bit w for word w. A
// modulation word that no store of the song writes stays 0 from every note-on
// (the master's from the start); the song's routines know which those are and
// have them as the constant 0, the interpreter reads every word.
typedef uint8_t LiveWords;
inline constexpr LiveWords EVERY_WORD_LIVE = 0xFF;
inline float slotWord(const uint32_t* slot, int32_t word, LiveWords live) {
    return (live >> word & 1) ? wordFloat(slot[word]) : 0.0f;
}

inline uint32_t* voiceRecord(uint32_t* voiceArea, int32_t voice) { return voiceArea + voice * VOICE_WORDS; }
inline const uint32_t* voiceRecord(const uint32_t* voiceArea, int32_t voice) { return voiceArea + voice * VOICE_WORDS; }
inline uint32_t* voiceRecord(SynthState& state, int32_t voice) {
    return state.voiceArea + voice * VOICE_WORDS;
}
inline const uint32_t* voiceRecord(const SynthState& state, int32_t voice) {
    return state.voiceArea + voice * VOICE_WORDS;
}

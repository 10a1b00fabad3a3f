// The synthesizer's work memory: the voice area, the shared noise seed and the
// delay pool. Everything a render changes lives here (about 122 MB), so a
// render is repeatable from a reset state.
#pragma once

#include "synth/song.h"
#include "synth/synth_math.h"

#include <cstdint>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

struct DelayLine {
    float dampingState;
    // The DC blocker of the delay unit whose last line is the record before.
    float dcPreviousInput;
    float dcPreviousOutput;
    float samples[DELAY_LINE_SAMPLES];
};

struct SynthState {
    // 13 voice records of 262 words: integers and floats, as the song puts them.
    uint32_t voiceArea[VOICE_AREA_WORDS];
    int32_t noiseSeed;
    uint32_t delayClock;  // frames rendered: where every delay line writes (delay_unit.h)
    DelayLine delayPool[DELAY_POOL_LINES];
};

// Zeroes the voice area, the delay clock and the first poolRecords delay
// records, and sets the noise seed to 1. Records beyond poolRecords are left as they are.
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
// doubles written into two neighbouring words, each rounded to a float. With
// SSE2, one conversion does both.
inline DoublePair wordPair(const uint32_t* words) {
#ifdef __SSE2__
    return _mm_cvtps_pd(_mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(words))));
#else
    return DoublePair{wordFloat(words[0]), wordFloat(words[1])};
#endif
}
inline void setWordPair(uint32_t* words, DoublePair values) {
#ifdef __SSE2__
    _mm_storel_epi64(reinterpret_cast<__m128i*>(words), _mm_castps_si128(_mm_cvtpd_ps(values)));
#else
    setWordFloat(words[0], static_cast<float>(values[0]));
    setWordFloat(words[1], static_cast<float>(values[1]));
#endif
}
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

inline uint32_t* voiceRecord(SynthState& state, int32_t voice) {
    return state.voiceArea + voice * VOICE_WORDS;
}
inline const uint32_t* voiceRecord(const SynthState& state, int32_t voice) {
    return state.voiceArea + voice * VOICE_WORDS;
}

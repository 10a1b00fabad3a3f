// The small units that move values around: stack operations, the local and
// remote modulation stores, pan, output and mix; and the shaper.
#pragma once

#include "synth/song.h"
#include "synth/synth_math.h"
#include "synth/synth_state.h"
#include "synth/unit_run.h"

// OP_STORE and OP_STORE_REMOTE: write top x (2 p - 1) as a float into a word.
struct StoreUnit {
    double factor;
    int32_t word;  // OP_STORE: word of the voice record; OP_STORE_REMOTE: of the voice area
};

struct OutputUnit {
    double gain;  // plus the slot's word 1
    double send;
};

struct MixUnit {
    int32_t leftWord;  // WORD_MAIN_LEFT or WORD_SEND_LEFT; right is the word after
};

// Constant expressions where the bytes are, as for the oscillator.
constexpr double signedParameter(uint8_t byte) { return 2.0 * (byte * PARAM_SCALE) - 1.0; }
constexpr StoreUnit compileStore(const uint8_t* bytes) {
    return {signedParameter(bytes[0]), WORD_FIRST_SLOT + bytes[1]};
}
constexpr StoreUnit compileStoreRemote(const uint8_t* bytes) {
    const uint32_t offset = bytes[1] | bytes[2] << 8 | bytes[3] << 16 | static_cast<uint32_t>(bytes[4]) << 24;
    return {signedParameter(bytes[0]), static_cast<int32_t>(offset / 4)};
}
constexpr OutputUnit compileOutput(const uint8_t* bytes) { return {bytes[0] * PARAM_SCALE, bytes[1] * PARAM_SCALE}; }
constexpr MixUnit compileMix(const uint8_t* bytes) {
    return {bytes[0] == MIX_SEND ? WORD_SEND_LEFT : WORD_MAIN_LEFT};
}

// The signal stack of one instrument run. The top value is kept apart from
// the ones under it, so that most units touch no memory for it and a swap is
// two plain moves (not two stores read back as one wide load, which stalls).
// The values under the top live in an array of STACK_DEPTH doubles outside
// the record (so the top itself can stay in a register); its first entry
// takes the meaningless top of the empty stack on the first push.
struct SignalStack {
    double top;
    double* under;  // one past the value just below the top

    void push(double value) {
        *under++ = top;
        top = value;
    }
    double pop() {
        const double value = top;
        top = *--under;
        return value;
    }
    double& second() { return under[-1]; }
};

// The OP_STACK operations that are more than a push, a pop or one operation
// on the top (top first: a is the top, b the second, ...).
inline void stackAddPop(SignalStack& stack) {
    const double a = stack.pop();
    stack.top = stack.top + a;  // b + a
}
inline void stackMulPop(SignalStack& stack) {
    const double a = stack.pop();
    stack.top = stack.top * a;  // b x a
}
inline void stackSwap(SignalStack& stack) {
    const double a = stack.top;
    stack.top = stack.second();
    stack.second() = a;
}
// Stereo add of two pairs: (a, b) + (c, d) leaves a + c on top, b + d below.
inline void stackAddPairs(SignalStack& stack) {
    const double a = stack.pop(), b = stack.pop();
    const double c = stack.top, d = stack.second();
    stack.second() = d + b;
    stack.top = c + a;
}

inline void runStore(const StoreUnit& unit, uint32_t* voice, double top) {
    setWordFloat(voice[unit.word], static_cast<float>(top * unit.factor));
}

// note is the voice's note word; word is the one the unit writes
// (voiceArea[unit.word]), or where a routine keeps it for the voice it lies in.
inline void runStoreRemote(const StoreUnit& unit, int32_t note, uint32_t& word, double top) {
    if (note == 0) return;
    setWordFloat(word, static_cast<float>(top * unit.factor));
}

// OP_PAN: the value, halved, on both channels.
inline void runPan(SignalStack& stack) {
    stack.top = stack.top / 2.0;
    stack.push(stack.top);
}

// OP_OUTPUT: left is the top, right the value under it. Slot word 1
// modulates the gain.
inline void runOutput(const OutputUnit& unit, LiveWords live, uint32_t* voice, const uint32_t* slot, double left,
                      double right) {
    const double gain = unit.gain + slotWord(slot, 1, live);
    const DoublePair channels = {left, right};
    setWordPair(voice + WORD_SEND_LEFT, channels * unit.send);
    setWordPair(voice + WORD_MAIN_LEFT, channels * gain);
}

// OP_MIX: the track voices' outputs of this frame, summed per channel; the
// master's own are never included. The unit pushes right first, so left is
// on top. leftWord is the unit's own, given apart so that a routine which
// knows it has it as a constant. outputsOf(t) points at track t's four
// output words (WORD_SEND_LEFT to WORD_MAIN_RIGHT), wherever they are kept.
template <typename OutputsOf>
inline void mixOutputs(int32_t leftWord, OutputsOf outputsOf, double& left, double& right) {
    DoublePair sum = {0.0, 0.0};
#pragma GCC unroll 12
    for (int32_t t = 0; t < TRACK_COUNT; ++t) sum += wordPair(outputsOf(t) + (leftWord - WORD_SEND_LEFT));
    left = sum[0];
    right = sum[1];
}

// OP_MIX over the track voices' own records.
inline void mixTrackOutputs(int32_t leftWord, const uint32_t* voiceArea, double& left, double& right) {
    mixOutputs(
        leftWord, [voiceArea](int32_t t) { return voiceArea + t * VOICE_WORDS + WORD_SEND_LEFT; }, left, right);
}

// Each kind's decoding and its step in the interpreter (unit_kinds.h).

// OP_SHAPER: the top bent by the curve of its drive byte.
struct ShaperUnit {
    double curve;
};
inline ShaperUnit decodeShaperUnit(const uint8_t* bytes, UnitDecode&) { return {shapeCurve(bytes[0] * PARAM_SCALE)}; }
UNIT_INLINE void runShaperUnit(const ShaperUnit& unit, SignalStack& stack, const UnitRun& run) {
    if (run.note != 0) stack.top = shapeWithCurve(stack.top, unit.curve);
}

inline StoreUnit decodeStoreUnit(const uint8_t* bytes, UnitDecode&) { return compileStore(bytes); }
UNIT_INLINE void runStoreUnit(const StoreUnit& unit, SignalStack& stack, const UnitRun& run) {
    runStore(unit, run.voice, stack.top);
}

// A remote store's word is one of the whole voice area.
typedef StoreUnit StoreRemoteUnit;
inline StoreRemoteUnit decodeStoreRemoteUnit(const uint8_t* bytes, UnitDecode&) { return compileStoreRemote(bytes); }
UNIT_INLINE void runStoreRemoteUnit(const StoreRemoteUnit& unit, SignalStack& stack, const UnitRun& run) {
    runStoreRemote(unit, run.note, run.state.voiceArea[unit.word], stack.top);
}

struct PanUnit {};  // pan takes no parameters
inline PanUnit decodePanUnit(const uint8_t*, UnitDecode&) { return {}; }
UNIT_INLINE void runPanUnit(const PanUnit&, SignalStack& stack, const UnitRun&) { runPan(stack); }

inline OutputUnit decodeOutputUnit(const uint8_t* bytes, UnitDecode&) { return compileOutput(bytes); }
UNIT_INLINE void runOutputUnit(const OutputUnit& unit, SignalStack& stack, const UnitRun& run) {
    const double left = stack.pop();
    const double right = stack.pop();
    runOutput(unit, EVERY_WORD_LIVE, run.voice, run.slot, left, right);
}

inline MixUnit decodeMixUnit(const uint8_t* bytes, UnitDecode&) { return compileMix(bytes); }
UNIT_INLINE void runMixUnit(const MixUnit& unit, SignalStack& stack, const UnitRun& run) {
    double left, right;
    mixTrackOutputs(unit.leftWord, run.state.voiceArea, left, right);
    stack.push(right);
    stack.push(left);
}

// The small units that move values around: stack operations, the local and
// remote modulation stores, pan, output and mix.
#pragma once

#include "synth/song.h"
#include "synth/synth_state.h"

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

StoreUnit compileStore(const uint8_t bytes[2]);
StoreUnit compileStoreRemote(const uint8_t bytes[5]);
OutputUnit compileOutput(const uint8_t bytes[2]);
MixUnit compileMix(const uint8_t bytes[1]);

// OP_STACK; the stack grows upwards, top[-1] is the top value.
inline void runStackOperation(uint8_t operation, double*& top) {
    switch (operation) {
    case STACK_POP: --top; break;
    case STACK_ADD_POP: top[-2] = top[-2] + top[-1]; --top; break;
    case STACK_MUL_POP: top[-2] = top[-2] * top[-1]; --top; break;
    case STACK_DUP: top[0] = top[-1]; ++top; break;
    case STACK_SWAP: {
        const double a = top[-1];
        top[-1] = top[-2];
        top[-2] = a;
        break;
    }
    case STACK_ADD: top[-1] = top[-1] + top[-2]; break;
    case STACK_MUL: top[-1] = top[-1] * top[-2]; break;
    default: {  // STACK_ADD_PAIRS: (a, b) + (c, d), a and c on top of their pair
        const double a = top[-1], b = top[-2], c = top[-3], d = top[-4];
        top[-4] = d + b;
        top[-3] = c + a;
        top -= 2;
        break;
    }
    }
}

inline void runStore(const StoreUnit& unit, uint32_t* voice, const double* top) {
    setWordFloat(voice[unit.word], static_cast<float>(top[-1] * unit.factor));
}

inline void runStoreRemote(const StoreUnit& unit, const uint32_t* voice, uint32_t* voiceArea, const double* top) {
    if (wordInt(voice[WORD_NOTE]) == 0) return;
    setWordFloat(voiceArea[unit.word], static_cast<float>(top[-1] * unit.factor));
}

// OP_PAN: the value, halved, on both channels.
inline void runPan(double* top) {
    top[-1] = top[-1] / 2.0;
    top[0] = top[-1];
}

// OP_OUTPUT: pops left (the top), then right. Slot word 1 modulates the gain.
inline void runOutput(const OutputUnit& unit, uint32_t* voice, const uint32_t* slot, double*& top) {
    const double left = top[-1];
    const double right = top[-2];
    top -= 2;
    const double gain = unit.gain + wordFloat(slot[1]);
    setWordFloat(voice[WORD_SEND_LEFT], static_cast<float>(left * unit.send));
    setWordFloat(voice[WORD_SEND_RIGHT], static_cast<float>(right * unit.send));
    setWordFloat(voice[WORD_MAIN_LEFT], static_cast<float>(left * gain));
    setWordFloat(voice[WORD_MAIN_RIGHT], static_cast<float>(right * gain));
}

// OP_MIX: the track voices' outputs of this frame, summed per channel; the
// master's own are never included. Right is pushed first, so left is on top.
inline void runMix(const MixUnit& unit, const uint32_t* voiceArea, double*& top) {
    double left = 0.0;
    double right = 0.0;
    for (int32_t t = 0; t < TRACK_COUNT; ++t) {
        const uint32_t* voice = voiceArea + t * VOICE_WORDS;
        left += wordFloat(voice[unit.leftWord]);
        right += wordFloat(voice[unit.leftWord + 1]);
    }
    top[0] = right;
    top[1] = left;
    top += 2;
}

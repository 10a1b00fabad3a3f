#include "tests/unit/synth/reference_synth.h"

#include "synth/sequencer.h"
#include "synth/synth_math.h"

#include <cmath>

namespace {

uint32_t* currentVoice(ReferenceSynth& s) { return s.state->voiceArea + VOICE_WORDS * s.voiceCursor; }
uint32_t& slotWord(ReferenceSynth& s, int32_t w) { return currentVoice(s)[s.slotCursor + w]; }
bool silent(ReferenceSynth& s) { return wordInt(currentVoice(s)[WORD_NOTE]) == 0; }

// Every unit with parameters loads them first, silent or not.
void loadParams(ReferenceSynth& s, int32_t count) {
    for (int32_t i = 0; i < count; ++i) s.params[i] = static_cast<float>(s.song.paramStream[s.paramCursor + i]) / 128.0f;
    s.paramCursor += count;
}
uint8_t rawByte(ReferenceSynth& s, int32_t back) { return s.song.paramStream[s.paramCursor - back]; }

void push(ReferenceSynth& s, double v) { s.stack[s.depth++] = v; }
double pop(ReferenceSynth& s) { return s.stack[--s.depth]; }
double& top(ReferenceSynth& s) { return s.stack[s.depth - 1]; }

void envelope(ReferenceSynth& s) {
    loadParams(s, 5);
    if (silent(s)) {
        push(s, 0.0);
        return;
    }
    const float* p = s.params;
    int32_t stage = wordInt(slotWord(s, 0));
    if (wordInt(currentVoice(s)[WORD_RELEASE_COUNT]) != 0) stage = STAGE_RELEASE;
    double level = wordFloat(slotWord(s, 1));
    if (stage == STAGE_ATTACK) {
        level = level + pow2(-24.0 * p[0]);
        if (level >= 1.0) {
            level = 1.0;
            stage = STAGE_DECAY;
        }
    } else if (stage == STAGE_DECAY) {
        level = level - pow2(-24.0 * p[1]);
        if (level <= p[2]) {
            level = p[2];
            stage = STAGE_SUSTAIN;
        }
    } else if (stage == STAGE_RELEASE) {
        level = level - pow2(-24.0 * p[3]);
        if (level <= 0.0) {
            level = 0.0;
            stage = STAGE_DONE;
        }
    }
    setWordInt(slotWord(s, 0), stage);
    setWordFloat(slotWord(s, 1), static_cast<float>(level));
    push(s, static_cast<double>(wordFloat(slotWord(s, 1))) * (static_cast<double>(p[4]) + wordFloat(slotWord(s, 2))));
}

void oscillator(ReferenceSynth& s) {
    loadParams(s, 7);
    if (silent(s)) {
        push(s, 0.0);
        return;
    }
    const float* p = s.params;
    const uint8_t flags = rawByte(s, 1);
    double semitones = (static_cast<double>(p[0]) / 0.0078125 - 64.0) + 128.0 * wordFloat(slotWord(s, 1)) +
                       (2.0 * p[1] - 1.0) + wordFloat(slotWord(s, 2));
    if (!(flags & OSC_LFO)) semitones += wordInt(currentVoice(s)[WORD_NOTE]);
    const double step = (flags & OSC_LFO) ? LFO_PHASE_STEP : AUDIO_PHASE_STEP;
    const double increment = pow2(semitones * SEMITONE_OCTAVES) * step;
    setWordFloat(slotWord(s, 0), static_cast<float>(fractionalPart(wordFloat(slotWord(s, 0)) + increment + 1.0)));
    const double q = fractionalPart(wordFloat(slotWord(s, 0)) + static_cast<double>(p[2]) + 1.0);
    const double w = static_cast<double>(p[3]) + wordFloat(slotWord(s, 5));
    double wave;
    if (flags & OSC_SINE) {
        wave = sineOfTurns(q);
    } else if (flags & OSC_TRIANGLE) {
        // A width of 0 falls from +1 over the whole cycle (no 0/0 at q = 0).
        wave = (q <= w && w > 0.0) ? 2.0 * q / w - 1.0 : 2.0 * (1.0 - q) / (1.0 - w) - 1.0;
    } else if (flags & OSC_PULSE) {
        wave = q <= w ? 1.0 : -1.0;
    } else {
        wave = nextNoise(s.state->noiseSeed);
    }
    push(s, shape(wave, p[4]) * p[5]);
}

void filter(ReferenceSynth& s) {
    loadParams(s, 3);
    if (silent(s)) return;
    const uint8_t flags = rawByte(s, 1);
    const double f = static_cast<double>(s.params[0]) * s.params[0];
    setWordFloat(slotWord(s, 3), static_cast<float>(f));
    const double d = s.params[1];
    const double x = top(s);
    uint32_t& low = slotWord(s, 0);
    uint32_t& high = slotWord(s, 1);
    uint32_t& band = slotWord(s, 2);
    setWordFloat(low, static_cast<float>(wordFloat(low) + f * wordFloat(band)));
    setWordFloat(high, static_cast<float>(x - wordFloat(low) - d * wordFloat(band)));
    setWordFloat(band, static_cast<float>(wordFloat(band) + f * wordFloat(high)));
    double result = 0.0;
    if (flags & FILTER_LOW) result += wordFloat(low);
    if (flags & FILTER_HIGH) result += wordFloat(high);
    if (flags & FILTER_BAND) result += wordFloat(band);
    if (flags & FILTER_LOW_MINUS_HIGH) result += static_cast<double>(wordFloat(low)) - wordFloat(high);
    top(s) = result;
}

void shaper(ReferenceSynth& s) {
    loadParams(s, 1);
    if (silent(s)) return;
    top(s) = shape(top(s), s.params[0]);
}

void delay(ReferenceSynth& s) {
    loadParams(s, 6);
    const float* p = s.params;
    const int32_t first = rawByte(s, 2);
    const int32_t lines = rawByte(s, 1);
    const double x = top(s);
    const double in = x * p[0] * p[0];
    double acc = x * p[1];
    for (int32_t i = 0; i < lines; ++i) {
        DelayLine& line = s.state->delayPool[s.poolCursor];
        const int32_t length = s.song.delayLengths[first + i];
        const double d = line.samples[line.writePosition];
        acc = acc + d;
        line.dampingState = static_cast<float>(d * (1.0 - p[3]) + static_cast<double>(p[3]) * line.dampingState);
        line.samples[line.writePosition] = static_cast<float>(in + static_cast<double>(p[2]) * line.dampingState);
        line.writePosition = line.writePosition + 1;
        if (line.writePosition == length) line.writePosition = 0;
        ++s.poolCursor;
    }
    DelayLine& dc = s.state->delayPool[s.poolCursor];
    const double y = acc - dc.dcPreviousInput + 0.99609375 * dc.dcPreviousOutput;
    dc.dcPreviousInput = static_cast<float>(acc);
    dc.dcPreviousOutput = static_cast<float>(y);
    top(s) = y;
}

void stackOperation(ReferenceSynth& s) {
    loadParams(s, 1);
    switch (rawByte(s, 1)) {
    case STACK_POP: pop(s); break;
    case STACK_ADD_POP: {
        const double a = pop(s), b = pop(s);
        push(s, b + a);
        break;
    }
    case STACK_MUL_POP: {
        const double a = pop(s), b = pop(s);
        push(s, b * a);
        break;
    }
    case STACK_DUP: push(s, top(s)); break;
    case STACK_SWAP: {
        const double a = pop(s), b = pop(s);
        push(s, a);
        push(s, b);
        break;
    }
    case STACK_ADD: top(s) = top(s) + s.stack[s.depth - 2]; break;
    case STACK_MUL: top(s) = top(s) * s.stack[s.depth - 2]; break;
    case STACK_ADD_PAIRS: {
        const double a = pop(s), b = pop(s), c = pop(s), d = pop(s);
        push(s, d + b);
        push(s, c + a);
        break;
    }
    }
}

void store(ReferenceSynth& s) {
    loadParams(s, 2);
    const double m = top(s) * (2.0 * s.params[0] - 1.0);
    const uint8_t target = rawByte(s, 1);
    setWordFloat(currentVoice(s)[WORD_FIRST_SLOT + SLOT_WORDS * (target / 8) + target % 8], static_cast<float>(m));
}

void pan(ReferenceSynth& s) {
    const double x = pop(s);
    push(s, x / 2);
    push(s, x / 2);
}

void output(ReferenceSynth& s) {
    loadParams(s, 2);
    const double l = pop(s);
    const double r = pop(s);
    uint32_t* voice = currentVoice(s);
    const double gain = s.params[0] + static_cast<double>(wordFloat(slotWord(s, 1)));
    setWordFloat(voice[WORD_SEND_LEFT], static_cast<float>(l * s.params[1]));
    setWordFloat(voice[WORD_SEND_RIGHT], static_cast<float>(r * s.params[1]));
    setWordFloat(voice[WORD_MAIN_LEFT], static_cast<float>(l * gain));
    setWordFloat(voice[WORD_MAIN_RIGHT], static_cast<float>(r * gain));
}

void mix(ReferenceSynth& s) {
    loadParams(s, 1);
    // Selector 0 sums the main outputs (byte 1040), 8 the sends eight bytes before.
    const int32_t leftWord = (VOICE_BYTES - 8 - rawByte(s, 1)) / 4;
    double left = 0.0, right = 0.0;
    for (int32_t t = 0; t < TRACK_COUNT; ++t) {
        left += wordFloat(s.state->voiceArea[VOICE_WORDS * t + leftWord]);
        right += wordFloat(s.state->voiceArea[VOICE_WORDS * t + leftWord + 1]);
    }
    push(s, right);
    push(s, left);
}

void storeRemote(ReferenceSynth& s) {
    loadParams(s, 5);
    if (silent(s)) return;
    const uint8_t* b = s.song.paramStream + s.paramCursor - 4;
    const uint32_t offset = b[0] + 256u * b[1] + 65536u * b[2] + 16777216u * b[3];
    const double m = top(s) * (2.0 * s.params[0] - 1.0);
    setWordFloat(s.state->voiceArea[offset / 4], static_cast<float>(m));
}

using UnitRoutine = void (*)(ReferenceSynth&);
const UnitRoutine unitTable[OP_COUNT] = {
    nullptr, envelope, oscillator, filter, shaper, delay, stackOperation, store, pan, output, mix, storeRemote,
};

void runUnitList(ReferenceSynth& s) {
    s.depth = 0;
    s.slotCursor = WORD_FIRST_SLOT;
    for (uint8_t op = s.song.unitStream[s.unitCursor++]; op != OP_END; op = s.song.unitStream[s.unitCursor++]) {
        unitTable[op](s);
        s.slotCursor += SLOT_WORDS;
    }
    ++s.voiceCursor;
}

float clampOutput(float v) {
    if (v > 1.0f) return 1.0f;
    if (v < -1.0f) return -1.0f;
    return v != v ? 0.0f : v;
}

// Pool records the song's delay units take: one a line, one more for the last
// unit's DC blocker.
int32_t poolRecordsOf(const Song& song) {
    int32_t lines = 0;
    int32_t paramAt = 0;
    for (int32_t i = 0; i < song.unitStreamSize; ++i) {
        const uint8_t op = song.unitStream[i];
        if (op == OP_DELAY) lines += song.paramStream[paramAt + 5];
        paramAt += UNIT_PARAM_BYTES[op];
    }
    return lines > 0 ? lines + 1 : 0;
}

}  // namespace

void startReference(ReferenceSynth& synth, const Song& song, SynthState& state) {
    resetSynthState(state, poolRecordsOf(song));
    synth.state = &state;
    synth.song = song;
    synth.sampleCounter = 0;
}

StereoFrame referenceFrame(ReferenceSynth& s, int32_t trace[NOTE_TRACE_ENTRIES]) {
    const int32_t row = s.sampleCounter / SAMPLES_PER_ROW;
    const int32_t frameInRow = s.sampleCounter % SAMPLES_PER_ROW;
    s.unitCursor = 0;
    s.paramCursor = 0;
    s.poolCursor = 0;
    s.voiceCursor = 0;
    for (int32_t t = 0; t < TRACK_COUNT; ++t) {
        if (frameInRow == 0) sequencerRowStep(s.song, *s.state, t, row);
        const bool beginsWithEnvelope = s.song.unitStream[s.unitCursor] == OP_ENVELOPE;
        runUnitList(s);
        uint32_t* voice = s.state->voiceArea + VOICE_WORDS * t;
        if (beginsWithEnvelope && wordInt(voice[WORD_FIRST_SLOT]) == STAGE_DONE) setWordInt(voice[WORD_NOTE], 0);
        trace[2 * t] = wordInt(voice[WORD_NOTE]);
    }
    uint32_t* master = s.state->voiceArea + VOICE_WORDS * MASTER_VOICE;
    setWordInt(master[WORD_NOTE], 12);
    runUnitList(s);
    ++s.sampleCounter;
    return {clampOutput(wordFloat(master[WORD_MAIN_LEFT])), clampOutput(wordFloat(master[WORD_MAIN_RIGHT]))};
}

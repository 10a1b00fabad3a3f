#include "synth/unit_program.h"

#include "synth/synth_math.h"

void compileSong(const Song& song, UnitProgram& program) {
    int32_t opcodeAt = 0;
    int32_t paramAt = 0;
    int32_t poolCursor = 0;
    bool anyDelay = false;
    for (int32_t voice = 0; voice < VOICE_COUNT; ++voice) {
        CompiledInstrument& instrument = program.instruments[voice];
        instrument.firstUnit = voice * MAX_UNITS;
        instrument.unitCount = 0;
        for (uint8_t opcode = song.unitStream[opcodeAt++]; opcode != OP_END; opcode = song.unitStream[opcodeAt++]) {
            const uint8_t* bytes = song.paramStream + paramAt;
            paramAt += UNIT_PARAM_BYTES[opcode];
            CompiledUnit& unit = program.units[instrument.firstUnit + instrument.unitCount];
            unit.opcode = opcode;
            unit.slotWord = WORD_FIRST_SLOT + SLOT_WORDS * instrument.unitCount;
            switch (opcode) {
            case OP_ENVELOPE: unit.envelope = compileEnvelope(bytes); break;
            case OP_OSCILLATOR: unit.oscillator = compileOscillator(bytes); break;
            case OP_FILTER: unit.filter = compileFilter(bytes); break;
            case OP_SHAPER: unit.shaperCurve = shapeCurve(bytes[0] * PARAM_SCALE); break;
            case OP_DELAY:
                unit.delay = compileDelay(bytes, poolCursor);
                for (int32_t i = 0; i < unit.delay.lineCount; ++i) {
                    program.lineLengths[poolCursor++] = song.delayLengths[bytes[4] + i];
                }
                anyDelay = true;
                break;
            case OP_STACK: unit.stackOperation = bytes[0]; break;
            case OP_STORE: unit.store = compileStore(bytes); break;
            case OP_OUTPUT: unit.output = compileOutput(bytes); break;
            case OP_MIX: unit.mix = compileMix(bytes); break;
            case OP_STORE_REMOTE: unit.store = compileStoreRemote(bytes); break;
            default: break;  // OP_PAN has nothing to decode
            }
            ++instrument.unitCount;
        }
        instrument.endsWithFirstEnvelope =
            voice != MASTER_VOICE && instrument.unitCount > 0 && program.units[instrument.firstUnit].opcode == OP_ENVELOPE;
    }
    // The last unit's DC blocker takes one record more.
    program.poolRecords = anyDelay ? poolCursor + 1 : 0;
}

void runInstrument(UnitProgram& program, int32_t voiceIndex, SynthState& state) {
    const CompiledInstrument& instrument = program.instruments[voiceIndex];
    uint32_t* voice = voiceRecord(state, voiceIndex);
    double stack[STACK_DEPTH];
    double* top = stack;
    CompiledUnit* unit = program.units + instrument.firstUnit;
    CompiledUnit* end = unit + instrument.unitCount;
    for (; unit != end; ++unit) {
        uint32_t* slot = voice + unit->slotWord;
        switch (unit->opcode) {
        case OP_ENVELOPE: runEnvelope(unit->envelope, voice, slot, top); break;
        case OP_OSCILLATOR: runOscillator(unit->oscillator, voice, slot, state.noiseSeed, top); break;
        case OP_FILTER: runFilter(unit->filter, voice, slot, top); break;
        case OP_SHAPER:
            if (wordInt(voice[WORD_NOTE]) != 0) top[-1] = shapeWithCurve(top[-1], unit->shaperCurve);
            break;
        case OP_DELAY: runDelay(unit->delay, state.delayPool, program.lineLengths, top); break;
        case OP_STACK: runStackOperation(unit->stackOperation, top); break;
        case OP_STORE: runStore(unit->store, voice, top); break;
        case OP_PAN: runPan(top++); break;
        case OP_OUTPUT: runOutput(unit->output, voice, slot, top); break;
        case OP_MIX: runMix(unit->mix, state.voiceArea, top); break;
        default: runStoreRemote(unit->store, voice, state.voiceArea, top); break;
        }
    }
}

#include "synth/unit_program.h"

#include "synth/synth_math.h"
#include "synth/unit_reader.h"

namespace {

UnitKernel stackKernel(uint8_t operation) {
    static const UnitKernel kernels[] = {
        KERNEL_POP, KERNEL_ADD_POP, KERNEL_MUL_POP, KERNEL_DUP, KERNEL_SWAP, KERNEL_ADD, KERNEL_MUL, KERNEL_ADD_PAIRS,
    };
    return kernels[operation - STACK_POP];
}

}  // namespace

void compileSong(const Song& song, UnitProgram& program) {
    UnitReader reader = unitReader(song);
    int32_t poolCursor = 0;
    bool anyDelay = false;
    for (int32_t voice = 0; voice < VOICE_COUNT; ++voice) {
        CompiledInstrument& instrument = program.instruments[voice];
        instrument.firstUnit = voice * (MAX_UNITS + 1);
        instrument.unitCount = 0;
        while (nextUnitOfList(reader)) {
            const uint8_t opcode = reader.opcode;
            const uint8_t* bytes = reader.bytes;
            CompiledUnit& unit = program.units[instrument.firstUnit + instrument.unitCount];
            unit.slotWord = WORD_FIRST_SLOT + SLOT_WORDS * instrument.unitCount;
            // No pitch yet: a unit of a song decoded before into this program
            // may have left one for the same note.
            unit.pitch = OscillatorPitch{};
            switch (opcode) {
            case OP_ENVELOPE:
                unit.kernel = KERNEL_ENVELOPE;
                unit.envelope = compileEnvelope(bytes);
                break;
            case OP_OSCILLATOR:
                unit.kernel = KERNEL_OSCILLATOR;
                unit.oscillator = compileOscillator(bytes);
                break;
            case OP_FILTER:
                unit.kernel = KERNEL_FILTER;
                unit.filter = compileFilter(bytes);
                break;
            case OP_SHAPER:
                unit.kernel = KERNEL_SHAPER;
                unit.shaperCurve = shapeCurve(bytes[0] * PARAM_SCALE);
                break;
            case OP_DELAY:
                unit.kernel = KERNEL_DELAY;
                unit.delay = compileDelay(bytes, poolCursor);
                for (int32_t i = 0; i < unit.delay.lineCount; ++i) {
                    program.lineLengths[poolCursor++] = song.delayLengths[bytes[4] + i];
                }
                anyDelay = true;
                break;
            case OP_STACK: unit.kernel = stackKernel(bytes[0]); break;
            case OP_STORE:
                unit.kernel = KERNEL_STORE;
                unit.store = compileStore(bytes);
                break;
            case OP_PAN: unit.kernel = KERNEL_PAN; break;
            case OP_OUTPUT:
                unit.kernel = KERNEL_OUTPUT;
                unit.output = compileOutput(bytes);
                break;
            case OP_MIX:
                unit.kernel = KERNEL_MIX;
                unit.mix = compileMix(bytes);
                break;
            default:
                unit.kernel = KERNEL_STORE_REMOTE;
                unit.store = compileStoreRemote(bytes);
                break;
            }
            ++instrument.unitCount;
        }
        CompiledUnit& end = program.units[instrument.firstUnit + instrument.unitCount];
        end.kernel = KERNEL_END;
        instrument.endsWithFirstEnvelope =
            voice != MASTER_VOICE && instrument.unitCount > 0 && program.units[instrument.firstUnit].kernel == KERNEL_ENVELOPE;
    }
    // The last unit's DC blocker takes one record more.
    program.poolRecords = anyDelay ? poolCursor + 1 : 0;
}

void runUnitList(UnitProgram& program, int32_t voiceIndex, SynthState& state) {
    const CompiledInstrument& instrument = program.instruments[voiceIndex];
    uint32_t* voice = voiceRecord(state, voiceIndex);
    double under[STACK_DEPTH];
    SignalStack stack{0.0, under};
    for (CompiledUnit* unit = program.units + instrument.firstUnit;; ++unit) {
        uint32_t* const slot = voice + unit->slotWord;
        // Read for every unit: a remote store may change it on the way.
        const int32_t note = wordInt(voice[WORD_NOTE]);
        switch (unit->kernel) {
        case KERNEL_END: return;
        case KERNEL_ENVELOPE: stack.push(runEnvelope(unit->envelope, EVERY_WORD_LIVE, note, voice, slot)); break;
        case KERNEL_OSCILLATOR:
            stack.push(runOscillator(unit->oscillator, EVERY_WORD_LIVE, unit->pitch, note, slot, state.noiseSeed));
            break;
        case KERNEL_FILTER: stack.top = runFilter(unit->filter, note, slot, stack.top); break;
        case KERNEL_SHAPER:
            if (note != 0) stack.top = shapeWithCurve(stack.top, unit->shaperCurve);
            break;
        case KERNEL_DELAY: {
            const int32_t* lengths = program.lineLengths + unit->delay.firstRecord;
            stack.top = runDelay(unit->delay, state.delayPool, lengths, state.delayClock, stack.top,
                                 poolBlocker(unit->delay, state.delayPool));
            break;
        }
        case KERNEL_POP: stack.pop(); break;
        case KERNEL_ADD_POP: stackAddPop(stack); break;
        case KERNEL_MUL_POP: stackMulPop(stack); break;
        case KERNEL_DUP: stack.push(stack.top); break;
        case KERNEL_SWAP: stackSwap(stack); break;
        case KERNEL_ADD: stack.top = stack.top + stack.second(); break;
        case KERNEL_MUL: stack.top = stack.top * stack.second(); break;
        case KERNEL_ADD_PAIRS: stackAddPairs(stack); break;
        case KERNEL_STORE: runStore(unit->store, voice, stack.top); break;
        case KERNEL_PAN: runPan(stack); break;
        case KERNEL_OUTPUT: {
            const double left = stack.pop();
            const double right = stack.pop();
            runOutput(unit->output, EVERY_WORD_LIVE, voice, slot, left, right);
            break;
        }
        case KERNEL_MIX: {
            double left, right;
            mixTrackOutputs(unit->mix.leftWord, state.voiceArea, left, right);
            stack.push(right);
            stack.push(left);
            break;
        }
        case KERNEL_STORE_REMOTE:
            runStoreRemote(unit->store, note, state.voiceArea[unit->store.word], stack.top);
            break;
        }
    }
}

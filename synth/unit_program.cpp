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
    UnitDecode decode = {song.delayLengths, program.lineLengths, 0};
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
#define SYNTH_DECODE(NAME, code, Kind, member)           \
    case OP_##NAME:                                      \
        unit.kernel = KERNEL_##NAME;                     \
        unit.member = decode##Kind##Unit(bytes, decode); \
        break;
#define SYNTH_DECODE_STACK(NAME, code, Kind, member) \
    case OP_##NAME: unit.kernel = stackKernel(bytes[0]); break;
                SYNTH_UNIT_KINDS(SYNTH_DECODE, SYNTH_DECODE_STACK)
#undef SYNTH_DECODE
#undef SYNTH_DECODE_STACK
            }
            ++instrument.unitCount;
        }
        CompiledUnit& end = program.units[instrument.firstUnit + instrument.unitCount];
        end.kernel = KERNEL_END;
        instrument.endsWithFirstEnvelope =
            voice != MASTER_VOICE && instrument.unitCount > 0 && program.units[instrument.firstUnit].kernel == KERNEL_ENVELOPE;
    }
    // The last unit's DC blocker takes one record more (every delay unit
    // takes at least one line).
    program.poolRecords = decode.poolCursor > 0 ? decode.poolCursor + 1 : 0;
}

void runUnitList(UnitProgram& program, int32_t voiceIndex, SynthState& state) {
    const CompiledInstrument& instrument = program.instruments[voiceIndex];
    uint32_t* voice = voiceRecord(state, voiceIndex);
    double under[STACK_DEPTH];
    SignalStack stack{0.0, under};
    for (CompiledUnit* unit = program.units + instrument.firstUnit;; ++unit) {
        // The note is read for every unit: a remote store may change it on the way.
        const UnitRun run = {state, voice, voice + unit->slotWord, wordInt(voice[WORD_NOTE]), program.lineLengths,
                             unit->pitch};
        switch (unit->kernel) {
        case KERNEL_END: return;
#define SYNTH_RUN(NAME, code, Kind, member) \
    case KERNEL_##NAME: run##Kind##Unit(unit->member, stack, run); break;
// The stack's operations stand at the stack's row, so that the cases keep
// the kernels' order.
#define SYNTH_RUN_STACK(NAME, code, Kind, member)                     \
    case KERNEL_POP: stack.pop(); break;                              \
    case KERNEL_ADD_POP: stackAddPop(stack); break;                   \
    case KERNEL_MUL_POP: stackMulPop(stack); break;                   \
    case KERNEL_DUP: stack.push(stack.top); break;                    \
    case KERNEL_SWAP: stackSwap(stack); break;                        \
    case KERNEL_ADD: stack.top = stack.top + stack.second(); break;   \
    case KERNEL_MUL: stack.top = stack.top * stack.second(); break;   \
    case KERNEL_ADD_PAIRS: stackAddPairs(stack); break;
            SYNTH_UNIT_KINDS(SYNTH_RUN, SYNTH_RUN_STACK)
#undef SYNTH_RUN
#undef SYNTH_RUN_STACK
        }
    }
}

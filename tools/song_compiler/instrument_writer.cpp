// Writing each instrument's unit list as a C++ routine: the units called in
// the list's order, the signal stack as local values (a stack operation is a
// move or one operation), and each unit's choices that its bytes fix (the
// waveform, the filter's outputs, the delay's lines, the mix's outputs) as
// constants. The routines compute exactly what runUnitList's interpretation
// of the same lists does, operation for operation; they only skip the opcode
// dispatch and the stack's memory.
#include "tools/song_compiler/song_compiler.h"

#include "synth/song.h"

#include <algorithm>

namespace {

std::string value(int depth) { return "s" + std::to_string(depth); }

// One unit's statement. depth is the stack's depth before it, and after it.
std::string unitStatement(uint8_t opcode, const uint8_t* bytes, int unit, int* depth) {
    const std::string u = "u[" + std::to_string(unit) + "]";
    const std::string slot = "voice + " + std::to_string(WORD_FIRST_SLOT + SLOT_WORDS * unit);
    const int d = *depth;
    const std::string top = value(d - 1), second = value(d - 2), next = value(d);
    switch (opcode) {
    case OP_ENVELOPE: return ++*depth, next + " = runEnvelope(" + u + ".envelope, voice, " + slot + ");";
    case OP_OSCILLATOR: {
        const std::string waveform = std::to_string(bytes[6] & OSC_WAVEFORMS);
        const std::string followsNote = (bytes[6] & OSC_LFO) ? "false" : "true";
        return ++*depth, next + " = runOscillator(" + u + ".oscillator, " + waveform + ", " + followsNote +
                             ", voice, " + slot + ", state.noiseSeed);";
    }
    case OP_FILTER:
        return top + " = runFilter(" + u + ".filter, " + std::to_string(bytes[2]) + ", voice, " + slot + ", " + top +
               ");";
    case OP_SHAPER:
        return "if (wordInt(voice[WORD_NOTE]) != 0) " + top + " = shapeWithCurve(" + top + ", " + u + ".shaperCurve);";
    case OP_DELAY:
        return top + " = runDelay(" + u + ".delay, " + std::to_string(bytes[5]) +
               ", state.delayPool, program.lineLengths, " + top + ");";
    case OP_STORE: return "runStore(" + u + ".store, voice, " + top + ");";
    case OP_PAN: return ++*depth, top + " = " + top + " / 2.0; " + next + " = " + top + ";";
    case OP_OUTPUT: return *depth -= 2, "runOutput(" + u + ".output, voice, " + slot + ", " + top + ", " + second + ");";
    case OP_MIX: {
        const std::string leftWord = bytes[0] == MIX_SEND ? "WORD_SEND_LEFT" : "WORD_MAIN_LEFT";
        return *depth += 2, "mixTrackOutputs(" + leftWord + ", state.voiceArea, " + value(d + 1) + ", " + next + ");";
    }
    case OP_STORE_REMOTE: return "runStoreRemote(" + u + ".store, voice, state.voiceArea, " + top + ");";
    default: break;  // OP_STACK
    }
    switch (bytes[0]) {
    case STACK_POP: return --*depth, "// pop";
    case STACK_ADD_POP: return --*depth, second + " = " + second + " + " + top + ";";
    case STACK_MUL_POP: return --*depth, second + " = " + second + " * " + top + ";";
    case STACK_DUP: return ++*depth, next + " = " + top + ";";
    case STACK_SWAP: return "std::swap(" + top + ", " + second + ");";
    case STACK_ADD: return top + " = " + top + " + " + second + ";";
    case STACK_MUL: return top + " = " + top + " * " + second + ";";
    default:  // STACK_ADD_PAIRS: (a, b) + (c, d) leaves a + c on top, b + d below
        *depth -= 2;
        return value(d - 4) + " = " + value(d - 4) + " + " + second + "; " + value(d - 3) + " = " + value(d - 3) +
               " + " + top + ";";
    }
}

}  // namespace

std::string instrumentRoutinesSource(const CompiledSong& song) {
    std::string out = "namespace {\n";
    size_t unitAt = 0, paramAt = 0;
    for (int voice = 0; voice < VOICE_COUNT; ++voice) {
        std::string body;
        int depth = 0, deepest = 0;
        for (int unit = 0; song.unitStream[unitAt] != OP_END; ++unit, ++unitAt) {
            const uint8_t opcode = song.unitStream[unitAt];
            body += "    " + unitStatement(opcode, &song.paramStream[paramAt], unit, &depth) + "  // " +
                    song.instrumentNames[voice] + " " + std::to_string(unit) + "\n";
            paramAt += UNIT_PARAM_BYTES[opcode];
            deepest = std::max(deepest, depth);
        }
        ++unitAt;
        out += "\nvoid instrument" + std::to_string(voice) + "(UnitProgram& program, SynthState& state) {\n";
        out += "    CompiledUnit* const u = program.units + " + std::to_string(voice * (MAX_UNITS + 1)) + ";\n";
        out += "    uint32_t* const voice = voiceRecord(state, " + std::to_string(voice) + ");\n";
        out += "    (void)u, (void)voice;\n";
        if (deepest > 0) {
            out += "    double s0 = 0.0";
            for (int d = 1; d < deepest; ++d) out += ", " + value(d) + " = 0.0";
            out += ";\n";
        }
        out += body + "}\n";
    }
    out += "\n}  // namespace\n\nconst InstrumentRoutine demoSongRoutines[VOICE_COUNT] = {\n   ";
    for (int voice = 0; voice < VOICE_COUNT; ++voice) out += " instrument" + std::to_string(voice) + ",";
    return out + "\n};\n";
}

// Writing the song's frames as one C++ routine: for each frame, each track's
// row step, unit list and bookkeeping, then the master's list, in the
// engine's order (synth_engine.h). Each list is written out unit by unit, the
// signal stack as local values (a stack operation is a move or one
// operation), each unit's parameters as constants made from its bytes, and
// what the tables settle as constants too:
// - a modulation word that no store of the song writes is 0 (LiveWords);
// - the voice's note word is read once for its list, where no unit of the
//   list can write it, and the list is written twice, for a sounding voice
//   and for a silent one, so that neither tests the note unit by unit;
// - where no store writes the note word either, the track's bookkeeping
//   runs for a sounding voice only (endSoundingTrackFrame);
// - a delay unit, a swap and a delay unit of as many lines (a stereo reverb)
//   run side by side, as a stereo pair (runDelayPair).
// The routine computes exactly what the engine's interpretation of the same
// tables does, operation for operation.
#include "tools/song_compiler/song_compiler.h"

#include "synth/song.h"

#include <algorithm>
#include <map>
#include <set>

namespace {

std::string str(int value) { return std::to_string(value); }
std::string value(int depth) { return "s" + str(depth); }

// The voice-area word an OP_STORE_REMOTE with these parameter bytes writes.
uint32_t remoteWord(const uint8_t* bytes) {
    return (bytes[1] | bytes[2] << 8 | bytes[3] << 16 | uint32_t(bytes[4]) << 24) / 4;
}

// Every word of the voice area that a store of the song writes.
std::set<int> storedWords(const CompiledSong& song) {
    std::set<int> words;
    size_t unitAt = 0, paramAt = 0;
    for (int voice = 0; voice < VOICE_COUNT; ++voice, ++unitAt) {
        for (; song.unitStream[unitAt] != OP_END; ++unitAt) {
            const uint8_t opcode = song.unitStream[unitAt];
            const uint8_t* bytes = &song.paramStream[paramAt];
            if (opcode == OP_STORE) words.insert(voice * VOICE_WORDS + WORD_FIRST_SLOT + bytes[1]);
            if (opcode == OP_STORE_REMOTE) words.insert(static_cast<int>(remoteWord(bytes)));
            paramAt += UNIT_PARAM_BYTES[opcode];
        }
    }
    return words;
}

struct ListWriter {
    const CompiledSong& song;
    const std::set<int>& stored;
    int voice;
    std::string constants;  // the units' parameters, before the routine
    int poolCursor;         // the delay pool's cursor where the list begins
    int stereoCursor;       // the first free line of the stereo pool
    std::map<int, int> stereoLines;  // the first stereo line of each pair, by its first unit

    std::string unitName(const char* kind, int unit) const { return kind + str(voice) + "_" + str(unit); }

    // The slot words of the unit that a store writes, as LiveWords.
    std::string live(int unit) const {
        const int first = voice * VOICE_WORDS + WORD_FIRST_SLOT + SLOT_WORDS * unit;
        int mask = 0;
        for (int w = 0; w < SLOT_WORDS; ++w) mask |= stored.count(first + w) << w;
        return str(mask);
    }

    // Declares the unit's parameters, made by `compile` from its bytes.
    std::string constant(const char* type, const char* kind, int unit, const std::string& compile) {
        constants += "const " + std::string(type) + " " + unitName(kind, unit) + " = " + compile + ";\n";
        return unitName(kind, unit);
    }

    // A delay unit's parameters and its lines' lengths; the pool's cursor
    // moves past its lines.
    void declareDelay(int unit, int paramAt) {
        const uint8_t* bytes = &song.paramStream[paramAt];
        constant("DelayUnit", "delay", unit,
                 "compileDelay(songParamStream + " + str(paramAt) + ", " + str(poolCursor) + ")");
        std::string lengths;
        for (int i = 0; i < bytes[5]; ++i) lengths += (i ? ", " : "") + str(delayLengths[bytes[4] + i]);
        constants += "const int32_t " + unitName("lengths", unit) + "[] = {" + lengths + "};\n";
        poolCursor += bytes[5];
    }

    // Whether the delay unit at unitAt, a swap and a delay unit of as many
    // lines run as a stereo pair (runDelayPair): their lines fit the stereo
    // pool and its rings.
    bool startsDelayPair(size_t unitAt, int paramAt) const {
        const uint8_t* units = &song.unitStream[unitAt];
        if (units[0] != OP_DELAY || units[1] != OP_STACK || units[2] != OP_DELAY) return false;
        const uint8_t* first = &song.paramStream[paramAt];
        const uint8_t* swap = first + UNIT_PARAM_BYTES[OP_DELAY];
        const uint8_t* second = swap + UNIT_PARAM_BYTES[OP_STACK];
        if (swap[0] != STACK_SWAP || first[5] != second[5] || stereoCursor + first[5] > STEREO_POOL_LINES) return false;
        for (int i = 0; i < first[5]; ++i) {
            if (delayLengths[first[4] + i] >= DELAY_LINE_SAMPLES / 2) return false;
            if (delayLengths[second[4] + i] >= DELAY_LINE_SAMPLES / 2) return false;
        }
        return true;
    }

    // The pair's statement, for units unit (the first delay) to unit + 2.
    std::string delayPair(int unit, int paramAt, int depth, bool declare, int* stereoLine) {
        if (declare) {
            declareDelay(unit, paramAt);
            declareDelay(unit + 2, paramAt + UNIT_PARAM_BYTES[OP_DELAY] + UNIT_PARAM_BYTES[OP_STACK]);
            *stereoLine = stereoCursor;
            stereoCursor += song.paramStream[paramAt + 5];
        }
        const std::string top = value(depth - 1), second = value(depth - 2);
        return "{ const DoublePair y = runDelayPair(" + unitName("delay", unit) + ", " + unitName("lengths", unit) +
               ", " + unitName("delay", unit + 2) + ", " + unitName("lengths", unit + 2) +
               ", state.delayPool, state.stereoPool + " + str(*stereoLine) + ", state.delayClock, DoublePair{" + top +
               ", " + second + "}); " + second + " = y[0]; " + top + " = y[1]; }";
    }

    // One unit's statement, `note` standing for the voice's note word. depth
    // is the stack's depth before it, and after it.
    std::string statement(uint8_t opcode, int paramAt, int unit, int* depth, const std::string& note, bool declare) {
        const uint8_t* bytes = &song.paramStream[paramAt];
        const std::string params = "songParamStream + " + str(paramAt);
        const std::string u = "u[" + str(unit) + "]";
        const std::string slot = "voice + " + str(WORD_FIRST_SLOT + SLOT_WORDS * unit);
        const int d = *depth;
        const std::string top = value(d - 1), second = value(d - 2), next = value(d);
        auto named = [&](const char* type, const char* kind, const char* compile) {
            if (declare) constant(type, kind, unit, std::string(compile) + "(" + params + ")");
            return unitName(kind, unit);
        };
        switch (opcode) {
        case OP_ENVELOPE:
            return ++*depth,
                   next + " = runEnvelope(" + u + ".envelope, " + live(unit) + ", " + note + ", voice, " + slot + ");";
        case OP_OSCILLATOR:
            return ++*depth, next + " = runOscillator(" + named("OscillatorUnit", "oscillator", "compileOscillator") +
                                 ", " + live(unit) + ", " + u + ".pitch, " + note + ", " + slot + ", state.noiseSeed);";
        case OP_FILTER:
            return top + " = runFilter(" + named("FilterUnit", "filter", "compileFilter") + ", " + note + ", " + slot +
                   ", " + top + ");";
        case OP_SHAPER:
            return "if (" + note + " != 0) " + top + " = shapeWithCurve(" + top + ", shapeCurve(songParamStream[" +
                   str(paramAt) + "] * PARAM_SCALE));";
        case OP_DELAY:
            if (declare) declareDelay(unit, paramAt);
            return top + " = runDelay(" + unitName("delay", unit) + ", state.delayPool, " + unitName("lengths", unit) +
                   ", state.delayClock, " + top + ");";
        case OP_STORE: return "runStore(" + named("StoreUnit", "store", "compileStore") + ", voice, " + top + ");";
        case OP_PAN: return ++*depth, top + " = " + top + " / 2.0; " + next + " = " + top + ";";
        case OP_OUTPUT:
            return *depth -= 2, "runOutput(" + named("OutputUnit", "output", "compileOutput") + ", " + live(unit) +
                                    ", voice, " + slot + ", " + top + ", " + second + ");";
        case OP_MIX: {
            const std::string leftWord = bytes[0] == MIX_SEND ? "WORD_SEND_LEFT" : "WORD_MAIN_LEFT";
            return *depth += 2,
                   "mixTrackOutputs(" + leftWord + ", state.voiceArea, " + value(d + 1) + ", " + next + ");";
        }
        case OP_STORE_REMOTE:
            return "runStoreRemote(" + named("StoreUnit", "store", "compileStoreRemote") + ", " + note +
                   ", state.voiceArea, " + top + ");";
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

    // The list's statements from unitAt/paramAt, indented; declares the
    // units' constants on the first of the calls for a list.
    std::string statements(size_t unitAt, int paramAt, const std::string& note, const std::string& indent,
                           bool declare, int* deepest) {
        std::string out;
        int depth = 0;
        for (int unit = 0; song.unitStream[unitAt] != OP_END; ++unit, ++unitAt) {
            const uint8_t opcode = song.unitStream[unitAt];
            const std::string where = "  // " + song.instrumentNames[voice] + " " + str(unit);
            if (startsDelayPair(unitAt, paramAt) || stereoLines.count(unit)) {
                out += indent + delayPair(unit, paramAt, depth, declare, &stereoLines[unit]) + where + " to " +
                       str(unit + 2) + "\n";
                for (int skipped = 0; skipped < 2; ++skipped) paramAt += UNIT_PARAM_BYTES[song.unitStream[unitAt++]];
                paramAt += UNIT_PARAM_BYTES[opcode];
                unit += 2;
                continue;
            }
            out += indent + statement(opcode, paramAt, unit, &depth, note, declare) + where + "\n";
            paramAt += UNIT_PARAM_BYTES[opcode];
            *deepest = std::max(*deepest, depth);
        }
        return out;
    }

    // Whether a unit of the list may write the voice's own note word.
    bool writesOwnNote(size_t unitAt, int paramAt) const {
        for (; song.unitStream[unitAt] != OP_END; ++unitAt) {
            const uint8_t opcode = song.unitStream[unitAt];
            const uint8_t* bytes = &song.paramStream[paramAt];
            const uint32_t ownNote = voice * VOICE_WORDS + WORD_NOTE;
            if (opcode == OP_STORE_REMOTE && remoteWord(bytes) == ownNote) return true;
            paramAt += UNIT_PARAM_BYTES[opcode];
        }
        return false;
    }

    // The list as a block of the routine; soundingEnd ends the list of a
    // sounding voice where the list is written twice.
    std::string block(size_t unitAt, int paramAt, const std::string& soundingEnd) {
        int deepest = 0;
        std::string body;
        if (writesOwnNote(unitAt, paramAt)) {
            body = statements(unitAt, paramAt, "wordInt(voice[WORD_NOTE])", "        ", true, &deepest);
        } else {
            body = "        const int32_t note = wordInt(voice[WORD_NOTE]);\n        if (note != 0) {\n" +
                   statements(unitAt, paramAt, "note", "            ", true, &deepest) + soundingEnd + "        } else {\n" +
                   statements(unitAt, paramAt, "0", "            ", false, &deepest) + "        }\n";
        }
        std::string out = "        CompiledUnit* const u = program.units + " + str(voice * (MAX_UNITS + 1)) + ";\n";
        out += "        uint32_t* const voice = voiceRecord(state, " + str(voice) + ");\n";
        out += "        (void)u;\n";
        if (deepest > 0) {
            out += "        double s0 = 0.0";
            for (int d = 1; d < deepest; ++d) out += ", " + value(d) + " = 0.0";
            out += ";\n";
        }
        return out + body;
    }
};

}  // namespace

std::string framesRoutineSource(const CompiledSong& song) {
    const std::set<int> stored = storedWords(song);
    std::string constants, frame;
    size_t unitAt = 0;
    int paramAt = 0, poolCursor = 0, stereoCursor = 0;
    for (int voice = 0; voice < VOICE_COUNT; ++voice) {
        const bool master = voice == MASTER_VOICE;
        const std::string endsWithFirstEnvelope = song.unitStream[unitAt] == OP_ENVELOPE ? "true" : "false";
        // A track's note word that no store writes changes only in the row
        // step and in its own bookkeeping: its bookkeeping is for a sounding
        // voice only (endSoundingTrackFrame), after the sounding list.
        const bool noteStored = stored.count(voice * VOICE_WORDS + WORD_NOTE) != 0;
        const std::string soundingEnd = master || noteStored ? ""
            : "            endSoundingTrackFrame(engine, " + str(voice) + ", " + endsWithFirstEnvelope + ", firstOfRow);\n";
        ListWriter list{song, stored, voice, "", poolCursor, stereoCursor, {}};
        const std::string block = list.block(unitAt, paramAt, soundingEnd);
        constants += "\n// " + song.instrumentNames[voice] + "\n" + list.constants;
        poolCursor = list.poolCursor;
        stereoCursor = list.stereoCursor;
        frame += "\n    // " + song.instrumentNames[voice] + "\n";
        frame += master ? "    startMasterFrame(engine);\n"
                        : "    startTrackFrame(engine, " + str(voice) + ", firstOfRow);\n";
        frame += "    {\n" + block + "    }\n";
        if (!master && noteStored) frame += "    endTrackFrame(engine, " + str(voice) + ", " + endsWithFirstEnvelope + ");\n";
        for (; song.unitStream[unitAt] != OP_END; ++unitAt) paramAt += UNIT_PARAM_BYTES[song.unitStream[unitAt]];
        ++unitAt;
    }
    // One frame's code in a loop over the frames asked for, so that a run of
    // frames costs one call.
    std::string indented;
    for (size_t at = 0; at < frame.size();) {
        const size_t end = frame.find('\n', at) + 1;
        if (end > at + 1) indented += "    ";
        indented += frame.substr(at, end - at);
        at = end;
    }
    return "namespace {\n" + constants + "\nint32_t songFrames(SynthEngine& engine, StereoFrame* out, int32_t count) {\n" +
           "    SynthState& state = engine.state;\n    UnitProgram& program = engine.program;\n" +
           "    for (int32_t frame = 0; frame < count;) {\n" +
           "        const bool firstOfRow = engine.frameInRow == 0;\n" + indented +
           "\n        out[frame++] = endFrame(engine);\n        if (engine.notesChanged) return frame;\n    }\n" +
           "    return count;\n}\n\n}  // namespace\n";
}

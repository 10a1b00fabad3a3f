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
//
// The same frames are also written split in three, where the tracks allow
// it (splitTracks): two groups of tracks, each a routine that renders a
// chunk of its tracks' frames into TrackFrames and keeps what the master
// needs apart, and the master's routine, which mixes the groups' frames. The
// two groups share nothing, so they may run on two threads.
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
    UnitReader reader = unitReader(song);
    for (int voice = 0; voice < VOICE_COUNT; ++voice) {
        while (nextUnitOfList(reader)) {
            const uint8_t* bytes = reader.bytes;
            if (reader.opcode == OP_STORE) words.insert(voice * VOICE_WORDS + WORD_FIRST_SLOT + bytes[1]);
            if (reader.opcode == OP_STORE_REMOTE) words.insert(static_cast<int>(remoteWord(bytes)));
        }
    }
    return words;
}

// What a routine calls the things that differ between the whole frames and
// the split ones.
struct RoutineNames {
    std::string voiceArea;  // the voice area the tracks' records are in
    std::string noiseSeed;
    std::string dcBlockers; // the array of DC blockers by pool record; empty: in the pool
    std::string row;        // the song row of the frame
    std::string clock;      // the delay clock
    std::string keptNotes;  // the array of note words the bookkeeping keeps
    std::string changed;    // the flag it sets
    // Master words that the tracks store into, by word, as the index of
    // engine.masterStores that stands for each; null in the whole frames.
    const std::map<int, int>* masterStores;
    bool mixesTrackFrames;  // the master mixes TrackFrames, not the voice area
};

const RoutineNames WHOLE_FRAME_NAMES = {"state.voiceArea",   "state.noiseSeed", "",      "engine.row",
                                        "state.delayClock",  "engine.trackNotes", "engine.notesChanged",
                                        nullptr,             false};
const RoutineNames GROUP_NAMES = {"group.voiceArea", "group.noiseSeed", "group.dcBlockers", "row", "clock",
                                  "group.keptNotes", "notesChanged",    nullptr,            false};
const RoutineNames MASTER_NAMES = {"state.voiceArea",   "state.noiseSeed", "",      "engine.row",
                                   "state.delayClock",  "engine.trackNotes", "engine.notesChanged",
                                   nullptr,             true};

struct ListWriter {
    const CompiledSong& song;
    const std::set<int>& stored;
    const RoutineNames* names;
    int voice;
    std::string constants;  // the units' parameters, before the routine
    int poolCursor;         // the delay pool's cursor where the list begins
    int stereoCursor;       // the first free line of the stereo pool
    std::map<int, int> stereoLines;  // the first stereo line of each pair, by its first unit
    std::map<int, int> blockerRecords;  // each delay unit's DC blocker's pool record

    // The delay unit's DC blocker, where the routine keeps it.
    std::string blocker(int unit) const {
        const std::string record = str(blockerRecords.at(unit));
        return names->dcBlockers.empty() ? "state.delayPool[" + record + "].dcBlocker"
                                         : names->dcBlockers + "[" + record + "]";
    }

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
    void declareDelay(const UnitReader& delay) {
        const uint8_t* bytes = delay.bytes;
        const int unit = delay.unit;
        constant("DelayUnit", "delay", unit,
                 "compileDelay(songParamStream + " + str(delay.bytesAt) + ", " + str(poolCursor) + ")");
        std::string lengths;
        for (int i = 0; i < bytes[5]; ++i) lengths += (i ? ", " : "") + str(delayLengths[bytes[4] + i]);
        constants += "const int32_t " + unitName("lengths", unit) + "[] = {" + lengths + "};\n";
        poolCursor += bytes[5];
        blockerRecords[unit] = poolCursor;
    }

    // Whether the delay unit just read, a swap and a delay unit of as many
    // lines run as a stereo pair (runDelayPair): their lines fit the stereo
    // pool and its rings.
    bool startsDelayPair(const UnitReader& unit) const {
        if (unit.opcode != OP_DELAY) return false;
        UnitReader next = unit;
        if (!nextUnitOfList(next) || next.opcode != OP_STACK || next.bytes[0] != STACK_SWAP) return false;
        if (!nextUnitOfList(next) || next.opcode != OP_DELAY) return false;
        const uint8_t* first = unit.bytes;
        const uint8_t* second = next.bytes;
        if (first[5] != second[5] || stereoCursor + first[5] > STEREO_POOL_LINES) return false;
        for (int i = 0; i < first[5]; ++i) {
            if (delayLengths[first[4] + i] >= DELAY_LINE_SAMPLES / 2) return false;
            if (delayLengths[second[4] + i] >= DELAY_LINE_SAMPLES / 2) return false;
        }
        return true;
    }

    // The pair's statement, for the first delay unit to the second.
    std::string delayPair(const UnitReader& first, const UnitReader& last, int depth, bool declare,
                          int* stereoLine) {
        const int unit = first.unit;
        if (declare) {
            declareDelay(first);
            declareDelay(last);
            *stereoLine = stereoCursor;
            stereoCursor += first.bytes[5];
        }
        const std::string top = value(depth - 1), second = value(depth - 2);
        return "{ const DoublePair y = runDelayPair(" + unitName("delay", unit) + ", " + unitName("lengths", unit) +
               ", " + unitName("delay", unit + 2) + ", " + unitName("lengths", unit + 2) +
               ", state.delayPool, state.stereoPool + " + str(*stereoLine) + ", " + names->clock + ", DoublePair{" + top +
               ", " + second + "}, " + blocker(unit) + ", " + blocker(unit + 2) + "); " + second + " = y[0]; " + top +
               " = y[1]; }";
    }

    // What a unit's statement names: the unit and its place in the
    // parameters, its slot, the voice's note word, and the stack's values
    // around the depth before it: `above` is the place a push fills and
    // `aboveAbove` the one a second push fills, `top` and `second` the two
    // values under it, `third` and `fourth` the two under those.
    struct UnitPlace {
        const UnitReader& unit;
        std::string note, decoded, slot, params;
        std::string aboveAbove, above, top, second, third, fourth;
        bool declare;
    };

    // The unit's parameters as a named constant made by `compile` from its
    // bytes (declared by the first routine written).
    std::string named(const UnitPlace& p, const char* type, const char* kind, const char* compile) {
        if (p.declare) constant(type, kind, p.unit.unit, std::string(compile) + "(" + p.params + ")");
        return unitName(kind, p.unit.unit);
    }

    std::string emitEnvelope(const UnitPlace& p) {
        return p.above + " = runEnvelope(" + p.decoded + ".envelope, " + live(p.unit.unit) + ", " + p.note +
               ", voice, " + p.slot + ");";
    }
    std::string emitOscillator(const UnitPlace& p) {
        return p.above + " = runOscillator(" + named(p, "OscillatorUnit", "oscillator", "compileOscillator") + ", " +
               live(p.unit.unit) + ", " + p.decoded + ".pitch, " + p.note + ", " + p.slot + ", " + names->noiseSeed +
               ");";
    }
    std::string emitFilter(const UnitPlace& p) {
        return p.top + " = runFilter(" + named(p, "FilterUnit", "filter", "compileFilter") + ", " + p.note + ", " +
               p.slot + ", " + p.top + ");";
    }
    std::string emitShaper(const UnitPlace& p) {
        return "if (" + p.note + " != 0) " + p.top + " = shapeWithCurve(" + p.top + ", shapeCurve(songParamStream[" +
               str(p.unit.bytesAt) + "] * PARAM_SCALE));";
    }
    std::string emitDelay(const UnitPlace& p) {
        if (p.declare) declareDelay(p.unit);
        const int unit = p.unit.unit;
        return p.top + " = runDelay(" + unitName("delay", unit) + ", state.delayPool, " + unitName("lengths", unit) +
               ", " + names->clock + ", " + p.top + ", " + blocker(unit) + ");";
    }
    std::string emitStore(const UnitPlace& p) {
        return "runStore(" + named(p, "StoreUnit", "store", "compileStore") + ", voice, " + p.top + ");";
    }
    std::string emitPan(const UnitPlace& p) { return p.top + " = " + p.top + " / 2.0; " + p.above + " = " + p.top + ";"; }
    // Left is the top, right the value under it.
    std::string emitOutput(const UnitPlace& p) {
        return "runOutput(" + named(p, "OutputUnit", "output", "compileOutput") + ", " + live(p.unit.unit) +
               ", voice, " + p.slot + ", " + p.top + ", " + p.second + ");";
    }
    // Pushes right, then left: left lands one above `above`.
    std::string emitMix(const UnitPlace& p) {
        const std::string leftWord = p.unit.bytes[0] == MIX_SEND ? "WORD_SEND_LEFT" : "WORD_MAIN_LEFT";
        const std::string sum = names->mixesTrackFrames ? "mixTrackFrames(" + leftWord + ", frames, frame, "
                                                        : "mixTrackOutputs(" + leftWord + ", state.voiceArea, ";
        return sum + p.aboveAbove + ", " + p.above + ");";
    }
    std::string emitStoreRemote(const UnitPlace& p) {
        const int word = static_cast<int>(remoteWord(p.unit.bytes));
        const bool kept = names->masterStores && names->masterStores->count(word);
        const std::string target = kept ? "group.masterStores[" + str(names->masterStores->at(word)) + "]"
                                        : names->voiceArea + "[" + str(word) + "]";
        return "runStoreRemote(" + named(p, "StoreUnit", "store", "compileStoreRemote") + ", " + p.note + ", " +
               target + ", " + p.top + ");";
    }
    // Each operation over the values it names: T the top, S second, C third,
    // D fourth, N the place above the top.
    static std::string emitStack(const UnitPlace& p) {
        static const char* const forms[] = {
            "// pop",         "S = S + T;", "S = S * T;", "N = T;",
            "std::swap(T, S);", "T = T + S;", "T = T * S;",
            "D = D + S; C = C + T;",  // (a, b) + (c, d) leaves a + c on top, b + d below
        };
        std::string out;
        for (const char* c = forms[p.unit.bytes[0] - STACK_POP]; *c; ++c) {
            switch (*c) {
            case 'T': out += p.top; break;
            case 'S': out += p.second; break;
            case 'C': out += p.third; break;
            case 'D': out += p.fourth; break;
            case 'N': out += p.above; break;
            default: out += *c; break;
            }
        }
        return out;
    }

    // One unit's statement, `note` standing for the voice's note word; depth
    // is the stack's depth before it (the unit table says what it is after).
    std::string statement(const UnitReader& reader, int depth, const std::string& note, bool declare) {
        const int unit = reader.unit;
        const UnitPlace p = {reader,
                             note,
                             "u[" + str(unit) + "]",
                             "voice + " + str(WORD_FIRST_SLOT + SLOT_WORDS * unit),
                             "songParamStream + " + str(reader.bytesAt),
                             value(depth + 1),
                             value(depth),
                             value(depth - 1),
                             value(depth - 2),
                             value(depth - 3),
                             value(depth - 4),
                             declare};
        switch (reader.opcode) {
#define SYNTH_EMIT(NAME, code, Kind, member) \
    case OP_##NAME: return emit##Kind(p);
            SYNTH_UNIT_KINDS(SYNTH_EMIT, SYNTH_EMIT)
#undef SYNTH_EMIT
        }
        return "";  // no unit: the song was validated
    }

    // The list's statements from the reader at its start, indented;
    // declares the units' constants on the first of the calls for a list.
    std::string statements(UnitReader reader, const std::string& note, const std::string& indent, bool declare,
                           int* deepest) {
        std::string out;
        int depth = 0;
        while (nextUnitOfList(reader)) {
            const int unit = reader.unit;
            const std::string where = "  // " + song.instrumentNames[voice] + " " + str(unit);
            if (stereoLines.count(unit) || startsDelayPair(reader)) {
                UnitReader second = reader;
                nextUnitOfList(second);
                nextUnitOfList(second);
                out += indent + delayPair(reader, second, depth, declare, &stereoLines[unit]) + where + " to " +
                       str(second.unit) + "\n";
                reader = second;
                continue;
            }
            out += indent + statement(reader, depth, note, declare) + where + "\n";
            depth += unitStackEffect(reader.opcode, reader.bytes).change;
            *deepest = std::max(*deepest, depth);
        }
        return out;
    }

    // Whether a unit of the list may write the voice's own note word.
    bool writesOwnNote(UnitReader reader) const {
        const uint32_t ownNote = voice * VOICE_WORDS + WORD_NOTE;
        while (nextUnitOfList(reader)) {
            if (reader.opcode == OP_STORE_REMOTE && remoteWord(reader.bytes) == ownNote) return true;
        }
        return false;
    }

    // The list as a block of the routine; soundingEnd ends the list of a
    // sounding voice where the list is written twice. declare: the first
    // routine written declares the units' constants.
    std::string block(const UnitReader& start, const std::string& soundingEnd, bool declare) {
        int deepest = 0;
        std::string body;
        if (writesOwnNote(start)) {
            body = statements(start, "wordInt(voice[WORD_NOTE])", "        ", declare, &deepest);
        } else {
            // The sounding list first: it declares what the silent one names.
            const std::string sounding = statements(start, "note", "            ", declare, &deepest);
            body = "        const int32_t note = wordInt(voice[WORD_NOTE]);\n        if (note != 0) {\n" + sounding +
                   soundingEnd + "        } else {\n" +
                   statements(start, "0", "            ", false, &deepest) + "        }\n";
        }
        std::string out = "        CompiledUnit* const u = program.units + " + str(voice * (MAX_UNITS + 1)) + ";\n";
        out += "        uint32_t* const voice = voiceRecord(" + names->voiceArea + ", " + str(voice) + ");\n";
        out += "        (void)u;\n";
        if (deepest > 0) {
            // A list may leave values on the stack that nothing reads.
            out += "        [[maybe_unused]] double s0 = 0.0";
            for (int d = 1; d < deepest; ++d) out += ", " + value(d) + " = 0.0";
            out += ";\n";
        }
        return out + body;
    }
};

// Each voice's list as the whole frames first wrote it, to be written again
// for the split routines with other names.
struct VoiceLists {
    std::vector<ListWriter> lists;
    std::vector<UnitReader> starts;
};

// A voice's frame: the row step (or the master's start), the list and the
// bookkeeping, with the routine's names.
std::string voiceFrame(ListWriter& list, const UnitReader& start, bool declare) {
    const CompiledSong& song = list.song;
    const RoutineNames& names = *list.names;
    const int voice = list.voice;
    const bool master = voice == MASTER_VOICE;
    UnitReader first = start;
    const std::string endsWithFirstEnvelope = nextUnitOfList(first) && first.opcode == OP_ENVELOPE ? "true" : "false";
    const std::string kept = names.keptNotes + "[" + str(voice) + "], " + names.changed;
    // A track's note word that no store writes changes only in the row step
    // and in its own bookkeeping: its bookkeeping is for a sounding voice
    // only (endSoundingTrackFrame), after the sounding list.
    const bool noteStored = list.stored.count(voice * VOICE_WORDS + WORD_NOTE) != 0;
    const std::string soundingEnd = master || noteStored ? ""
        : "            endSoundingTrackFrame(" + names.voiceArea + ", " + str(voice) + ", " + endsWithFirstEnvelope +
              ", firstOfRow, " + kept + ");\n";
    std::string frame = "\n// " + song.instrumentNames[voice] + "\n";
    frame += master ? "startMasterFrame(engine);\n"
                    : "startTrackFrame(engine.song, " + names.voiceArea + ", " + str(voice) + ", " + names.row +
                          ", firstOfRow);\n";
    std::string block = list.block(start, soundingEnd, declare);
    for (size_t at = 0; at < block.size();) {  // one level less
        block.erase(at, 4);
        const size_t end = block.find('\n', at);
        if (end == std::string::npos) break;
        at = end + 1;
    }
    frame += "{\n" + block + "}\n";
    if (!master && noteStored) {
        frame += "endTrackFrame(" + names.voiceArea + ", " + str(voice) + ", " + endsWithFirstEnvelope + ", " + kept +
                 ");\n";
    }
    return frame;
}

// A frame's statements, indented as a loop's body (by `levels` of four spaces).
std::string indented(const std::string& lines, int levels) {
    std::string out;
    for (size_t at = 0; at < lines.size();) {
        const size_t end = lines.find('\n', at) + 1;
        if (end > at + 1) out += std::string(4 * levels, ' ');
        out += lines.substr(at, end - at);
        at = end;
    }
    return out;
}

// The routine's opening: the engine's state and program by name (a group
// whose tracks have no delay or noise may use no state).
const char* const ROUTINE_START =
    "    [[maybe_unused]] SynthState& state = engine.state;\n    UnitProgram& program = engine.program;\n";

// The whole frames (songFrames), declaring every unit's constants; fills
// lists for the split routines.
std::string wholeFramesRoutine(const CompiledSong& song, const std::set<int>& stored, std::string* constants,
                               VoiceLists* lists) {
    std::string frame;
    UnitReader reader = unitReader(song);
    int poolCursor = 0, stereoCursor = 0;
    for (int voice = 0; voice < VOICE_COUNT; ++voice) {
        ListWriter list{song, stored, &WHOLE_FRAME_NAMES, voice, "", poolCursor, stereoCursor, {}, {}};
        frame += voiceFrame(list, reader, true);
        *constants += "\n// " + song.instrumentNames[voice] + "\n" + list.constants;
        poolCursor = list.poolCursor;
        stereoCursor = list.stereoCursor;
        lists->lists.push_back(list);
        lists->starts.push_back(reader);
        skipList(reader);
    }
    // One frame's code in a loop over the frames asked for, so that a run of
    // frames costs one call.
    return std::string("int32_t songFrames(SynthEngine& engine, StereoFrame* out, int32_t count) {\n") +
           ROUTINE_START + "    for (int32_t frame = 0; frame < count;) {\n" +
           "        const bool firstOfRow = engine.frameInRow == 0;\n" + indented(frame, 2) +
           "\n        out[frame++] = endFrame(engine);\n        if (engine.notesChanged) return frame;\n    }\n" +
           "    return count;\n}\n";
}

// Group g's routine (songTrackGroup0 or 1): its tracks' frames, each left in
// TrackFrames with the master words its tracks store into.
std::string trackGroupRoutine(const TrackSplit& split, int group, const std::map<int, int>& masterStores,
                              VoiceLists& lists) {
    RoutineNames names = GROUP_NAMES;
    names.masterStores = &masterStores;
    std::string frame, keep, notes;
    for (int track = 0; track < TRACK_COUNT; ++track) {
        if (split.groupOfTrack[track] != group) continue;
        ListWriter& list = lists.lists[track];
        list.names = &names;
        frame += voiceFrame(list, lists.starts[track], false);
        keep += "keepTrackOutputs(frames, frame, group.voiceArea, " + str(track) + ");\n";
        notes += "    frames.notes[" + str(track) + "][frame] = group.keptNotes[" + str(track) + "];\n";
    }
    for (const auto& [word, index] : masterStores) {
        if (split.groupOfMasterStore.at(word) != group) continue;
        keep += "frames.masterStores[" + str(index) + "][frame] = group.masterStores[" + str(index) + "];\n";
    }
    keep += "frames.notesChanged[" + str(group) + "][frame] = notesChanged;\nif (notesChanged) {\n" + notes + "}\n";
    return "void songTrackGroup" + str(group) +
           "(SynthEngine& engine, TrackRunStart start, TrackFrames& frames, int32_t count) {\n" + ROUTINE_START +
           "    TrackGroupState& group = engine.groups[" + str(group) + "];\n" +
           "    int32_t row = start.row, frameInRow = start.frameInRow;\n" +
           "    uint32_t clock = start.delayClock;\n    (void)clock;\n" +
           "    for (int32_t frame = 0; frame < count; ++frame) {\n" +
           "        const bool firstOfRow = frameInRow == 0;\n        bool notesChanged = false;\n" +
           indented(frame, 2) + "\n" + indented(keep, 2) + "        ++clock;\n" +
           "        advanceRowFrame(row, frameInRow);\n    }\n}\n";
}

// The master's routine (songMasterFrames): the groups' frames mixed, the
// master words they kept put in place first, and the note words taken where
// a group's changed.
std::string masterRoutine(const TrackSplit& split, const std::map<int, int>& masterStores, VoiceLists& lists) {
    std::string take;
    for (const auto& [word, index] : masterStores) {
        take += "master[" + str(word - MASTER_VOICE * VOICE_WORDS) + "] = frames.masterStores[" + str(index) +
                "][frame];\n";
    }
    for (int group = 0; group < TRACK_GROUPS; ++group) {
        take += "if (frames.notesChanged[" + str(group) + "][frame]) {\n";
        for (int track = 0; track < TRACK_COUNT; ++track) {
            if (split.groupOfTrack[track] != group) continue;
            take += "    engine.trackNotes[" + str(track) + "] = frames.notes[" + str(track) + "][frame];\n";
        }
        take += "    engine.notesChanged = true;\n}\n";
    }
    ListWriter& list = lists.lists[MASTER_VOICE];
    list.names = &MASTER_NAMES;
    const std::string frame = voiceFrame(list, lists.starts[MASTER_VOICE], false);
    return std::string("int32_t songMasterFrames(SynthEngine& engine, const TrackFrames& frames, int32_t first, ") +
           "StereoFrame* out, int32_t count) {\n" + ROUTINE_START +
           "    uint32_t* const master = voiceRecord(state, MASTER_VOICE);\n    (void)master;\n" +
           "    for (int32_t done = 0; done < count;) {\n        const int32_t frame = first + done;\n" +
           indented(take, 2) + indented(frame, 2) +
           "\n        out[done++] = endFrame(engine);\n        if (engine.notesChanged) return done;\n    }\n" +
           "    return count;\n}\n";
}

}  // namespace

TrackSplit splitTracks(const CompiledSong& song) {
    // Union-find over the tracks: joined where one stores into the other,
    // where both draw from the noise generator (the draws' order is the
    // frame's), or where both store into the same master word.
    int parent[TRACK_COUNT];
    for (int track = 0; track < TRACK_COUNT; ++track) parent[track] = track;
    auto root = [&parent](int track) {
        while (parent[track] != track) track = parent[track] = parent[parent[track]];
        return track;
    };
    auto join = [&](int a, int b) { parent[root(a)] = root(b); };

    TrackSplit none, split;
    double cost[VOICE_COUNT] = {};
    int noiseTrack = -1;
    bool masterNoise = false;
    std::set<int> masterOwnStores;  // master words its own OP_STORE writes
    std::map<int, int> masterStorer;  // master word: the first track that stores into it
    std::vector<uint8_t> masterUnits;
    UnitReader reader = unitReader(song);
    for (int voice = 0; voice < VOICE_COUNT; ++voice) {
        const bool master = voice == MASTER_VOICE;
        while (nextUnitOfList(reader)) {
            const uint8_t opcode = reader.opcode;
            const uint8_t* bytes = reader.bytes;
            if (master) masterUnits.push_back(opcode);
            cost[voice] += unitDescription(opcode).cost;
            const uint8_t waveform = opcode == OP_OSCILLATOR ? (bytes[6] & OSC_WAVEFORMS) : 0;
            if (opcode == OP_OSCILLATOR && waveform != OSC_SINE && waveform != OSC_TRIANGLE && waveform != OSC_PULSE) {
                if (master) masterNoise = true;
                else if (noiseTrack < 0) noiseTrack = voice;
                else join(voice, noiseTrack);
            }
            if (opcode == OP_STORE && master) {
                masterOwnStores.insert(MASTER_VOICE * VOICE_WORDS + WORD_FIRST_SLOT + bytes[1]);
            }
            // A track that mixes the tracks' outputs reads every other track's
            // record, as the frame's order leaves it.
            if (opcode == OP_MIX && !master) return none;
            if (opcode != OP_STORE_REMOTE) continue;
            const int word = static_cast<int>(remoteWord(bytes));
            const int target = word / VOICE_WORDS;
            if (master) return none;  // the master runs after both groups
            if (target != MASTER_VOICE) {
                join(voice, target);
            } else if (!masterStorer.count(word)) {
                masterStorer[word] = voice;
            } else {
                join(voice, masterStorer[word]);
            }
        }
    }
    if (masterNoise && noiseTrack >= 0) return none;
    if (masterStorer.size() > MASTER_STORE_WORDS) return none;
    // A master word a track stores into must be one only that store writes:
    // a modulation word of one of the master's outputs.
    for (const auto& [word, track] : masterStorer) {
        const int slotWord = word - MASTER_VOICE * VOICE_WORDS - WORD_FIRST_SLOT;
        const size_t unit = static_cast<size_t>(slotWord / SLOT_WORDS);
        if (slotWord < 0 || unit >= masterUnits.size() || masterUnits[unit] != OP_OUTPUT) return none;
        if (masterOwnStores.count(word)) return none;
    }

    // The joined sets, heaviest first, each to the group with less work so
    // far; group 0 runs the master too.
    std::vector<std::pair<double, int>> sets;
    for (int track = 0; track < TRACK_COUNT; ++track) {
        if (root(track) != track) continue;
        double work = 0;
        for (int other = 0; other < TRACK_COUNT; ++other) work += root(other) == track ? cost[other] : 0;
        sets.push_back({-work, track});
    }
    if (sets.size() < 2) return none;
    std::sort(sets.begin(), sets.end());
    double load[TRACK_GROUPS] = {cost[MASTER_VOICE], 0};
    std::map<int, int> groupOfSet;
    for (const auto& [negativeWork, set] : sets) {
        const int group = load[1] < load[0] ? 1 : 0;
        groupOfSet[set] = group;
        load[group] -= negativeWork;
    }
    for (int track = 0; track < TRACK_COUNT; ++track) split.groupOfTrack.push_back(groupOfSet[root(track)]);
    for (const auto& [word, track] : masterStorer) split.groupOfMasterStore[word] = split.groupOfTrack[track];
    return split;
}

std::string framesRoutineSource(const CompiledSong& song) {
    const std::set<int> stored = storedWords(song);
    std::string constants;
    VoiceLists lists;
    const std::string whole = wholeFramesRoutine(song, stored, &constants, &lists);
    const TrackSplit split = splitTracks(song);
    std::string out = "namespace {\n" + constants + "\n" + whole;
    if (!split.groupOfTrack.empty()) {
        std::map<int, int> masterStores;
        for (const auto& [word, group] : split.groupOfMasterStore) {
            masterStores[word] = static_cast<int>(masterStores.size());
        }
        out += "\n" + trackGroupRoutine(split, 0, masterStores, lists) + "\n" +
               trackGroupRoutine(split, 1, masterStores, lists) + "\n" + masterRoutine(split, masterStores, lists);
    }
    return out + "\n}  // namespace\n";
}

// corpus-song-writer KIND OUT.cpp NAME: one song of the differential test's
// corpus, made of bytes and written by the song compiler's own writer as the
// Song NAME. KIND is "units" (the test song's instruments: every unit,
// waveform, filter output and stack operation, tracks that mix the others),
// "note_stores" (see noteStores), or
// "randomN" (seeded random units that the validator accepts; with odd seeds
// no track mixes and the master stores into no track, so that the tracks may
// split).
#include "synth/song_validator.h"
#include "synth/unit_table.h"
#include "tests/unit/synth/test_song.h"
#include "tests/unit/synth/test_song_builder.h"
#include "tools/song_compiler/song_compiler.h"

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

// Every track plays this from the first row on: note-ons, holds, releases, a
// note-on in a release.
void playFromTheStart(SongBuilder& b) {
    for (int track = 0; track < TRACK_COUNT; ++track) b.play(track, {60 + track, 1, 64, 0, 1, 57, 1, 1, 0, 67, 62, 0});
}

// The track's stack holds one value more (an envelope times a sine), then
// what `units` leave, sent to the master.
void addVoice(SongBuilder& b, int track, const std::vector<int>& units) {
    b.add(track, {K(128), OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_SINE, OP_STACK, STACK_MUL_POP});
    b.add(track, units);
    b.add(track, {OP_PAN, OP_OUTPUT, 64, 64});
}

void addTheDemosMaster(SongBuilder& b) {
    b.add(MASTER_VOICE, {OP_MIX, MIX_SEND, OP_DELAY, 40, 128, 125, 64, 0, 8, OP_STACK, STACK_SWAP,
                         OP_DELAY, 40, 128, 125, 64, 8, 8, OP_STACK, STACK_SWAP, OP_MIX, MIX_MAIN,
                         OP_STACK, STACK_ADD_PAIRS, OP_OUTPUT, 48, 0});
}

// The note words stored into, a stereo delay pair in a track (which leaves
// the master's too few stereo lines for its own pair), a track modulating the
// master's output: the tracks split.
void noteStores(SongBuilder& b) {
    addVoice(b, 0, {REMOTE(64, voiceByte(0, WORD_NOTE))});  // its own note word, to 0 (silence)
    addVoice(b, 1, {REMOTE(64, voiceByte(4, WORD_NOTE))});  // another track's
    addVoice(b, 2, {OP_STACK, STACK_DUP, OP_DELAY, 64, 128, 80, 64, 0, 2, OP_STACK, STACK_SWAP,
                    OP_DELAY, 64, 128, 80, 64, 2, 2, OP_STACK, STACK_ADD_POP});
    addVoice(b, 3, {REMOTE(100, voiceByte(MASTER_VOICE, slot(7, 1)))});  // the master output's gain
    for (int track = 4; track < TRACK_COUNT; ++track) addVoice(b, track, {OP_FILTER, 20 + 8 * track, 80, FILTER_LOW});
    addTheDemosMaster(b);
}

// Random parameter bytes for the unit; delay lines as the pool allows.
std::vector<int> randomUnit(std::mt19937& random, uint8_t opcode, int depth, int& poolLines, bool remoteToMaster) {
    auto below = [&random](int n) { return static_cast<int>(random() % static_cast<uint32_t>(n)); };
    std::vector<int> unit = {opcode};
    for (int i = 0; i < unitParamBytes(opcode); ++i) unit.push_back(below(256));
    int* bytes = &unit[1];
    const int shapes[] = {OSC_SINE, OSC_TRIANGLE, OSC_PULSE, OSC_NOISE};
    switch (opcode) {
    case OP_OSCILLATOR:
        bytes[3] = 1 + below(127);
        bytes[4] = 1 + below(127);
        bytes[6] = shapes[below(4)] | (below(3) == 0 ? OSC_LFO : 0);
        break;
    case OP_FILTER: bytes[2] = below(16); break;
    case OP_SHAPER: bytes[0] = 1 + below(127); break;
    case OP_DELAY:
        bytes[2] = below(120);
        bytes[4] = below(DELAY_LENGTH_COUNT);
        bytes[5] = 1 + below(DELAY_LENGTH_COUNT - bytes[4]);
        if (poolLines + bytes[5] + 1 > DELAY_POOL_LINES) return {};
        poolLines += bytes[5];
        break;
    case OP_STACK: {
        const StackOperation& operation = STACK_OPERATIONS[below(STACK_ADD_PAIRS)];
        if (depth < operation.effect.needs) return {};
        bytes[0] = operation.operation;
        break;
    }
    case OP_MIX: bytes[0] = below(2) ? MIX_MAIN : MIX_SEND; break;
    case OP_STORE_REMOTE: {
        const int voice = below(remoteToMaster ? VOICE_COUNT : TRACK_COUNT);
        // A note word takes 0 (silence): any other value is no note.
        const bool note = below(8) == 0;
        if (note) bytes[0] = 64;
        const int offset = voiceByte(voice, note ? WORD_NOTE : WORD_FIRST_SLOT + below(UNIT_AREA_WORDS));
        for (int b = 0; b < 4; ++b) bytes[1 + b] = offset >> (8 * b) & 255;
        break;
    }
    default: break;
    }
    return unit;
}

void randomSong(SongBuilder& b, uint32_t seed) {
    std::mt19937 random(seed);
    int poolLines = 0;
    for (int voice = 0; voice < VOICE_COUNT; ++voice) {
        const bool master = voice == MASTER_VOICE;
        // The master hears the tracks.
        std::vector<int> units = master ? std::vector<int>{OP_MIX, MIX_MAIN} : std::vector<int>{};
        int depth = master ? 2 : 0;
        for (int n = 3 + static_cast<int>(random() % 8); n > 0;) {
            const uint8_t opcode = static_cast<uint8_t>(OP_ENVELOPE + random() % (OP_COUNT - 1));
            if (seed % 2 && (master ? opcode == OP_STORE_REMOTE : opcode == OP_MIX)) continue;
            const std::vector<int> unit = randomUnit(random, opcode, depth, poolLines, !(seed % 2));
            if (unit.empty()) continue;
            const StackEffect effect = unitStackEffect(opcode, std::vector<uint8_t>(unit.begin() + 1, unit.end()).data());
            if (depth < effect.needs || depth + effect.change > STACK_DEPTH - 1) continue;
            depth += effect.change;
            units.insert(units.end(), unit.begin(), unit.end());
            --n;
        }
        if (depth == 0) units.insert(units.end(), {K(100)});
        b.add(voice, units);
        b.add(voice, {OP_PAN, OP_OUTPUT, 40, 40});
    }
}

CompiledSong compiled(const Song& song) {
    CompiledSong out;
    out.patterns.assign(song.patterns, song.patterns + song.patternCount * ROWS_PER_PATTERN);
    out.orderList.assign(song.orderList, song.orderList + TRACK_COUNT * ORDER_POSITIONS);
    out.unitStream.assign(song.unitStream, song.unitStream + song.unitStreamSize);
    out.paramStream.assign(song.paramStream, song.paramStream + song.paramStreamSize);
    for (int n = 0; n < song.patternCount; ++n) out.patternNames.push_back("p" + std::to_string(n));
    for (int t = 0; t < TRACK_COUNT; ++t) out.instrumentNames.push_back("t" + std::to_string(t));
    out.instrumentNames.push_back("master");
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    SongBuilder b;
    playFromTheStart(b);
    const std::string kind = argv[1];
    if (kind == "note_stores") {
        noteStores(b);
    } else if (kind.rfind("random", 0) == 0) {
        randomSong(b, static_cast<uint32_t>(std::stoi(kind.substr(6))));
    } else if (kind != "units") {
        return 2;
    }
    Song song = b.song();
    if (kind == "units") {
        const Song& test = testSong();
        song.unitStream = test.unitStream;
        song.unitStreamSize = test.unitStreamSize;
        song.paramStream = test.paramStream;
        song.paramStreamSize = test.paramStreamSize;
    }
    SongFault fault{};
    if (!validateSong(song, &fault)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], fault.message);
        return 1;
    }
    FILE* out = std::fopen(argv[2], "wb");
    const std::string text = songTablesSource(compiled(song), "corpus song " + kind, argv[3]);
    const bool written = out && std::fwrite(text.data(), 1, text.size(), out) == text.size();
    return out && std::fclose(out) == 0 && written ? 0 : 1;
}

// The song compiler: the bytes it makes of a small source, and the faults it
// names with their line.
#include "tools/song_compiler/song_compiler.h"
#include "tools/song_compiler/unit_catalogue.h"

#include "synth/song.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

// A small valid song as source lines: twelve one-envelope instruments, the
// master of the format, two patterns and an order list that plays them.
struct Source {
    std::vector<std::string> lines;

    Source() {
        for (int t = 0; t < TRACK_COUNT; ++t) {
            add("instrument " + std::to_string(t) + " t" + std::to_string(t));
            add("  amp: envelope attack=0 decay=0 sustain=128 release=0 gain=128");
            add("       pan");
            add("       output gain=128 send=0");
            add("end");
        }
        add("master  # the format's master");
        add("       mix selector=send");
        add("       delay pregain=40 dry=128 feedback=125 damp=64 first=0 lines=8");
        add("       stack operation=swap");
        add("       delay pregain=40 dry=128 feedback=125 damp=64 first=8 lines=8");
        add("       stack operation=swap");
        add("       mix selector=main");
        add("       stack operation=add_pairs");
        add("  out: output gain=48 send=0");
        add("end");
        add("patterns  up    down");
        const char* up[ROWS_PER_PATTERN] = {"C-4", "...", "===", "A#3", "A-4", "C-0", "G-8", "...",
                                            "...", "...", "...", "...", "...", "...", "...", "==="};
        for (int r = 0; r < ROWS_PER_PATTERN; ++r) {
            add((r < 10 ? "0" : "") + std::to_string(r) + "  " + up[r] + "  " + (r == 0 ? "G-1" : "..."));
        }
        std::string header = "order";
        for (int t = 0; t < TRACK_COUNT; ++t) header += " t" + std::to_string(t);
        add(header);
        add("section first");
        for (int q = 0; q < ORDER_POSITIONS; ++q) {
            if (q == 40) add("section second");
            std::string row = (q < 10 ? "0" : "") + std::to_string(q) + " " + (q % 2 ? "down" : "up");
            for (int t = 1; t < TRACK_COUNT; ++t) row += t == 5 ? " up" : " --";
            add(row);
        }
        add("end");
    }

    void add(const std::string& line) { lines.push_back(line); }
    // Line number (from 1) of the first line that starts with `start`.
    int lineOf(const std::string& start) const {
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].compare(0, start.size(), start) == 0) return static_cast<int>(i) + 1;
        }
        return -1;
    }
    void replace(int line, const std::string& text) { lines[line - 1] = text; }
    void insert(int line, const std::string& text) { lines.insert(lines.begin() + (line - 1), text); }
    void erase(int line) { lines.erase(lines.begin() + (line - 1)); }

    std::string text() const {
        std::string all;
        for (const std::string& line : lines) all += line + "\n";
        return all;
    }
};

bool compile(const Source& source, CompiledSong* song, std::string* errors) {
    return compileSongSource(source.text(), "song.txt", song, errors);
}

// The parameter bytes of unit `unit` of instrument `instrument`.
std::vector<uint8_t> paramsOf(const CompiledSong& song, int instrument, int unit) {
    size_t unitAt = 0, paramAt = 0;
    for (int seen = 0; seen < instrument; ++unitAt) {
        if (song.unitStream[unitAt] == OP_END) ++seen;
        else paramAt += UNIT_PARAM_BYTES[song.unitStream[unitAt]];
    }
    for (int u = 0; u < unit; ++u) paramAt += UNIT_PARAM_BYTES[song.unitStream[unitAt + u]];
    uint8_t opcode = song.unitStream[unitAt + unit];
    return std::vector<uint8_t>(song.paramStream.begin() + paramAt,
                                song.paramStream.begin() + paramAt + UNIT_PARAM_BYTES[opcode]);
}

TEST(SongCompilerTables, NotesHoldsAndReleasesBecomeNoteBytes) {
    Source source;
    CompiledSong song;
    std::string errors;
    ASSERT_TRUE(compile(source, &song, &errors)) << errors;
    ASSERT_EQ(song.patternNames, (std::vector<std::string>{"--", "up", "down"}));
    std::vector<uint8_t> silence(ROWS_PER_PATTERN, 0);
    EXPECT_EQ(std::vector<uint8_t>(song.patterns.begin(), song.patterns.begin() + 16), silence);
    const uint8_t* up = &song.patterns[16];
    // C-4 72, hold 1, release 0, A#3 70, A-4 81 (440 Hz), C-0 24, G-8 127.
    std::vector<uint8_t> expected = {72, 1, 0, 70, 81, 24, 127, 1, 1, 1, 1, 1, 1, 1, 1, 0};
    EXPECT_EQ(std::vector<uint8_t>(up, up + 16), expected);
    EXPECT_EQ(song.patterns[32], 43);  // G-1, the bass's lowest twist note
}

TEST(SongCompilerTables, OrderListIsTrackMajorWithSilenceAsPatternZero) {
    Source source;
    CompiledSong song;
    std::string errors;
    ASSERT_TRUE(compile(source, &song, &errors)) << errors;
    ASSERT_EQ(song.orderList.size(), size_t(TRACK_COUNT * ORDER_POSITIONS));
    for (int q = 0; q < ORDER_POSITIONS; ++q) {
        EXPECT_EQ(song.orderList[q], q % 2 ? 2 : 1) << "track 0, position " << q;
        EXPECT_EQ(song.orderList[5 * ORDER_POSITIONS + q], 1) << "track 5, position " << q;
        EXPECT_EQ(song.orderList[4 * ORDER_POSITIONS + q], 0) << "track 4, position " << q;
    }
    ASSERT_EQ(song.sections.size(), 2u);
    EXPECT_EQ(song.sections[0].name, "first");
    EXPECT_EQ(song.sections[0].firstPosition, 0);
    EXPECT_EQ(song.sections[1].name, "second");
    EXPECT_EQ(song.sections[1].firstPosition, 40);
}

TEST(SongCompilerTables, UnitsAndParametersFollowStreamOrder) {
    Source source;
    // Parameters written out of order, named flags and a store into the oscillator.
    int amp = source.lineOf("  amp:");
    source.replace(amp, "  amp: envelope gain=100 release=4 sustain=3 decay=2 attack=1");
    source.insert(amp + 1, "  osc: oscillator flags=triangle+lfo gain=7 shape=6 width=5 phase=4 detune=3 transpose=2");
    source.insert(amp + 2, "       store amount=128 target=osc.detune");
    source.insert(amp + 3, "       filter frequency=9 damping=8 flags=low+band");
    source.insert(amp + 4, "       stack operation=add_pop");
    CompiledSong song;
    std::string errors;
    ASSERT_TRUE(compile(source, &song, &errors)) << errors;
    std::vector<uint8_t> firstList(song.unitStream.begin(), song.unitStream.begin() + 8);
    EXPECT_EQ(firstList, (std::vector<uint8_t>{OP_ENVELOPE, OP_OSCILLATOR, OP_STORE, OP_FILTER, OP_STACK, OP_PAN,
                                               OP_OUTPUT, OP_END}));
    EXPECT_EQ(paramsOf(song, 0, 0), (std::vector<uint8_t>{1, 2, 3, 4, 100}));
    EXPECT_EQ(paramsOf(song, 0, 1), (std::vector<uint8_t>{2, 3, 4, 5, 6, 7, OSC_TRIANGLE | OSC_LFO}));
    EXPECT_EQ(paramsOf(song, 0, 2), (std::vector<uint8_t>{128, 8 * 1 + 2}));  // unit 1, word 2
    EXPECT_EQ(paramsOf(song, 0, 3), (std::vector<uint8_t>{9, 8, FILTER_LOW | FILTER_BAND}));
    EXPECT_EQ(paramsOf(song, 0, 4), (std::vector<uint8_t>{STACK_ADD_POP}));
    EXPECT_EQ(paramsOf(song, MASTER_VOICE, 0), (std::vector<uint8_t>{MIX_SEND}));
    EXPECT_EQ(paramsOf(song, MASTER_VOICE, 6), (std::vector<uint8_t>{STACK_ADD_PAIRS}));
    EXPECT_EQ(song.unitStream.size(), 12u * 4 + 9 + 4);
}

TEST(SongCompilerTables, RemoteStoreTargetsBecomeVoiceAreaByteOffsets) {
    Source source;
    // Track 10 into the master's output gain, track 11 into track 10's envelope
    // gain; each store becomes unit 1, after the envelope.
    source.insert(source.lineOf("instrument 11") + 2, "       store_remote amount=64 target=t10.amp.gain");
    source.insert(source.lineOf("instrument 10") + 2, "       store_remote amount=128 target=master.out.gain");
    CompiledSong song;
    std::string errors;
    ASSERT_TRUE(compile(source, &song, &errors)) << errors;
    // Offsets the format gives: record 12 unit 7 word 1, and record 10 unit 0 word 2.
    EXPECT_EQ(paramsOf(song, 10, 1), (std::vector<uint8_t>{128, 12812 & 255, 12812 >> 8, 0, 0}));
    EXPECT_EQ(paramsOf(song, 11, 1), (std::vector<uint8_t>{64, 10496 & 255, 10496 >> 8, 0, 0}));
}

TEST(SongCompilerTables, CatalogueTakesTheFormatsParameterBytesPerOpcode) {
    for (uint8_t opcode = 1; opcode < OP_COUNT; ++opcode) {
        const UnitKind* unit = unitForOpcode(opcode);
        ASSERT_NE(unit, nullptr) << "opcode " << int(opcode);
        int bytes = 0;
        for (int p = 0; p < unit->paramCount; ++p) bytes += unit->params[p].kind == PARAM_REMOTE_WORD ? 4 : 1;
        EXPECT_EQ(bytes, UNIT_PARAM_BYTES[opcode]) << unit->name;
        EXPECT_EQ(findUnit(unit->name), unit);
    }
}

TEST(SongCompilerTables, GeneratedSourceDefinesDemoSongWithTheTables) {
    Source source;
    CompiledSong song;
    std::string errors;
    ASSERT_TRUE(compile(source, &song, &errors)) << errors;
    std::string cpp = songTablesSource(song, "song.txt");
    EXPECT_NE(cpp.find("const Song demoSong = {"), std::string::npos);
    EXPECT_NE(cpp.find("songPatterns, 3,"), std::string::npos);
    EXPECT_NE(cpp.find("72,1,0,70,81,24,127,1,1,1,1,1,1,1,1,0,  // 1 up"), std::string::npos);
    EXPECT_NE(cpp.find("songParamStream, " + std::to_string(song.paramStream.size())), std::string::npos);
}

// ---- Faults ---------------------------------------------------------------------

struct Fault {
    const char* what;
    void (*breakIt)(Source&);
    const char* lineStart;  // the faulty line begins so after the change; "" = the last line
    const char* message;
};

const Fault faults[] = {
    {"unknown unit", [](Source& s) { s.replace(s.lineOf("       pan"), "       panner"); }, "       panner",
     "unknown unit 'panner'"},
    {"unknown parameter", [](Source& s) { s.replace(s.lineOf("       output"), "       output gain=1 sned=0"); },
     "       output gain=1 sned", "output has no parameter 'sned'"},
    {"missing parameter", [](Source& s) { s.replace(s.lineOf("       output"), "       output gain=1"); },
     "       output gain=1", "output needs parameter 'send'"},
    {"byte out of range", [](Source& s) { s.replace(s.lineOf("       output"), "       output gain=256 send=0"); },
     "       output gain=256", "gain must be a number 0..255"},
    {"two waveforms",
     [](Source& s) { s.insert(s.lineOf("       pan"), "  o: oscillator transpose=64 detune=64 phase=0 width=64 shape=64 gain=1 flags=sine+pulse"); },
     "  o: oscillator", "an oscillator takes exactly one of sine, triangle, pulse, noise"},
    {"delay beyond the length table",
     [](Source& s) { s.insert(s.lineOf("       pan"), "  d: delay pregain=1 dry=1 feedback=1 damp=1 first=18 lines=2"); },
     "  d: delay", "delay lines must lie within the 19 delay lengths"},
    {"stack underflow", [](Source& s) { s.insert(s.lineOf("       pan"), "       stack operation=add_pairs"); },
     "       stack operation=add_pairs", "stack needs 4 values on the stack, it holds 1"},
    {"values left on the stack", [](Source& s) { s.erase(s.lineOf("       output")); }, "instrument 0 ",
     "instrument 't0' leaves 2 values on the stack"},
    {"track without a leading envelope",
     [](Source& s) {
         s.insert(s.lineOf("  amp:"), "       mix selector=main");
         s.insert(s.lineOf("       pan"), "       stack operation=add_pop");
         s.insert(s.lineOf("       pan"), "       stack operation=add_pop");
     },
     "       mix selector=main", "a track instrument begins with an envelope"},
    {"more units than a voice has slots",
     [](Source& s) {
         for (int i = 0; i < 15; ++i) {
             s.insert(s.lineOf("       pan"), "       stack operation=dup");
             s.insert(s.lineOf("       pan"), "       stack operation=pop");
         }
     },
     "instrument 0 ", "instrument 't0' has 33 units, at most 32 fit a voice"},
    {"unknown store target", [](Source& s) { s.insert(s.lineOf("       pan"), "       store amount=1 target=osc.detune"); },
     "       store amount=1", "store target 'osc.detune' is not label.word"},
    {"remote target of an unknown word",
     [](Source& s) { s.insert(s.lineOf("       pan"), "       store_remote amount=1 target=master.out.level"); },
     "       store_remote", "store target 'master.out.level'"},
    {"pattern of 15 rows", [](Source& s) { s.erase(s.lineOf("15  ===")); }, "order", "pattern block has 15 rows"},
    {"not a note", [](Source& s) { s.replace(s.lineOf("03  A#3"), "03  H-4  ..."); }, "03  H-4",
     "'H-4' is not a note"},
    {"no E sharp", [](Source& s) { s.replace(s.lineOf("03  A#3"), "03  E#4  ..."); }, "03  E#4", "'E#4' is not a note"},
    {"row missing a cell", [](Source& s) { s.replace(s.lineOf("03  A#3"), "03  A#3"); }, "03  A#3",
     "row has 1 cells, the block has 2 patterns"},
    {"75 positions", [](Source& s) { s.erase(s.lineOf("75 down")); }, "", "the order list has 75 positions, a track has 76"},
    {"unknown pattern", [](Source& s) { s.replace(s.lineOf("07 down"), "07 dwn -- -- -- -- up -- -- -- -- -- --"); },
     "07 dwn", "no pattern is named 'dwn'"},
    {"pattern never played",
     [](Source& s) {
         for (int q = 1; q < ORDER_POSITIONS; q += 2) {
             std::string position = (q < 10 ? "0" : "") + std::to_string(q) + " ";
             s.replace(s.lineOf(position + "down"), position + "up -- -- -- -- up -- -- -- -- -- --");
         }
     },
     "patterns", "pattern 'down' is never played"},
    {"order columns out of track order", [](Source& s) { s.replace(s.lineOf("order"), "order t1 t0 t2 t3 t4 t5 t6 t7 t8 t9 t10 t11"); },
     "order", "column 0 is 't1', track 0's instrument is 't0'"},
    {"missing instrument",
     [](Source& s) {
         int header = s.lineOf("instrument 3");
         for (int i = 0; i < 5; ++i) s.erase(header);
     },
     "", "instrument 3 is missing"},
    {"pattern name used twice", [](Source& s) { s.replace(s.lineOf("patterns"), "patterns  up    up"); }, "patterns",
     "pattern name 'up' used twice"},
};

void PrintTo(const Fault& fault, std::ostream* out) { *out << fault.what; }

class SongCompilerFaults : public ::testing::TestWithParam<Fault> {};

TEST_P(SongCompilerFaults, AreReportedWithTheirLine) {
    const Fault& fault = GetParam();
    Source source;
    fault.breakIt(source);
    int line = *fault.lineStart ? source.lineOf(fault.lineStart) : static_cast<int>(source.lines.size());
    ASSERT_GT(line, 0) << "the test's own source has no line starting '" << fault.lineStart << "'";
    CompiledSong song;
    std::string errors;
    ASSERT_FALSE(compile(source, &song, &errors)) << fault.what;
    std::string where = "song.txt:" + std::to_string(line) + ": ";
    EXPECT_NE(errors.find(where + fault.message), std::string::npos)
        << fault.what << ": expected '" << where << fault.message << "' in:\n"
        << errors;
}

INSTANTIATE_TEST_SUITE_P(Source, SongCompilerFaults, ::testing::ValuesIn(faults),
                         [](const ::testing::TestParamInfo<Fault>& info) {
                             std::string name;
                             for (const char* c = info.param.what; *c; ++c) {
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             }
                             return name;
                         });

}  // namespace

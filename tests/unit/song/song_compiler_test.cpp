// The song compiler: the bytes it makes of a small source, and the faults it
// names with their line.
#include "tools/song_compiler/song_compiler.h"

#include "synth/song.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

// A small valid song, line by line: twelve one-envelope instruments (track 0's
// with more units), the format's master, two patterns and an order list that
// plays "up" and "down" on track 0 and "up" on track 5.
std::vector<std::string> smallSong() {
    std::vector<std::string> lines;
    for (int t = 0; t < TRACK_COUNT; ++t) {
        lines.push_back("instrument " + std::to_string(t) + " t" + std::to_string(t));
        lines.push_back("  amp: envelope gain=100 release=4 sustain=3 decay=2 attack=1");
        if (t == 0) {
            lines.push_back("  osc: oscillator flags=triangle+lfo gain=7 shape=6 width=5 phase=4 detune=3 transpose=2");
            lines.push_back("       store amount=128 target=osc.detune");
            lines.push_back("       filter frequency=9 damping=8 flags=low+band");
            lines.push_back("       stack operation=add_pop");
        }
        if (t == 10) lines.push_back("       store_remote amount=128 target=master.out.gain");
        if (t == 11) lines.push_back("       store_remote amount=64 target=t10.amp.gain");
        lines.insert(lines.end(), {"       pan", "       output gain=128 send=0", "end"});
    }
    const char* master[] = {"master  # the format's master", "       mix selector=send",
                            "       delay pregain=40 dry=128 feedback=125 damp=64 first=0 lines=8",
                            "       stack operation=swap",
                            "       delay pregain=40 dry=128 feedback=125 damp=64 first=8 lines=8",
                            "       stack operation=swap", "       mix selector=main",
                            "       stack operation=add_pairs",
                            "  out: output gain=48 send=0", "end", "patterns  up    down"};
    lines.insert(lines.end(), std::begin(master), std::end(master));
    const char* up[ROWS_PER_PATTERN] = {"C-4", "...", "===", "A#3", "A-4", "C-0", "G-8"};
    for (int r = 0; r < ROWS_PER_PATTERN; ++r) {
        const std::string cell = up[r] ? up[r] : r == 15 ? "===" : "...";
        lines.push_back((r < 10 ? "0" : "") + std::to_string(r) + "  " + cell + "  " + (r ? "..." : "G-1"));
    }
    lines.push_back("order t0 t1 t2 t3 t4 t5 t6 t7 t8 t9 t10 t11");
    lines.push_back("section first");
    for (int q = 0; q < ORDER_POSITIONS; ++q) {
        if (q == 40) lines.push_back("section second");
        const std::string tracks = " -- -- -- -- up -- -- -- -- -- --";
        lines.push_back((q < 10 ? "0" : "") + std::to_string(q) + (q % 2 ? " down" : " up") + tracks);
    }
    lines.push_back("end");
    return lines;
}

bool compile(const std::vector<std::string>& lines, CompiledSong* song, std::string* errors) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return compileSongSource(text, "song.txt", song, errors);
}

TEST(SongCompiler, MakesTheFormatsBytesOfTheSource) {
    CompiledSong song;
    std::string errors;
    ASSERT_TRUE(compile(smallSong(), &song, &errors)) << errors;
    ASSERT_EQ(song.patternNames, (std::vector<std::string>{"--", "up", "down"}));
    // Pattern 0 is silence; C-4 72, hold 1, release 0, A#3 70, A-4 81 (440 Hz), C-0 24, G-8 127; G-1 43.
    EXPECT_EQ(std::vector<uint8_t>(song.patterns.begin(), song.patterns.begin() + 33),
              (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                    72, 1, 0, 70, 81, 24, 127, 1, 1, 1, 1, 1, 1, 1, 1, 0, 43}));
    for (int q : {0, 1, 40, 75}) {
        EXPECT_EQ(song.orderList[q], q % 2 ? 2 : 1) << "track 0, position " << q;
        EXPECT_EQ(song.orderList[5 * ORDER_POSITIONS + q], 1) << "track 5, position " << q;
        EXPECT_EQ(song.orderList[4 * ORDER_POSITIONS + q], 0) << "track 4, position " << q;
    }
    // Track 0's units in order, each parameter byte in the format's order; the
    // store's target is word 2 of unit 1.
    EXPECT_EQ(std::vector<uint8_t>(song.unitStream.begin(), song.unitStream.begin() + 8),
              (std::vector<uint8_t>{OP_ENVELOPE, OP_OSCILLATOR, OP_STORE, OP_FILTER, OP_STACK, OP_PAN, OP_OUTPUT,
                                    OP_END}));
    EXPECT_EQ(std::vector<uint8_t>(song.paramStream.begin(), song.paramStream.begin() + 20),
              (std::vector<uint8_t>{1, 2, 3, 4, 100, 2, 3, 4, 5, 6, 7, OSC_TRIANGLE | OSC_LFO, 128, 8 * 1 + 2, 9, 8,
                                    FILTER_LOW | FILTER_BAND, STACK_ADD_POP, 128, 0}));
    // Remote targets as voice-area byte offsets: the master's output gain
    // (record 12, unit 7, word 1) and track 10's envelope gain (record 10, unit 0, word 2).
    const size_t remote10 = 20 + 9 * 7 + 5, remote11 = remote10 + 5 + 2 + 5;
    EXPECT_EQ(std::vector<uint8_t>(song.paramStream.begin() + remote10, song.paramStream.begin() + remote10 + 5),
              (std::vector<uint8_t>{128, 12812 & 255, 12812 >> 8, 0, 0}));
    EXPECT_EQ(std::vector<uint8_t>(song.paramStream.begin() + remote11, song.paramStream.begin() + remote11 + 5),
              (std::vector<uint8_t>{64, 10496 & 255, 10496 >> 8, 0, 0}));
}

// Faults of the source that would give tables the validator cannot tell from
// right ones (the engine's rules, which it checks again, are its tests').
TEST(SongCompiler, NamesEachFaultWithItsLine) {
    // The first line that starts with `find` becomes `replacement` (or goes,
    // when it is empty); the fault is reported at the line that then starts
    // with `faulty` (the last line when empty).
    struct {
        const char *find, *replacement, *faulty, *message;
    } const faults[] = {
        {"       pan", "       panner", "       panner", "unknown unit 'panner'"},
        {"       output", "       output gain=1 sned=0", "       output gain=1 sned", "output has no parameter 'sned'"},
        {"       output", "       output gain=256 send=0", "       output gain=256", "gain must be a number 0..255"},
        {"       store amount", "       store amount=1 target=ocs.detune", "       store amount=1",
         "store target 'ocs.detune'"},
        {"15  ===", "", "order", "pattern block has 15 rows"},
        {"03  A#3", "03  H-4  ...", "03  H-4", "'H-4' is not a note"},
        {"75 down", "", "", "the order list has 75 positions, a track has 76"},
        {"07 down", "07 dwn -- -- -- -- up -- -- -- -- -- --", "07 dwn", "no pattern is named 'dwn'"},
    };
    for (const auto& fault : faults) {
        std::vector<std::string> lines = smallSong();
        auto startsWith = [](const std::string& line, const char* start) { return line.rfind(start, 0) == 0; };
        for (auto at = lines.begin(); at != lines.end(); ++at) {
            if (!startsWith(*at, fault.find)) continue;
            if (*fault.replacement) *at = fault.replacement;
            else lines.erase(at);
            break;
        }
        size_t line = lines.size();
        for (size_t i = 0; *fault.faulty && i < lines.size(); ++i) {
            if (startsWith(lines[i], fault.faulty)) {
                line = i + 1;
                break;
            }
        }
        CompiledSong song;
        std::string errors;
        ASSERT_FALSE(compile(lines, &song, &errors)) << fault.message;
        const std::string expected = "song.txt:" + std::to_string(line) + ": " + fault.message;
        EXPECT_NE(errors.find(expected), std::string::npos) << "expected '" << expected << "' in:\n" << errors;
    }
}

}  // namespace

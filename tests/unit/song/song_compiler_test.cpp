// The song compiler: the bytes it makes of a small source, the faults it
// names with their line, a legal but unusual value it warns of and the
// engine plays, and how it splits the tracks for two threads.
#include "tools/song_compiler/song_compiler.h"

#include "synth/synth_engine.h"
#include "tests/support/tool_runs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <memory>
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
    // store's target is word 2 of unit 1. (Remote targets, which the composed
    // song uses, are pinned by its render's digest.)
    EXPECT_EQ(std::vector<uint8_t>(song.unitStream.begin(), song.unitStream.begin() + 8),
              (std::vector<uint8_t>{OP_ENVELOPE, OP_OSCILLATOR, OP_STORE, OP_FILTER, OP_STACK, OP_PAN, OP_OUTPUT,
                                    OP_END}));
    EXPECT_EQ(std::vector<uint8_t>(song.paramStream.begin(), song.paramStream.begin() + 20),
              (std::vector<uint8_t>{1, 2, 3, 4, 100, 2, 3, 4, 5, 6, 7, OSC_TRIANGLE | OSC_LFO, 128, 8 * 1 + 2, 9, 8,
                                    FILTER_LOW | FILTER_BAND, STACK_ADD_POP, 128, 0}));
}

// Faults of the source, and a fault of the bytes it makes, found by the song
// validator and given at the line that made them (the validator's other rules
// are its own tests').
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
        {"       delay", "       delay pregain=40 dry=128 feedback=125 damp=64 first=0 lines=0", "       delay",
         "master instrument, unit 1 (OP_DELAY): line count 0"},
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

TEST(SongCompiler, WarnsOfAnUnusualDriveAtItsLineAndTheSongPlays) {
    std::vector<std::string> lines = smallSong();
    auto at = std::find(lines.begin(), lines.end(), "       stack operation=add_pop");
    const size_t line = static_cast<size_t>(at - lines.begin()) + 2;
    lines.insert(at + 1, "       shaper drive=192");
    CompiledSong t;
    std::string errors;
    ASSERT_TRUE(compile(lines, &t, &errors)) << errors;
    const std::string expected =
        "song.txt:" + std::to_string(line) + ": warning: instrument 0, unit 5 (OP_SHAPER): drive byte 192";
    EXPECT_NE(t.warnings.find(expected), std::string::npos) << "expected '" << expected << "' in:\n" << t.warnings;

    const Song song{t.patterns.data(), static_cast<int32_t>(t.patterns.size() / ROWS_PER_PATTERN), t.orderList.data(),
                    t.unitStream.data(), static_cast<int32_t>(t.unitStream.size()), t.paramStream.data(),
                    static_cast<int32_t>(t.paramStream.size()), delayLengths, nullptr, {nullptr, nullptr}, nullptr};
    // calloc: of the 122 MB delay pool only what the song uses is touched.
    std::unique_ptr<SynthEngine, void (*)(void*)> engine(
        static_cast<SynthEngine*>(std::calloc(1, sizeof(SynthEngine))), std::free);
    SongFault fault{};
    ASSERT_EQ(startEngine(*engine, song, &fault), 1) << fault.message;
    double energy = 0;
    for (int frame = 0; frame < SAMPLES_PER_ROW; ++frame) {
        const StereoFrame out = renderFrame(*engine);
        energy += double(out.left) * out.left + double(out.right) * out.right;
    }
    EXPECT_GT(energy, 1.0) << "the song's first row is silent";
}

// The tool given a song the validator refuses (the master pops an empty
// stack) leaves no output, not even an earlier one, and nothing else.
TEST(SongCompiler, TheToolLeavesNoOutputOfARefusedSong) {
    std::vector<std::string> lines = smallSong();
    *std::find(lines.begin(), lines.end(), "       mix selector=send") = "       stack operation=pop";
    const ScratchFolder folder;
    std::ofstream source(folder / "song.txt");
    for (const std::string& line : lines) source << line << "\n";
    source.close();
    std::ofstream(folder / "out.cpp") << "// an earlier song\n";
    const ShellRun run = shell("'" SONG_COMPILER_TOOL "' '" + folder / "song.txt" + "' '" + folder / "out.cpp" + "' s");
    EXPECT_EQ(run.exitCode, 1) << run.out;
    EXPECT_EQ(folderEntries(folder.path), std::vector<std::string>{"song.txt"});
}

// The tracks split into two groups that share nothing the frame's order
// matters for; where they cannot, the song has no split routines.
TEST(SongCompiler, SplitsTheTracksOnlyWhereTheyShareNothing) {
    const std::string noise = "       oscillator flags=noise gain=7 shape=0 width=0 phase=0 detune=64 transpose=64";
    const std::string storeToMaster = "       store_remote amount=10 target=master.out.gain";
    struct Units {
        int voice;  // the units go before its pan (the master's: before its output)
        std::string line;
    };
    struct {
        const char* name;
        std::vector<Units> units;
        bool splits;
        std::vector<std::pair<int, int>> together;  // tracks in one group
    } const cases[] = {
        {"independent tracks", {}, true, {}},
        {"two tracks drawing noise", {{3, noise}, {9, noise}}, true, {{3, 9}}},
        {"a track storing into another", {{2, "       store_remote amount=10 target=t7.amp.gain"}}, true, {{2, 7}}},
        {"two tracks storing into one master word", {{1, storeToMaster}, {10, storeToMaster}}, true, {{1, 10}}},
        {"the master storing into a track", {{MASTER_VOICE, "       store_remote amount=1 target=t4.amp.gain"}},
         false, {}},
        {"the master drawing noise with a track", {{MASTER_VOICE, noise}, {6, noise}}, false, {}},
        {"a track storing into a master word no output reads",
         {{5, "       store_remote amount=10 target=master.rev.0"}}, false, {}},
        {"every track drawing noise", {}, false, {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines = smallSong();
        std::vector<Units> units = c.units;
        if (std::string(c.name) == "every track drawing noise") {
            for (int track = 0; track < TRACK_COUNT; ++track) units.push_back({track, noise});
        }
        int voice = -1;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].rfind("instrument ", 0) == 0 || lines[i].rfind("master", 0) == 0) ++voice;
            if (lines[i] == "       delay pregain=40 dry=128 feedback=125 damp=64 first=0 lines=8") {
                lines[i].replace(0, 6, "  rev:");  // the master's first delay, named for a store
            }
            const bool before = lines[i] == "       pan" || lines[i].rfind("  out: output", 0) == 0;
            for (const Units& u : units) {
                if (!before || u.voice != voice) continue;
                lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), u.line);
                ++i;
            }
        }
        CompiledSong song;
        std::string errors;
        ASSERT_TRUE(compile(lines, &song, &errors)) << c.name << ":\n" << errors;
        const TrackSplit split = splitTracks(song);
        EXPECT_EQ(!split.groupOfTrack.empty(), c.splits) << c.name;
        EXPECT_EQ(songTablesSource(song, "song.txt", "song").find("songMasterFrames,") != std::string::npos, c.splits)
            << c.name;
        if (split.groupOfTrack.empty()) continue;
        ASSERT_EQ(split.groupOfTrack.size(), size_t(TRACK_COUNT)) << c.name;
        EXPECT_NE(std::count(split.groupOfTrack.begin(), split.groupOfTrack.end(), 1), 0) << c.name;
        EXPECT_NE(std::count(split.groupOfTrack.begin(), split.groupOfTrack.end(), 0), 0) << c.name;
        for (const auto& [a, b] : c.together) {
            EXPECT_EQ(split.groupOfTrack[a], split.groupOfTrack[b]) << c.name << ": tracks " << a << " and " << b;
        }
        for (const auto& [word, group] : split.groupOfMasterStore) {
            EXPECT_EQ(group, split.groupOfTrack[1]) << c.name << ": master word " << word;
        }
    }
}

}  // namespace

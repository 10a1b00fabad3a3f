// Whole-song renders of the test song: the engine (through renderSongInto, as
// the demo renders) against the reference interpreter bit for bit, the
// buffer's length, the clamp, and the last noteTrace row. Each render is done
// once per process and shared by the tests that need it.
#include "synth/song_render.h"
#include "tests/unit/synth/reference_synth.h"
#include "tests/unit/synth/test_song.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int GUARD_SAMPLES = 64;

struct SongRender {
    std::vector<float> samples;     // SONG_FRAMES x 2, then the guard
    std::vector<int32_t> noteRows;  // NOTE_TRACE_ROWS x NOTE_TRACE_ENTRIES
    int32_t framesCounted = 0;
};

// The engine's render into a buffer longer than the song, prefilled with NaN
// (which a clamped sample never is); noteTrace starts zeroed, as in the demo.
const SongRender& engineRender() {
    static const SongRender render = [] {
        const size_t count = static_cast<size_t>(SONG_FRAMES) * 2 + GUARD_SAMPLES;
        std::unique_ptr<std::atomic<float>[]> buffer(new std::atomic<float>[count]);
        for (size_t i = 0; i < count; ++i) buffer[i].store(std::nanf(""), std::memory_order_relaxed);
        for (auto& row : noteTrace)
            for (auto& entry : row) entry.store(0, std::memory_order_relaxed);
        SongRender r;
        SongFault fault{};
        EXPECT_EQ(renderSongInto(testSong, buffer.get(), &fault), 1) << fault.message;
        r.framesCounted = renderedFrames.load(std::memory_order_acquire);
        r.samples.resize(count);
        for (size_t i = 0; i < count; ++i) r.samples[i] = buffer[i].load(std::memory_order_relaxed);
        r.noteRows.resize(static_cast<size_t>(NOTE_TRACE_ROWS) * NOTE_TRACE_ENTRIES);
        for (int row = 0; row < NOTE_TRACE_ROWS; ++row) {
            for (int e = 0; e < NOTE_TRACE_ENTRIES; ++e) {
                r.noteRows[static_cast<size_t>(row) * NOTE_TRACE_ENTRIES + e] = noteTrace[row][e].load();
            }
        }
        return r;
    }();
    return render;
}

SongRender referenceRender() {
    struct FreeDeleter {
        void operator()(void* block) const { std::free(block); }
    };
    std::unique_ptr<SynthState, FreeDeleter> state(static_cast<SynthState*>(std::calloc(1, sizeof(SynthState))));
    ReferenceSynth synth{};
    startReference(synth, testSong, *state);
    SongRender r;
    r.samples.resize(static_cast<size_t>(SONG_FRAMES) * 2);
    r.noteRows.resize(static_cast<size_t>(NOTE_TRACE_ROWS) * NOTE_TRACE_ENTRIES, 0);
    for (int frame = 0; frame < SONG_FRAMES; ++frame) {
        const StereoFrame out = referenceFrame(synth, &r.noteRows[static_cast<size_t>(frame >> 8) * NOTE_TRACE_ENTRIES]);
        r.samples[2 * static_cast<size_t>(frame)] = out.left;
        r.samples[2 * static_cast<size_t>(frame) + 1] = out.right;
    }
    r.framesCounted = SONG_FRAMES;
    return r;
}

uint32_t bitsOf(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST(WholeSongRender, TheEngineMatchesTheReferenceBitForBitInEverySampleAndNote) {
    const SongRender& engine = engineRender();
    const SongRender reference = referenceRender();
    for (size_t i = 0; i < reference.samples.size(); ++i) {
        if (bitsOf(engine.samples[i]) != bitsOf(reference.samples[i])) {
            FAIL() << "first difference at frame " << i / 2 << (i % 2 ? " right: " : " left: ") << engine.samples[i]
                   << " against " << reference.samples[i];
        }
    }
    for (size_t i = 0; i < reference.noteRows.size(); ++i) {
        if (engine.noteRows[i] != reference.noteRows[i]) {
            FAIL() << "first note difference in block " << i / NOTE_TRACE_ENTRIES << ", entry " << i % NOTE_TRACE_ENTRIES
                   << ": " << engine.noteRows[i] << " against " << reference.noteRows[i];
        }
    }
}

TEST(WholeSongRender, FillsExactlyTheSongsFramesAndCountsThem) {
    const SongRender& r = engineRender();
    EXPECT_EQ(r.framesCounted, SONG_FRAMES);
    const size_t songSamples = static_cast<size_t>(SONG_FRAMES) * 2;
    size_t unwritten = 0;
    for (size_t i = 0; i < songSamples; ++i) unwritten += std::isnan(r.samples[i]);
    EXPECT_EQ(unwritten, 0u);
    EXPECT_FALSE(std::isnan(r.samples[songSamples - 1]));  // the last row ends at the buffer's end
    for (size_t i = songSamples; i < r.samples.size(); ++i) EXPECT_TRUE(std::isnan(r.samples[i])) << "beyond the end";
}

TEST(WholeSongRender, EverySampleIsClampedAndTheLoudSectionReachesTheClamp) {
    const SongRender& r = engineRender();
    size_t atPlusOne = 0, atMinusOne = 0, beyond = 0;
    for (size_t i = 0; i < static_cast<size_t>(SONG_FRAMES) * 2; ++i) {
        const float v = r.samples[i];
        atPlusOne += v == 1.0f;
        atMinusOne += v == -1.0f;
        beyond += !(v >= -1.0f && v <= 1.0f);
    }
    EXPECT_EQ(beyond, 0u);
    EXPECT_GT(atPlusOne, 0u);
    EXPECT_GT(atMinusOne, 0u);
}

TEST(WholeSongRender, TheLastHalfBlockHoldsTheTwelveFinalNotesAndNothingElse) {
    const SongRender& r = engineRender();
    const int32_t* last = &r.noteRows[static_cast<size_t>(NOTE_TRACE_ROWS - 1) * NOTE_TRACE_ENTRIES];
    for (int track = 0; track < TRACK_COUNT; ++track) {
        // Every track holds the note its last pattern strikes on row 0.
        const uint8_t pattern = testSong.orderList[ORDER_POSITIONS * track + ORDER_POSITIONS - 1];
        const int32_t note = static_cast<int8_t>(testSong.patterns[ROWS_PER_PATTERN * pattern]);
        ASSERT_GE(note, 2);
        EXPECT_EQ(last[2 * track], note) << "track " << track;
        EXPECT_EQ(last[2 * track + 1], 0);
    }
    for (int entry = 2 * TRACK_COUNT; entry < NOTE_TRACE_ENTRIES; ++entry) EXPECT_EQ(last[entry], 0) << entry;
}

TEST(WholeSongRender, TheTraceFollowsTheNotesBlockByBlock) {
    // Track 0's melody strikes 72 on row 64 (position 4); the block holding
    // that row's first frame shows it, the block before shows silence.
    const SongRender& r = engineRender();
    const int firstFrame = 64 * SAMPLES_PER_ROW;
    EXPECT_EQ(r.noteRows[static_cast<size_t>(firstFrame >> 8) * NOTE_TRACE_ENTRIES], 72);
    EXPECT_EQ(r.noteRows[static_cast<size_t>((firstFrame >> 8) - 1) * NOTE_TRACE_ENTRIES], 0);
}

}  // namespace

// The corpus (the demo's song, the test song's instruments, the note stores
// and seeded random songs, tests/unit/song/CMakeLists.txt) rendered three
// ways for a few seconds: by the interpreter, by the song's whole-frames
// routine and by its split routines with the worker thread, the master's
// thread at the worker's heels. The routines are
// the song compiler's text of the interpreter's meaning; they must give the
// same samples and note trace to the bit.
#include "synth/song_render.h"
#include "synth/synth_engine.h"
#include "synth/track_chunks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#define CORPUS_SONG(name) extern const Song name;
#include "corpus_songs.inc"
#undef CORPUS_SONG

namespace {

enum { FRAMES = 3 * SAMPLE_RATE, TRACE_ROWS = FRAMES / NOTE_TRACE_BLOCK + 1 };

struct Render {
    std::vector<float> samples;
    std::vector<int32_t> trace;
};

// The song's first FRAMES frames as the demo renders them, from a clean trace,
// in slices that end one frame short of a chunk's end, then two, ...
Render render(const Song& song) {
    for (int row = 0; row < TRACE_ROWS; ++row)
        for (auto& entry : noteTrace[row]) entry.store(0, std::memory_order_relaxed);
    SongFault fault{};
    EXPECT_EQ(startSongRender(song, musicBuffer, &fault), 1) << fault.message;
    for (int done = 0; done < FRAMES; done += TRACK_CHUNK - 1) continueSongRender(TRACK_CHUNK - 1);
    Render r;
    for (int i = 0; i < 2 * FRAMES; ++i) r.samples.push_back(musicBuffer[i].load(std::memory_order_relaxed));
    for (int row = 0; row < TRACE_ROWS; ++row)
        for (auto& entry : noteTrace[row]) r.trace.push_back(entry.load(std::memory_order_relaxed));
    return r;
}

Song interpreted(Song song) {
    song.framesRoutine = nullptr;
    song.trackGroupRoutines[0] = song.trackGroupRoutines[1] = nullptr;
    song.masterRoutine = nullptr;
    return song;
}

// The first element whose bits differ, or -1.
template <typename T> long firstDifference(const std::vector<T>& a, const std::vector<T>& b) {
    for (size_t i = 0; i < a.size(); ++i)
        if (std::memcmp(&a[i], &b[i], sizeof(T)) != 0) return static_cast<long>(i);
    return -1;
}

struct Entry {
    const char* name;
    const Song& song;
} const corpus[] = {
    {"demoSong", demoSong},
#define CORPUS_SONG(name) {#name, name},
#include "corpus_songs.inc"
#undef CORPUS_SONG
};

TEST(DifferentialRender, EverySongOfTheCorpusGivesTheInterpretersBitsOnEveryPath) {
#if PLATFORM_WORKER_THREADS
    // The worker's next chunk takes each place the master releases at once:
    // a chunk released before its last frame is read shows in that frame.
    holdMasterAtWorkersHeels(true);
#endif
    int splitSongs = 0;
    for (const Entry& entry : corpus) {
        Song wholeFrames = interpreted(entry.song);
        wholeFrames.framesRoutine = entry.song.framesRoutine;
        ASSERT_NE(entry.song.framesRoutine, nullptr) << entry.name;
        splitSongs += entry.song.masterRoutine != nullptr;

        const Render expected = render(interpreted(entry.song));
        long loud = 0;
        for (float sample : expected.samples) loud += sample != 0.0f;
        EXPECT_GT(loud, FRAMES / 2) << entry.name << " is all but silent: it would show no fault";
        const struct {
            const char* path;
            Render got;
        } paths[] = {{"the whole frames", render(wholeFrames)}, {"the split routines", render(entry.song)}};
        for (const auto& path : paths) {
            EXPECT_EQ(firstDifference(path.got.samples, expected.samples), -1)
                << entry.name << ", " << path.path << ": the first sample that differs (frame x 2 + channel)";
            EXPECT_EQ(firstDifference(path.got.trace, expected.trace), -1)
                << entry.name << ", " << path.path << ": the first note trace entry that differs (block x 32 + entry)";
        }
    }
    // Songs whose tracks split and songs whose tracks do not.
    EXPECT_GT(splitSongs, 0);
    EXPECT_LT(splitSongs, static_cast<int>(std::size(corpus)));
}

// The engine keeps nothing of a song it played before: each song, played after
// the one before it and then after the one after it, gives the same bits.
TEST(DifferentialRender, ASongPlaysTheSameWhicheverSongPlayedBefore) {
    std::vector<Render> forward;
    for (const Entry& entry : corpus) forward.push_back(render(interpreted(entry.song)));
    for (size_t i = std::size(corpus); i-- > 0;) {
        EXPECT_EQ(firstDifference(render(interpreted(corpus[i].song)).samples, forward[i].samples), -1)
            << corpus[i].name;
    }
}

}  // namespace

#include "synth/song_render.h"

#include "synth/synth_engine.h"

#ifdef QUORVEL_RENDER_WORKER
#include <condition_variable>
#include <mutex>
#include <thread>
#endif

std::atomic<float> musicBuffer[SONG_FRAMES * 2];
std::atomic<int32_t> noteTrace[NOTE_TRACE_ROWS][NOTE_TRACE_ENTRIES];
std::atomic<int32_t> renderedFrames;

namespace {

// The song is rendered in blocks of frames, the blocks of noteTrace. Tracks
// that depend on no other voice (findSeparableTracks) go first, a block at a
// time and track by track, on an engine of their own; their outputs of every
// frame wait in a ring of blocks. The other tracks and the master follow
// frame by frame on the song's engine, the ring's outputs taking the
// separable tracks' turns. Each engine computes what the one engine would,
// in the same order: the result is the same to the bit. With a worker
// thread, the separable tracks run on it, up to a ring ahead.
enum { BLOCK_FRAMES = NOTE_TRACE_BLOCK, RING_BLOCKS = 16, SONG_BLOCKS = NOTE_TRACE_ROWS };

// Static, as the engines allocate nothing: each holds a voice area, the
// 122 MB delay pool (only the records its units use are touched) and the
// decoded song.
SynthEngine songEngine;
SynthEngine separateEngine;
TrackOutputs ring[RING_BLOCKS][BLOCK_FRAMES];

int32_t blockStart(int32_t block) { return block * BLOCK_FRAMES; }
int32_t blockFrames(int32_t block) {
    return block == SONG_BLOCKS - 1 ? SONG_FRAMES - blockStart(block) : BLOCK_FRAMES;
}

// The engine's tracks' note words after its last frame, into the block's row.
void traceNotes(const SynthEngine& engine, int32_t block) {
    for (int32_t track = 0; track < TRACK_COUNT; ++track) {
        if (engine.trackPlaces[track] != TRACK_HERE) continue;
        noteTrace[block][2 * track].store(engine.trackNotes[track], std::memory_order_relaxed);
    }
}

void renderSeparateBlock(int32_t block) {
    TrackOutputs* outputs = ring[block % RING_BLOCKS];
    for (int32_t track = 0; track < TRACK_COUNT; ++track) {
        if (separateEngine.trackPlaces[track] != TRACK_HERE) continue;
        renderTrackFrames(separateEngine, track, blockStart(block), blockFrames(block), outputs);
    }
    traceNotes(separateEngine, block);
}

// The block's frames on the song's engine, with the separable tracks' outputs
// from the ring (none if no track is separate).
void renderSongBlock(std::atomic<float>* buffer, int32_t block, bool separate) {
    const TrackOutputs* outputs = separate ? ring[block % RING_BLOCKS] : nullptr;
    const int32_t first = blockStart(block), end = first + blockFrames(block);
    for (int32_t frame = first; frame < end; ++frame) {
        const StereoFrame out = renderFrame(songEngine, outputs ? outputs++ : nullptr);
        traceNotes(songEngine, block);
        buffer[2 * frame].store(out.left, std::memory_order_relaxed);
        buffer[2 * frame + 1].store(out.right, std::memory_order_relaxed);
        renderedFrames.store(frame + 1, std::memory_order_release);
    }
}

// Moves the separable tracks to separateEngine. 0 when there are none.
int separateTracks(const Song& song) {
    bool separable[TRACK_COUNT];
    findSeparableTracks(songEngine.program, separable);
    int32_t count = 0;
    for (bool apart : separable) count += apart;
    if (count == 0 || !startEngine(separateEngine, song, nullptr)) return 0;
    for (int32_t track = 0; track < TRACK_COUNT; ++track) {
        songEngine.trackPlaces[track] = separable[track] ? TRACK_ELSEWHERE : TRACK_HERE;
        separateEngine.trackPlaces[track] = separable[track] ? TRACK_HERE : TRACK_ELSEWHERE;
    }
    return 1;
}

#ifdef QUORVEL_RENDER_WORKER

// Blocks counted from the song's start: those the worker has put in the ring
// and those the render thread has taken from it. Each thread sleeps while it
// waits for the other, so that neither takes a processor from the demo's
// frames (the worker waits most: the render thread has more to do).
struct RingCounts {
    std::mutex lock;
    std::condition_variable changed;
    int32_t made;
    int32_t taken;
} ringCounts;

void waitFor(const int32_t& count, int32_t value) {
    std::unique_lock<std::mutex> hold(ringCounts.lock);
    ringCounts.changed.wait(hold, [&count, value] { return count >= value; });
}

void setCount(int32_t& count, int32_t value) {
    {
        std::lock_guard<std::mutex> hold(ringCounts.lock);
        count = value;
    }
    ringCounts.changed.notify_all();
}

void renderSeparateBlocks() {
    for (int32_t block = 0; block < SONG_BLOCKS; ++block) {
        waitFor(ringCounts.taken, block - RING_BLOCKS + 1);
        renderSeparateBlock(block);
        setCount(ringCounts.made, block + 1);
    }
}

void renderWithWorker(std::atomic<float>* buffer) {
    ringCounts.made = ringCounts.taken = 0;
    std::thread worker(renderSeparateBlocks);
    for (int32_t block = 0; block < SONG_BLOCKS; ++block) {
        waitFor(ringCounts.made, block + 1);
        renderSongBlock(buffer, block, true);
        setCount(ringCounts.taken, block + 1);
    }
    worker.join();
}

#endif

}  // namespace

int renderSongInto(const Song& song, std::atomic<float>* buffer, SongFault* fault, RenderThreads threads) {
    renderedFrames.store(0, std::memory_order_release);
    if (!startEngine(songEngine, song, fault)) return 0;
    const bool separate = separateTracks(song);
#ifdef QUORVEL_RENDER_WORKER
    if (separate && threads == RENDER_WITH_WORKER) {
        renderWithWorker(buffer);
        return 1;
    }
#else
    (void)threads;
#endif
    for (int32_t block = 0; block < SONG_BLOCKS; ++block) {
        if (separate) renderSeparateBlock(block);
        renderSongBlock(buffer, block, separate);
    }
    return 1;
}

void renderSong(void* buffer) {
    // demoSong is validated by the test suite; a song that fails here leaves
    // the buffer silent rather than render out of bounds.
    renderSongInto(demoSong, static_cast<std::atomic<float>*>(buffer), nullptr);
}

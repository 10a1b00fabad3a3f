#include "synth/song_render.h"

#include "synth/synth_engine.h"

#ifdef QUORVEL_RENDER_WORKER
#include <thread>
#endif

std::atomic<float> musicBuffer[SONG_FRAMES * 2];
std::atomic<int32_t> noteTrace[NOTE_TRACE_ROWS][NOTE_TRACE_ENTRIES];
std::atomic<int32_t> renderedFrames;

namespace {

// The voice area, the 122 MB delay pool and the decoded song: static, as the
// engine allocates nothing.
SynthEngine songEngine;

// The engine's tracks' note words of the frame just rendered, into the trace.
void traceNotes(const SynthEngine& engine, int32_t frame) {
    std::atomic<int32_t>* traceRow = noteTrace[frame >> 8];
    for (int32_t track = 0; track < TRACK_COUNT; ++track) {
        if (engine.trackPlaces[track] != TRACK_HERE) continue;
        traceRow[2 * track].store(engine.trackNotes[track], std::memory_order_relaxed);
    }
}

// The frames from `first` to `end` into buffer, with `elsewhere` the outputs
// of the tracks rendered apart (one record a frame, from `first` on), if any.
void renderFrames(std::atomic<float>* buffer, int32_t first, int32_t end, const TrackOutputs* elsewhere) {
    for (int32_t frame = first; frame < end; ++frame) {
        const StereoFrame out = renderFrame(songEngine, elsewhere ? elsewhere + (frame - first) : nullptr);
        traceNotes(songEngine, frame);
        buffer[2 * frame].store(out.left, std::memory_order_relaxed);
        buffer[2 * frame + 1].store(out.right, std::memory_order_relaxed);
        renderedFrames.store(frame + 1, std::memory_order_release);
    }
}

#ifdef QUORVEL_RENDER_WORKER

// The separable tracks on a worker thread of their own, a block of frames
// ahead: it renders them on an engine of its own and hands their outputs of
// every frame through a ring of blocks to the render thread, which renders
// the other tracks and the master frame by frame as before, the handed-in
// outputs taking the separable tracks' turns. Each engine computes what the
// one engine would, in the same order: the result is the same to the bit.
enum { BLOCK_FRAMES = NOTE_TRACE_BLOCK, RING_BLOCKS = 16, SONG_BLOCKS = NOTE_TRACE_ROWS };

SynthEngine workerEngine;
TrackOutputs ring[RING_BLOCKS][BLOCK_FRAMES];
std::atomic<int32_t> blocksMade;   // by the worker: blocks in the ring, counted from the song's start
std::atomic<int32_t> blocksTaken;  // by the render thread

int32_t blockEnd(int32_t block) { return block == SONG_BLOCKS - 1 ? SONG_FRAMES : (block + 1) * BLOCK_FRAMES; }

// Waits (giving the processor away) until counter reaches at least value.
void waitFor(const std::atomic<int32_t>& counter, int32_t value) {
    while (counter.load(std::memory_order_acquire) < value) std::this_thread::yield();
}

void renderSeparableTracks() {
    for (int32_t block = 0; block < SONG_BLOCKS; ++block) {
        waitFor(blocksTaken, block - RING_BLOCKS + 1);
        TrackOutputs* outputs = ring[block % RING_BLOCKS];
        for (int32_t frame = block * BLOCK_FRAMES; frame < blockEnd(block); ++frame) {
            renderFrame(workerEngine);
            traceNotes(workerEngine, frame);
            copyTrackOutputs(workerEngine, *outputs++);
        }
        blocksMade.store(block + 1, std::memory_order_release);
    }
}

// 0 when no track is separable (everything stays on this thread).
int renderWithWorker(const Song& song, std::atomic<float>* buffer) {
    bool separable[TRACK_COUNT];
    findSeparableTracks(songEngine.program, separable);
    int32_t count = 0;
    for (bool apart : separable) count += apart;
    if (count == 0 || !startEngine(workerEngine, song, nullptr)) return 0;
    for (int32_t track = 0; track < TRACK_COUNT; ++track) {
        songEngine.trackPlaces[track] = separable[track] ? TRACK_ELSEWHERE : TRACK_HERE;
        workerEngine.trackPlaces[track] = separable[track] ? TRACK_HERE : TRACK_ELSEWHERE;
    }
    workerEngine.rendersMaster = false;
    blocksMade.store(0, std::memory_order_relaxed);
    blocksTaken.store(0, std::memory_order_relaxed);
    std::thread worker(renderSeparableTracks);
    for (int32_t block = 0; block < SONG_BLOCKS; ++block) {
        waitFor(blocksMade, block + 1);
        renderFrames(buffer, block * BLOCK_FRAMES, blockEnd(block), ring[block % RING_BLOCKS]);
        blocksTaken.store(block + 1, std::memory_order_release);
    }
    worker.join();
    return 1;
}

#endif

}  // namespace

int renderSongInto(const Song& song, std::atomic<float>* buffer, SongFault* fault, RenderThreads threads) {
    renderedFrames.store(0, std::memory_order_release);
    if (!startEngine(songEngine, song, fault)) return 0;
#ifdef QUORVEL_RENDER_WORKER
    if (threads == RENDER_WITH_WORKER && renderWithWorker(song, buffer)) return 1;
#else
    (void)threads;
#endif
    renderFrames(buffer, 0, SONG_FRAMES, nullptr);
    return 1;
}

void renderSong(void* buffer) {
    // demoSong is validated by the test suite; a song that fails here leaves
    // the buffer silent rather than render out of bounds.
    renderSongInto(demoSong, static_cast<std::atomic<float>*>(buffer), nullptr);
}

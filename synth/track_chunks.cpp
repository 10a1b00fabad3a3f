#include "synth/track_chunks.h"

#if PLATFORM_WORKER_THREADS
#include <condition_variable>
#include <mutex>

namespace {

// 1 MB of frames: the chunks in flight.
TrackFrames chunkRing[CHUNK_RING];
SynthEngine* chunkEngine = nullptr;
int32_t songFrameCount = 0;
int32_t chunksOfGroup0 = 0;  // rendered, by the master's thread
int32_t chunksOfGroup1 = 0;  // rendered by the worker, as the master's thread last saw
bool masterAtWorkersHeels = false;

// A group's frames of the chunk. The engine was reset at the song's start,
// so a frame's delay clock is its number.
void renderChunk(int32_t group, int32_t chunk) {
    const int32_t first = chunk * TRACK_CHUNK;
    const int32_t count = songFrameCount - first < TRACK_CHUNK ? songFrameCount - first : TRACK_CHUNK;
    const TrackRunStart start = {first / SAMPLES_PER_ROW, first % SAMPLES_PER_ROW, static_cast<uint32_t>(first)};
    renderTrackGroup(*chunkEngine, group, start, chunkRing[chunk % CHUNK_RING], count);
}

struct Worker {
    std::mutex mutex;
    std::condition_variable changed;
    int32_t rendered = 0;  // chunks of group 1
    int32_t released = 0;  // chunks the master is done with
    bool stop = false;
    bool running = false;
};

// Never destroyed: a worker may still be waiting on it when the process ends.
Worker& worker() {
    static Worker* const shared = new Worker;
    return *shared;
}

void renderGroup1(void*) {
    Worker& w = worker();
    const int32_t chunks = (songFrameCount + TRACK_CHUNK - 1) / TRACK_CHUNK;
    for (int32_t chunk = 0; chunk < chunks; ++chunk) {
        {
            std::unique_lock<std::mutex> lock(w.mutex);
            w.changed.wait(lock, [&] { return w.stop || chunk - w.released < CHUNK_RING; });
            if (w.stop) break;
        }
        renderChunk(1, chunk);
        {
            std::lock_guard<std::mutex> lock(w.mutex);
            w.rendered = chunk + 1;
        }
        w.changed.notify_all();
    }
    {
        std::lock_guard<std::mutex> lock(w.mutex);
        w.running = false;
    }
    w.changed.notify_all();
}

void endWorker() {
    Worker& w = worker();
    std::unique_lock<std::mutex> lock(w.mutex);
    w.stop = true;
    w.changed.notify_all();
    w.changed.wait(lock, [&] { return !w.running; });
}

int startWorker() {
    Worker& w = worker();
    {
        std::lock_guard<std::mutex> lock(w.mutex);
        w.rendered = 0;
        w.released = 0;
        w.stop = false;
        w.running = true;
    }
    if (startWorkerThread(renderGroup1, nullptr)) return 1;
    std::lock_guard<std::mutex> lock(w.mutex);
    w.running = false;
    return 0;
}

// Waits for the worker's frames of the chunk; returns how many it has.
int32_t awaitGroup1(int32_t chunk) {
    Worker& w = worker();
    std::unique_lock<std::mutex> lock(w.mutex);
    w.changed.wait(lock, [&] { return w.rendered > chunk; });
    return w.rendered;
}

}  // namespace

void endTrackChunks() { endWorker(); }

int startTrackChunks(SynthEngine& engine, int32_t frameCount) {
    startTrackGroups(engine);
    chunkEngine = &engine;
    songFrameCount = frameCount;
    chunksOfGroup0 = 0;
    chunksOfGroup1 = 0;
    return startWorker();
}

const TrackFrames& trackChunk(int32_t chunk) {
    if (chunksOfGroup0 == chunk) {
        renderChunk(0, chunk);
        ++chunksOfGroup0;
    }
    if (chunksOfGroup1 <= chunk) chunksOfGroup1 = awaitGroup1(chunk);
    return chunkRing[chunk % CHUNK_RING];
}

void releaseTrackChunk(int32_t chunk) {
    Worker& w = worker();
    {
        std::lock_guard<std::mutex> lock(w.mutex);
        w.released = chunk + 1;
    }
    w.changed.notify_all();
    if (!masterAtWorkersHeels) return;
    const int32_t chunks = (songFrameCount + TRACK_CHUNK - 1) / TRACK_CHUNK;
    const int32_t refilled = chunk + CHUNK_RING + 1 < chunks ? chunk + CHUNK_RING + 1 : chunks;
    std::unique_lock<std::mutex> lock(w.mutex);
    w.changed.wait(lock, [&] { return w.rendered >= refilled || !w.running; });
}

void holdMasterAtWorkersHeels(bool heels) { masterAtWorkersHeels = heels; }

#endif

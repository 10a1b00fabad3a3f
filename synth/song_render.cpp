#include "synth/song_render.h"

#include "synth/synth_engine.h"
#include "synth/track_chunks.h"

std::atomic<float> musicBuffer[SONG_FRAMES * 2];
std::atomic<int32_t> noteTrace[NOTE_TRACE_ROWS][NOTE_TRACE_ENTRIES];
std::atomic<int32_t> renderedFrames;

namespace {
// The voice area, the 122 MB delay pool and the decoded song: static, as the
// engine allocates nothing.
SynthEngine songEngine;

// Where the render started by startSongRender goes, and how far it has come.
std::atomic<float>* songBuffer = nullptr;
int32_t nextFrame = SONG_FRAMES;
bool demoSongStarted = false;
#if PLATFORM_WORKER_THREADS
bool renderingChunks = false;  // the tracks through track_chunks.h, ahead on a worker
#endif

// Renders up to count frames from frame on into run, as renderFrames does:
// where the tracks render ahead on a worker, one chunk of theirs at a time.
int32_t renderRun(int32_t frame, StereoFrame* run, int32_t count) {
#if PLATFORM_WORKER_THREADS
    if (!renderingChunks) return renderFrames(songEngine, run, count);
    const int32_t chunk = frame / TRACK_CHUNK, inChunk = frame % TRACK_CHUNK;
    if (count > TRACK_CHUNK - inChunk) count = TRACK_CHUNK - inChunk;
    const int32_t rendered = renderMasterFrames(songEngine, trackChunk(chunk), inChunk, run, count);
    if (inChunk + rendered == TRACK_CHUNK) releaseTrackChunk(chunk);
    return rendered;
#else
    (void)frame;
    return renderFrames(songEngine, run, count);
#endif
}

// Renders frames from..end of engine's song into output, a run of frames at a
// time (runOf: as renderFrames, from a frame), keeping the note trace and the
// count of finished frames.
template <typename RunOfFrames>
void renderInto(SynthEngine& engine, const SongOutput& output, int32_t from, int32_t end, RunOfFrames runOf) {
    StereoFrame run[NOTE_TRACE_BLOCK];
    for (int32_t frame = from; frame < end;) {
        // A block's row takes the notes of its first frame, then every change:
        // a run of frames ends at the next block's first frame, if not before
        // at a frame that changes notes.
        const int32_t toBlockStart = (NOTE_TRACE_BLOCK - frame % NOTE_TRACE_BLOCK) % NOTE_TRACE_BLOCK + 1;
        const int32_t rendered = runOf(frame, run, toBlockStart < end - frame ? toBlockStart : end - frame);
        for (int32_t i = 0; i < rendered; ++i, ++frame) {
            output.samples[2 * frame].store(run[i].left, std::memory_order_relaxed);
            output.samples[2 * frame + 1].store(run[i].right, std::memory_order_relaxed);
            if (i == rendered - 1 && (frame % NOTE_TRACE_BLOCK == 0 || engine.notesChanged)) {
                std::atomic<int32_t>* traceRow = output.noteTrace[frame / NOTE_TRACE_BLOCK];
                for (int32_t track = 0; track < TRACK_COUNT; ++track) {
                    traceRow[2 * track].store(engine.trackNotes[track], std::memory_order_relaxed);
                }
                engine.notesChanged = false;
            }
            output.renderedFrames->store(frame + 1, std::memory_order_release);
        }
    }
}

}  // namespace

int startSongRender(const Song& song, std::atomic<float>* buffer, SongFault* fault) {
    renderedFrames.store(0, std::memory_order_release);
    nextFrame = SONG_FRAMES;
#if PLATFORM_WORKER_THREADS
    endTrackChunks();
    renderingChunks = false;
#endif
    if (!startEngine(songEngine, song, fault)) return 0;
#if PLATFORM_WORKER_THREADS
    renderingChunks = hasTrackGroups(songEngine) && startTrackChunks(songEngine, SONG_FRAMES);
#endif
    songBuffer = buffer;
    nextFrame = 0;
    return 1;
}

int continueSongRender(int32_t frameCount) {
    const int32_t end = frameCount < SONG_FRAMES - nextFrame ? nextFrame + frameCount : SONG_FRAMES;
    renderInto(songEngine, SongOutput{songBuffer, noteTrace, &renderedFrames}, nextFrame, end, renderRun);
    nextFrame = end;
    return nextFrame < SONG_FRAMES;
}

int startOwnRender(SongRender* render, SynthEngine* engine, const Song& song, SongOutput output, SongFault* fault) {
    output.renderedFrames->store(0, std::memory_order_release);
    render->nextFrame = SONG_FRAMES;
    if (!startEngine(*engine, song, fault)) return 0;
    render->engine = engine;
    render->output = output;
    render->nextFrame = 0;
    return 1;
}

int continueOwnRender(SongRender* render, int32_t frameCount) {
    const int32_t from = render->nextFrame;
    const int32_t end = frameCount < SONG_FRAMES - from ? from + frameCount : SONG_FRAMES;
    SynthEngine& engine = *render->engine;
    renderInto(engine, render->output, from, end,
               [&engine](int32_t, StereoFrame* run, int32_t count) { return renderFrames(engine, run, count); });
    render->nextFrame = end;
    return end < SONG_FRAMES;
}

int renderSongInto(const Song& song, std::atomic<float>* buffer, SongFault* fault) {
    if (!startSongRender(song, buffer, fault)) return 0;
    continueSongRender(SONG_FRAMES);
    return 1;
}

int renderSong(void* buffer) {
    if (!demoSongStarted) {
        demoSongStarted = true;
        // demoSong is validated by the test suite; a song that fails here
        // leaves the buffer silent rather than render out of bounds.
        if (!startSongRender(demoSong, static_cast<std::atomic<float>*>(buffer), nullptr)) return 0;
    }
    return continueSongRender(SONG_RENDER_SLICE);
}

#include "tools/studio/live_song/live_song.h"

#include <new>

namespace {

void renderOnWorker(LiveSong* live) {
    // The song compiled and was validated with it: the engine takes it.
    if (!startOwnRender(&live->render, live->engine.get(), interpretedSong(live->song), live->render.output, nullptr))
        return;
    while (!live->cancel.load(std::memory_order_relaxed) && continueOwnRender(&live->render, SONG_RENDER_SLICE)) {
    }
}

}  // namespace

int startLiveSong(LiveSong* live, const std::string& sourcePath) {
    live->sourcePath = sourcePath;
    watchFile(&live->watch, sourcePath);
    live->engine.reset(new (std::nothrow) SynthEngine());
    for (LiveSongRender& render : live->renders) {
        render.samples.reset(new (std::nothrow) std::atomic<float>[SONG_FRAMES * 2]());
        render.noteTrace.reset(new (std::nothrow) std::atomic<int32_t>[NOTE_TRACE_ROWS][NOTE_TRACE_ENTRIES]());
        render.framesWritten.store(0, std::memory_order_relaxed);
    }
    live->playing = -1;
    live->pending = -1;
    live->cancel.store(false, std::memory_order_relaxed);
    return live->engine && live->renders[0].samples && live->renders[0].noteTrace && live->renders[1].samples &&
           live->renders[1].noteTrace;
}

LiveSongNews pollLiveSong(LiveSong* live, std::string* message) {
    if (changedFiles(&live->watch).empty()) return LIVE_SONG_UNCHANGED;
    std::string text;
    CompiledSong song;
    message->clear();
    if (!readWholeFile(live->sourcePath, &text)) {
        *message = live->sourcePath + ": cannot be read\n";
        return LIVE_SONG_REFUSED;
    }
    if (!compileSongSource(text, live->sourcePath, &song, message)) return LIVE_SONG_REFUSED;

    stopLiveSong(live);
    live->song = std::move(song);
    live->pending = live->playing == 0 ? 1 : 0;
    LiveSongRender& render = live->renders[live->pending];
    // Zero before the worker starts: the count an earlier render left there
    // must not let the studio take this one early.
    render.framesWritten.store(0, std::memory_order_release);
    live->render.output = SongOutput{render.samples.get(), render.noteTrace.get(), &render.framesWritten};
    live->cancel.store(false, std::memory_order_relaxed);
    live->worker = std::thread(renderOnWorker, live);
    return LIVE_SONG_RENDERING;
}

int32_t liveSongProgress(const LiveSong* live) {
    return live->pending < 0 ? -1 : live->renders[live->pending].framesWritten.load(std::memory_order_acquire);
}

LiveSongRender* switchLiveSongIfPast(LiveSong* live, int32_t frame) {
    if (live->pending < 0 || liveSongProgress(live) <= frame) return nullptr;
    live->playing = live->pending;
    live->pending = -1;
    return &live->renders[live->playing];
}

void stopLiveSong(LiveSong* live) {
    if (!live->worker.joinable()) return;
    live->cancel.store(true, std::memory_order_relaxed);
    live->worker.join();
}

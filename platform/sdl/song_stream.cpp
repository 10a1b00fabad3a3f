// The song stream on SDL2 audio. The main thread only stores requests into
// atomics (the source, pause, a seek) and the callback, on SDL's audio thread,
// takes them at the start of each device buffer: no lock is held across it,
// and it allocates nothing.
#include "platform/common/song_stream_copy.h"
#include "platform/sdl/song_device.h"

#include <SDL.h>

namespace {

const int CHANNELS = SONG_DEVICE_CHANNELS;
// Wider than any frame, so that "no seek pending" is no frame a caller can ask for.
const int64_t NO_SEEK = INT64_MIN;

struct SongStream {
    SDL_AudioDeviceID device;  // 0 until opened, and for ever when opening failed
    std::atomic<const SongStreamSource*> source;
    std::atomic<bool> paused;
    std::atomic<int64_t> seek;         // the frame of a seek not yet taken, or NO_SEEK
    SongStreamCursor cursor;           // audio thread only
    std::atomic<int32_t> position;     // where the last device buffer began, for the main thread
    std::atomic<uint32_t> underruns;
};

SongStream stream = {0, {nullptr}, {false}, {NO_SEEK}, {nullptr, 0, false, 0}, {0}, {0}};

void fillDeviceBuffer(void*, Uint8* bytes, int byteCount) {
    // The source before the seek: playSongStream stores them the other way
    // round, so a callback that sees its source sees its frame too.
    stream.cursor.source = stream.source.load(std::memory_order_acquire);
    const int64_t seek = stream.seek.exchange(NO_SEEK, std::memory_order_acq_rel);
    if (seek != NO_SEEK) stream.cursor.position = static_cast<int32_t>(seek);
    stream.cursor.paused = stream.paused.load(std::memory_order_relaxed);
    // What earlier buffers handed over has been played by now; this one is
    // heard over the next device buffer.
    stream.position.store(stream.cursor.position, std::memory_order_relaxed);
    copySongStream(&stream.cursor, reinterpret_cast<float*>(bytes),
                   byteCount / static_cast<int>(CHANNELS * sizeof(float)));
    stream.underruns.store(stream.cursor.underruns, std::memory_order_relaxed);
}

}  // namespace

int openSongStream() {
    if (stream.device) return 1;
    stream.device = openSongDevice(fillDeviceBuffer);
    if (stream.device) SDL_PauseAudioDevice(stream.device, 0);
    return stream.device != 0 ? 1 : 0;
}

void playSongStream(const SongStreamSource* source, int32_t frame) {
    seekSongStream(frame);
    stream.source.store(source, std::memory_order_release);
}

void pauseSongStream(bool paused) { stream.paused.store(paused, std::memory_order_relaxed); }

void seekSongStream(int32_t frame) { stream.seek.store(frame, std::memory_order_release); }

void switchSongStream(const SongStreamSource* source) { stream.source.store(source, std::memory_order_release); }

int32_t songStreamPosition() {
    const int64_t seek = stream.seek.load(std::memory_order_acquire);
    return seek != NO_SEEK ? static_cast<int32_t>(seek) : stream.position.load(std::memory_order_relaxed);
}

uint32_t songStreamUnderruns() { return stream.underruns.load(std::memory_order_relaxed); }

int32_t songStreamLead() {
    const SongStreamSource* source = stream.source.load(std::memory_order_acquire);
    if (!source) return 0;
    const int32_t written = source->framesWritten->load(std::memory_order_acquire);
    return (written < source->frameCount ? written : source->frameCount) - songStreamPosition();
}

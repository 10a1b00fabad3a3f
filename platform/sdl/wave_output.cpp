// Wave output on SDL2 audio: one caller-owned float buffer, played once from its
// start while the render thread is still writing it.
//
// The device pulls samples through a callback on SDL's audio thread. The
// callback copies straight from the caller's atomic samples, but only frames the
// render has finished (its count, loaded with acquire ordering): a device buffer
// whose frames are not all there yet is played as silence and the song waits,
// so a slow render delays the sound instead of replacing it with zeros. The
// frames of the buffer the device has taken are the playback position: nothing
// here looks at the wall clock, and the note events follow what is heard.
#include "platform/platform.h"
#include "platform/sdl/song_device.h"


namespace {

// The device asks for 11.6 ms of sound at a time. Small, so that the position
// handed to the note poll is close to what is heard, and still a comfortable
// slice for a callback that only copies.
const int DEVICE_BUFFER_FRAMES = SONG_DEVICE_BUFFER_FRAMES;
const int CHANNELS = SONG_DEVICE_CHANNELS;

// The song starts once this much of it is finished (186 ms): a render thread
// that has only just started may stall a moment more (page faults, a busy
// machine), and a lead taken at the start keeps such a stall from cutting a
// gap into the song's first notes. Waiting for it is the device's start-up
// latency, not an underrun.
const uint32_t START_LEAD_FRAMES = 16 * DEVICE_BUFFER_FRAMES;

struct WaveOutput {
    SDL_AudioDeviceID device;  // 0 until opened, and for ever when opening failed
    // Set once by platformPlayWaveBuffer; the count and the progress are
    // stored before the pointer is released, so a callback that sees the
    // pointer sees them.
    std::atomic<const std::atomic<float>*> samples;
    std::atomic<uint32_t> frameCount;
    std::atomic<const std::atomic<int32_t>*> framesWritten;
    uint32_t framesTaken;             // audio thread only: frames handed to the device
    std::atomic<uint32_t> position;   // frames the device has played, for the main thread
    std::atomic<uint32_t> underruns;  // device buffers played as silence after the start
};

WaveOutput wave;

// The frames the callback may hand over now: none while the frames it needs
// (a device buffer's worth, or the song's rest) are not all finished.
uint32_t framesToTake(uint32_t wanted, uint32_t end) {
    const int32_t written = wave.framesWritten.load(std::memory_order_relaxed)->load(std::memory_order_acquire);
    uint32_t finished = written > 0 ? static_cast<uint32_t>(written) : 0;
    if (finished > end) finished = end;
    const uint32_t rest = end - wave.framesTaken;
    const uint32_t needed = wanted < rest ? wanted : rest;
    if (wave.framesTaken == 0) {
        const uint32_t lead = START_LEAD_FRAMES < end ? START_LEAD_FRAMES : end;
        return finished >= lead ? needed : 0;
    }
    if (finished - wave.framesTaken >= needed) return needed;
    wave.underruns.fetch_add(1, std::memory_order_relaxed);
    return 0;
}

void fillDeviceBuffer(void*, Uint8* stream, int byteCount) {
    float* out = reinterpret_cast<float*>(stream);
    const uint32_t frames = static_cast<uint32_t>(byteCount) / (CHANNELS * sizeof(float));
    const std::atomic<float>* samples = wave.samples.load(std::memory_order_acquire);

    // What the earlier callbacks handed over has been played by now; what this
    // one copies is heard over the next device buffer. So the position lags the
    // frames taken by one callback and trails the sound by less than a buffer.
    wave.position.store(wave.framesTaken, std::memory_order_relaxed);

    const uint32_t copied = samples ? framesToTake(frames, wave.frameCount.load(std::memory_order_relaxed)) : 0;
    const std::atomic<float>* from = samples ? samples + static_cast<size_t>(wave.framesTaken) * CHANNELS : nullptr;
    for (uint32_t i = 0; i < copied * CHANNELS; ++i) out[i] = from[i].load(std::memory_order_relaxed);
    for (uint32_t i = copied * CHANNELS; i < frames * CHANNELS; ++i) out[i] = 0.0f;
    wave.framesTaken += copied;
}

}  // namespace

int platformOpenWaveOutput() {
    if (!wave.device) wave.device = openSongDevice(fillDeviceBuffer);
    return wave.device != 0 ? 1 : 0;
}

void platformPlayWaveBuffer(const std::atomic<float>* samples, uint32_t frameCount,
                            const std::atomic<int32_t>* framesWritten) {
    if (!wave.device) return;
    wave.frameCount.store(frameCount, std::memory_order_relaxed);
    wave.framesWritten.store(framesWritten, std::memory_order_relaxed);
    wave.samples.store(samples, std::memory_order_release);
    // The device opens paused and plays silence until now.
    SDL_PauseAudioDevice(wave.device, 0);
}

uint32_t platformWavePosition() { return wave.position.load(std::memory_order_relaxed); }

uint32_t platformWaveUnderruns() { return wave.underruns.load(std::memory_order_relaxed); }

// Wave output on SDL2 audio: one caller-owned float buffer, played once from its
// start while the render thread is still writing it.
//
// The device pulls samples through a callback on SDL's audio thread. The
// callback copies straight from the caller's atomic samples (relaxed loads: a
// part not yet rendered reads as the zeros it was filled with) and plays silence
// before the start (see START_SILENCE_FRAMES) and after the end. It also counts
// the frames of the buffer the device has taken, which is the playback
// position: nothing here looks at the wall clock.
#include "platform/common/wave_format.h"
#include "platform/platform.h"

#include <SDL.h>

namespace {

// 512 frames at 44.1 kHz: the device asks for 11.6 ms of sound at a time. Small,
// so that the position handed to the note poll is close to what is heard, and
// still a comfortable slice for a callback that only copies.
const int DEVICE_BUFFER_FRAMES = 512;
const int CHANNELS = SONG_WAVE_FORMAT.channels;

// The buffer is handed over a moment after its render thread was started, and
// nothing tells the device how far the render has come. A device that read
// frame 0 at once would play the song's first buffers as the zeros they still
// are while the new thread gets going (on a busy machine a tenth of a second
// and more). So the device has a start-up latency, as sound hardware has: 16
// device buffers (8192 frames, 186 ms) of silence first, then frame 0. The
// position counts frames of the caller's buffer only, so the note events
// still follow what is heard.
const uint32_t START_SILENCE_FRAMES = 16 * DEVICE_BUFFER_FRAMES;

struct WaveOutput {
    SDL_AudioDeviceID device;  // 0 until opened, and for ever when opening failed
    // Set once by platformPlayWaveBuffer; the count is stored before the
    // pointer is released, so a callback that sees the pointer sees the count.
    std::atomic<const std::atomic<float>*> samples;
    std::atomic<uint32_t> frameCount;
    uint32_t silenceLeft;            // audio thread only: start-up silence still to play
    uint32_t framesTaken;            // audio thread only: frames handed to the device
    std::atomic<uint32_t> position;  // frames the device has played, for the main thread
};

WaveOutput wave;

void fillDeviceBuffer(void*, Uint8* stream, int byteCount) {
    float* out = reinterpret_cast<float*>(stream);
    const uint32_t frames = static_cast<uint32_t>(byteCount) / (CHANNELS * sizeof(float));
    const std::atomic<float>* samples = wave.samples.load(std::memory_order_acquire);
    const uint32_t end = samples ? wave.frameCount.load(std::memory_order_relaxed) : 0;

    // What the earlier callbacks handed over has been played by now; what this
    // one copies is heard over the next device buffer. So the position lags the
    // frames taken by one callback and trails the sound by less than a buffer.
    wave.position.store(wave.framesTaken, std::memory_order_relaxed);

    uint32_t copied = 0;
    if (samples && wave.silenceLeft > 0) {
        wave.silenceLeft -= wave.silenceLeft < frames ? wave.silenceLeft : frames;
    } else {
        copied = end - wave.framesTaken;
        if (copied > frames) copied = frames;
    }
    const std::atomic<float>* from = samples ? samples + static_cast<size_t>(wave.framesTaken) * CHANNELS : nullptr;
    for (uint32_t i = 0; i < copied * CHANNELS; ++i) out[i] = from[i].load(std::memory_order_relaxed);
    for (uint32_t i = copied * CHANNELS; i < frames * CHANNELS; ++i) out[i] = 0.0f;
    wave.framesTaken += copied;
}

}  // namespace

int platformOpenWaveOutput() {
    if (wave.device) return 1;
    if (!SDL_WasInit(SDL_INIT_AUDIO) && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;

    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = SONG_WAVE_FORMAT.framesPerSecond;
    want.format = AUDIO_F32SYS;
    want.channels = CHANNELS;
    want.samples = DEVICE_BUFFER_FRAMES;
    want.callback = fillDeviceBuffer;
    // No changes allowed: when the hardware wants another format, SDL converts,
    // and the callback still sees exactly this one.
    wave.silenceLeft = START_SILENCE_FRAMES;
    wave.device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    return wave.device != 0 ? 1 : 0;
}

// The callback reads the caller's buffer as it plays: no count of finished frames needed.
void platformPlayWaveBuffer(const std::atomic<float>* samples, uint32_t frameCount, const std::atomic<int32_t>*) {
    if (!wave.device) return;
    wave.frameCount.store(frameCount, std::memory_order_relaxed);
    wave.samples.store(samples, std::memory_order_release);
    // The device opens paused and plays silence until now.
    SDL_PauseAudioDevice(wave.device, 0);
}

uint32_t platformWavePosition() { return wave.position.load(std::memory_order_relaxed); }

// Wave output on SDL2 audio: one caller-owned float buffer, played once from its
// start while the render thread is still writing it.
//
// The device pulls samples through a callback on SDL's audio thread. The
// callback copies straight from the caller's atomic samples (relaxed loads: a
// part not yet rendered reads as the zeros it was filled with) and plays silence
// after the end. It also counts the frames the device has taken, which is the
// playback position: nothing here looks at the wall clock.
#include "platform/platform.h"

#include <SDL.h>

namespace {

// 512 frames at 44.1 kHz: the device asks for 11.6 ms of sound at a time. Small,
// so that the position handed to the note poll is close to what is heard, and
// still a comfortable slice for a callback that only copies.
const int DEVICE_BUFFER_FRAMES = 512;
const int CHANNELS = 2;

struct WaveOutput {
    SDL_AudioDeviceID device;  // 0 until opened, and for ever when opening failed
    // Set once by platformPlayWaveBuffer; the count is stored before the
    // pointer is released, so a callback that sees the pointer sees the count.
    std::atomic<const std::atomic<float>*> samples;
    std::atomic<uint32_t> frameCount;
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

    uint32_t copied = end - wave.framesTaken;
    if (copied > frames) copied = frames;
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
    want.freq = 44100;
    want.format = AUDIO_F32SYS;
    want.channels = CHANNELS;
    want.samples = DEVICE_BUFFER_FRAMES;
    want.callback = fillDeviceBuffer;
    // No changes allowed: when the hardware wants another format, SDL converts,
    // and the callback still sees exactly this one.
    wave.device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    return wave.device != 0 ? 1 : 0;
}

void platformPlayWaveBuffer(const std::atomic<float>* samples, uint32_t frameCount) {
    if (!wave.device) return;
    wave.frameCount.store(frameCount, std::memory_order_relaxed);
    wave.samples.store(samples, std::memory_order_release);
    // The device opens paused and plays silence until now.
    SDL_PauseAudioDevice(wave.device, 0);
}

uint32_t platformWavePosition() { return wave.position.load(std::memory_order_relaxed); }

// A wave device without a speaker: it plays from the moment the buffer is
// handed over, at exactly 44100 frames per second of the virtual clock.
#include "platform/capture/capture_backend.h"
#include "platform/platform.h"

namespace {

bool opened = false;
bool playing = false;
CaptureSound sound;

}  // namespace

int platformOpenWaveOutput() {
    opened = true;
    return 1;
}

// The whole song is rendered before the next frame polls it (see
// immediate_thread.cpp): the count of finished frames is not needed.
void platformPlayWaveBuffer(const std::atomic<float>* samples, uint32_t frameCount, const std::atomic<int32_t>*) {
    if (!opened) return;
    sound = CaptureSound{samples, frameCount, platformPerformanceCounter()};
    playing = true;
}

uint32_t platformWavePosition() {
    if (!playing) return 0;
    const int64_t played = soundFramesBetween(sound.startCounter, platformPerformanceCounter());
    // A real device stops at the end of the buffer, and so does this one.
    return played < sound.frameCount ? static_cast<uint32_t>(played) : sound.frameCount;
}

// The song is whole before the device plays any of it.
uint32_t platformWaveUnderruns() { return 0; }

int capturedSound(CaptureSound* out) {
    if (!playing) return 0;
    *out = sound;
    return 1;
}

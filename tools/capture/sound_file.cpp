#include "tools/capture/sound_file.h"

#include "tools/float_wav/float_wav_header.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const uint32_t SAMPLE_RATE = 44100;
const uint16_t CHANNELS = 2;
const int64_t CHUNK_FRAMES = 4096;

float songSample(const CaptureSound* sound, int64_t songFrame, int channel) {
    if (!sound || songFrame < 0 || songFrame >= sound->frameCount) return 0.0f;
    return sound->samples[songFrame * CHANNELS + channel].load(std::memory_order_relaxed);
}

}  // namespace

int writeSoundWav(const char* path, const CaptureSound* sound, int64_t songStart, int64_t frames,
                  std::string* error) {
    FILE* file = std::fopen(path, "wb");
    if (!file) {
        *error = std::string(path) + ": cannot create: " + std::strerror(errno);
        return 0;
    }
    uint8_t head[WAV_HEADER_BYTES];
    wavHeader(head, static_cast<uint32_t>(frames), SAMPLE_RATE);
    errno = 0;
    bool ok = std::fwrite(head, 1, sizeof head, file) == sizeof head;

    // Little-endian floats, as the machine holds them.
    static float chunk[CHUNK_FRAMES * CHANNELS];
    for (int64_t done = 0; ok && done < frames; done += CHUNK_FRAMES) {
        const int64_t count = frames - done < CHUNK_FRAMES ? frames - done : CHUNK_FRAMES;
        for (int64_t i = 0; i < count; ++i) {
            for (int channel = 0; channel < CHANNELS; ++channel) {
                chunk[i * CHANNELS + channel] = songSample(sound, done + i - songStart, channel);
            }
        }
        const size_t samples = static_cast<size_t>(count) * CHANNELS;
        ok = std::fwrite(chunk, sizeof(float), samples, file) == samples;
    }
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!ok || !closed) {
        *error = std::string(path) + ": cannot write the sound: " + std::strerror(ok ? errno : writeError);
        return 0;
    }
    return 1;
}

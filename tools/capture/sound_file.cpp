#include "tools/capture/sound_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const uint32_t SAMPLE_RATE = 44100;
const uint16_t CHANNELS = 2;
const uint16_t BYTES_PER_SAMPLE = 4;
const uint16_t IEEE_FLOAT = 3;
const int64_t CHUNK_FRAMES = 4096;

void put16(unsigned char* at, uint16_t value) {
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
}

void put32(unsigned char* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

// RIFF header, "fmt " chunk for IEEE float, "fact" chunk (which a non-PCM
// WAV carries), then the "data" chunk's header.
void header(uint32_t frames, unsigned char out[58]) {
    const uint32_t dataBytes = frames * CHANNELS * BYTES_PER_SAMPLE;
    std::memcpy(out, "RIFF", 4);
    put32(out + 4, 50 + dataBytes);
    std::memcpy(out + 8, "WAVE", 4);
    std::memcpy(out + 12, "fmt ", 4);
    put32(out + 16, 18);
    put16(out + 20, IEEE_FLOAT);
    put16(out + 22, CHANNELS);
    put32(out + 24, SAMPLE_RATE);
    put32(out + 28, SAMPLE_RATE * CHANNELS * BYTES_PER_SAMPLE);
    put16(out + 32, CHANNELS * BYTES_PER_SAMPLE);
    put16(out + 34, BYTES_PER_SAMPLE * 8);
    put16(out + 36, 0);
    std::memcpy(out + 38, "fact", 4);
    put32(out + 42, 4);
    put32(out + 46, frames);
    std::memcpy(out + 50, "data", 4);
    put32(out + 54, dataBytes);
}

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
    unsigned char head[58];
    header(static_cast<uint32_t>(frames), head);
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
    const bool closed = std::fclose(file) == 0;
    if (!ok || !closed) {
        *error = std::string(path) + ": cannot write the sound (disk full?)";
        return 0;
    }
    return 1;
}

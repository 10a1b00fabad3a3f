#include "tools/render_song/wav_file.h"

#include <cstring>

namespace {

void put16(uint8_t*& at, uint32_t value) {
    *at++ = static_cast<uint8_t>(value);
    *at++ = static_cast<uint8_t>(value >> 8);
}
void put32(uint8_t*& at, uint32_t value) {
    put16(at, value & 0xFFFF);
    put16(at, value >> 16);
}
void putTag(uint8_t*& at, const char tag[5]) {
    std::memcpy(at, tag, 4);
    at += 4;
}

}  // namespace

void wavHeader(uint8_t out[WAV_HEADER_BYTES], uint32_t frames, uint32_t sampleRate) {
    const uint32_t channels = 2, bytesPerSample = 4;
    const uint32_t dataBytes = frames * channels * bytesPerSample;
    uint8_t* at = out;
    putTag(at, "RIFF");
    put32(at, WAV_HEADER_BYTES - 8 + dataBytes);
    putTag(at, "WAVE");
    putTag(at, "fmt ");
    put32(at, 18);
    put16(at, WAV_FORMAT_IEEE_FLOAT);
    put16(at, channels);
    put32(at, sampleRate);
    put32(at, sampleRate * channels * bytesPerSample);  // bytes per second
    put16(at, channels * bytesPerSample);               // bytes per frame
    put16(at, 8 * bytesPerSample);
    put16(at, 0);  // no extension
    putTag(at, "fact");
    put32(at, 4);
    put32(at, frames);
    putTag(at, "data");
    put32(at, dataBytes);
}

int writeWav(std::FILE* file, const std::atomic<float>* samples, uint32_t frames, uint32_t sampleRate) {
    uint8_t header[WAV_HEADER_BYTES];
    wavHeader(header, frames, sampleRate);
    if (std::fwrite(header, 1, sizeof header, file) != sizeof header) return 0;
    // Little-endian whatever the host, a block at a time.
    const uint64_t BLOCK_SAMPLES = 16384;
    static uint8_t block[BLOCK_SAMPLES * 4];
    const uint64_t total = static_cast<uint64_t>(frames) * 2;
    for (uint64_t first = 0; first < total; first += BLOCK_SAMPLES) {
        const uint64_t count = total - first < BLOCK_SAMPLES ? total - first : BLOCK_SAMPLES;
        uint8_t* at = block;
        for (uint64_t i = 0; i < count; ++i) {
            const float value = samples[first + i].load(std::memory_order_relaxed);
            uint32_t bits;
            std::memcpy(&bits, &value, sizeof bits);
            put32(at, bits);
        }
        if (std::fwrite(block, 4, count, file) != count) return 0;
    }
    return 1;
}

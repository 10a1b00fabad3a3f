#include "tools/render_song/wav_file.h"

#include <cstring>

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
            putLittleEndian32(at, bits);
        }
        if (std::fwrite(block, 4, count, file) != count) return 0;
    }
    return 1;
}

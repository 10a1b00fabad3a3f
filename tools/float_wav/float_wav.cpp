#include "tools/float_wav/float_wav.h"

#include "platform/common/wave_format.h"

#include <cstring>

namespace {

constexpr WaveFormat FORMAT = SONG_WAVE_FORMAT;
constexpr uint32_t CHANNELS = FORMAT.channels;
// RIFF header, an 18-byte fmt chunk, a fact chunk (required for float data)
// and the data chunk's header.
const uint32_t HEADER_BYTES = 12 + 26 + 12 + 8;
const uint32_t BLOCK_FRAMES = 4096;

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

void header(uint8_t out[HEADER_BYTES], uint32_t frames) {
    const uint32_t dataBytes = frames * FORMAT.bytesPerFrame;
    uint8_t* at = out;
    putTag(at, "RIFF");
    put32(at, HEADER_BYTES - 8 + dataBytes);
    putTag(at, "WAVE");
    putTag(at, "fmt ");
    put32(at, 18);
    put16(at, FORMAT.formatTag);
    put16(at, FORMAT.channels);
    put32(at, FORMAT.framesPerSecond);
    put32(at, FORMAT.bytesPerSecond);
    put16(at, FORMAT.bytesPerFrame);
    put16(at, FORMAT.bitsPerSample);
    put16(at, FORMAT.extensionBytes);
    putTag(at, "fact");
    put32(at, 4);
    put32(at, frames);
    putTag(at, "data");
    put32(at, dataBytes);
}

}  // namespace

int writeFloatWav(std::FILE* file, const std::atomic<float>* samples, int64_t sampleFrames, int64_t start,
                  uint32_t frames) {
    uint8_t head[HEADER_BYTES];
    header(head, frames);
    if (std::fwrite(head, 1, sizeof head, file) != sizeof head) return 0;
    static uint8_t block[BLOCK_FRAMES * FORMAT.bytesPerFrame];
    for (uint32_t done = 0; done < frames; done += BLOCK_FRAMES) {
        const uint32_t count = frames - done < BLOCK_FRAMES ? frames - done : BLOCK_FRAMES;
        uint8_t* at = block;
        for (uint32_t i = 0; i < count; ++i) {
            const int64_t source = static_cast<int64_t>(done + i) - start;
            const bool inside = samples && source >= 0 && source < sampleFrames;
            for (uint32_t channel = 0; channel < CHANNELS; ++channel) {
                const float value =
                    inside ? samples[source * CHANNELS + channel].load(std::memory_order_relaxed) : 0.0f;
                uint32_t bits;
                std::memcpy(&bits, &value, sizeof bits);
                put32(at, bits);
            }
        }
        const size_t bytes = static_cast<size_t>(at - block);
        if (std::fwrite(block, 1, bytes, file) != bytes) return 0;
    }
    return 1;
}

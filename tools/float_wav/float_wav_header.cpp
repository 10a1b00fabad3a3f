#include "tools/float_wav/float_wav_header.h"

#include <cstring>

namespace {

void put16(uint8_t*& at, uint32_t value) {
    *at++ = static_cast<uint8_t>(value);
    *at++ = static_cast<uint8_t>(value >> 8);
}

void putTag(uint8_t*& at, const char tag[5]) {
    std::memcpy(at, tag, 4);
    at += 4;
}

}  // namespace

void putLittleEndian32(uint8_t*& at, uint32_t value) {
    put16(at, value & 0xFFFF);
    put16(at, value >> 16);
}

void wavHeader(uint8_t out[WAV_HEADER_BYTES], uint32_t frames, uint32_t sampleRate) {
    const uint32_t channels = 2, bytesPerSample = 4;
    const uint32_t dataBytes = frames * channels * bytesPerSample;
    uint8_t* at = out;
    putTag(at, "RIFF");
    putLittleEndian32(at, WAV_HEADER_BYTES - 8 + dataBytes);
    putTag(at, "WAVE");
    putTag(at, "fmt ");
    putLittleEndian32(at, 18);
    put16(at, WAV_FORMAT_IEEE_FLOAT);
    put16(at, channels);
    putLittleEndian32(at, sampleRate);
    putLittleEndian32(at, sampleRate * channels * bytesPerSample);  // bytes per second
    put16(at, channels * bytesPerSample);                           // bytes per frame
    put16(at, 8 * bytesPerSample);
    put16(at, 0);  // no extension
    putTag(at, "fact");
    putLittleEndian32(at, 4);
    putLittleEndian32(at, frames);
    putTag(at, "data");
    putLittleEndian32(at, dataBytes);
}

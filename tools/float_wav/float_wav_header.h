// The header of a 32-bit float stereo WAV file (WAVE_FORMAT_IEEE_FLOAT), as the
// offline render and the capture's sound both write it.
#pragma once

#include <cstdint>

enum : uint32_t {
    WAV_FORMAT_IEEE_FLOAT = 3,
    // RIFF header, an 18-byte fmt chunk, a fact chunk (required for float
    // data) and the data chunk's header.
    WAV_HEADER_BYTES = 12 + 26 + 12 + 8,
};

// The header for `frames` interleaved stereo float frames at `sampleRate`.
void wavHeader(uint8_t out[WAV_HEADER_BYTES], uint32_t frames, uint32_t sampleRate);

// Stores a 32-bit value little-endian whatever the host, and moves past it.
void putLittleEndian32(uint8_t*& at, uint32_t value);

// A 32-bit float stereo WAV file (WAVE_FORMAT_IEEE_FLOAT) of the rendered song.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>

enum : uint32_t {
    WAV_FORMAT_IEEE_FLOAT = 3,
    // RIFF header, an 18-byte fmt chunk, a fact chunk (required for float
    // data) and the data chunk's header.
    WAV_HEADER_BYTES = 12 + 26 + 12 + 8,
};

// The header for `frames` interleaved stereo float frames at `sampleRate`.
void wavHeader(uint8_t out[WAV_HEADER_BYTES], uint32_t frames, uint32_t sampleRate);

// Writes header and samples (2 x frames, little-endian floats); 1 on success.
int writeWav(std::FILE* file, const std::atomic<float>* samples, uint32_t frames, uint32_t sampleRate);

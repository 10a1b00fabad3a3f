// The rendered song as a 32-bit float stereo WAV file.
#pragma once

#include "tools/float_wav/float_wav_header.h"

#include <atomic>
#include <cstdio>

// Writes header and samples (2 x frames, little-endian floats); 1 on success.
int writeWav(std::FILE* file, const std::atomic<float>* samples, uint32_t frames, uint32_t sampleRate);

// 32-bit float stereo WAV files (WAVE_FORMAT_IEEE_FLOAT) in the format the
// wave output plays, as the offline render and the capture's sound both write
// them: little-endian on every host, so that the same samples are the same bytes.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>

// Writes the header and `frames` stereo frames to `file`. WAV frame j holds
// frame j - start of the interleaved `samples` (`sampleFrames` frames; start
// may be negative: the sound began before the file), silence where that lies
// outside them or there are none (samples null). Returns 1, or 0 when a write
// failed, with errno saying why.
int writeFloatWav(std::FILE* file, const std::atomic<float>* samples, int64_t sampleFrames, int64_t start,
                  uint32_t frames);

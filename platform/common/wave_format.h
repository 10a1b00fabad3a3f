// The one format the wave output plays, field by field as a wave device is
// asked for it (Windows' WAVEFORMATEX, a WAV file's fmt chunk): 32-bit float
// stereo at 44.1 kHz, interleaved left first.
#pragma once

#include <cstdint>

struct WaveFormat {
    uint16_t formatTag;  // 3: IEEE float
    uint16_t channels;
    uint32_t framesPerSecond;
    uint32_t bytesPerSecond;
    uint16_t bytesPerFrame;
    uint16_t bitsPerSample;
    uint16_t extensionBytes;  // none
};

inline constexpr WaveFormat SONG_WAVE_FORMAT = {
    3, 2, 44100, 44100 * 2 * sizeof(float), 2 * sizeof(float), 8 * sizeof(float), 0,
};

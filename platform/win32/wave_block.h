// The one block the winmm device plays, and the format it is asked for, filled
// field by field from the shared wave format. Templates over the record, so
// that the host's tests fill stand-ins with winmm's field names: its own
// WAVEHDR and WAVEFORMATEX exist only in the Windows build.
#pragma once

#include "platform/common/wave_format.h"

#include <cstdint>

// WAVEFORMATEX for the wave format: no extension follows it.
template <typename Format>
Format waveFormatRecord(const WaveFormat& wave) {
    Format format = {};
    format.wFormatTag = wave.formatTag;
    format.nChannels = wave.channels;
    format.nSamplesPerSec = wave.framesPerSecond;
    format.nAvgBytesPerSec = wave.bytesPerSecond;
    format.nBlockAlign = wave.bytesPerFrame;
    format.wBitsPerSample = wave.bitsPerSample;
    format.cbSize = wave.extensionBytes;
    return format;
}

// WAVEHDR for frameCount frames of the song's format from samples, played
// once: no loop, no flags, nothing recorded yet.
template <typename Header>
Header songBlockHeader(void* samples, uint32_t frameCount) {
    Header header = {};
    header.lpData = static_cast<char*>(samples);
    header.dwBufferLength = frameCount * SONG_WAVE_FORMAT.bytesPerFrame;
    return header;
}

// The block and format that the Windows build hands winmm, filled on the host
// into stand-ins with winmm's field names and widths (WAVEHDR, WAVEFORMATEX).
#include "platform/win32/wave_block.h"
#include "synth/song_render.h"

#include <gtest/gtest.h>

namespace {

struct WaveFormatStandIn {
    uint16_t wFormatTag, nChannels;
    uint32_t nSamplesPerSec, nAvgBytesPerSec;
    uint16_t nBlockAlign, wBitsPerSample, cbSize;
};

struct WaveHeaderStandIn {
    char* lpData;
    uint32_t dwBufferLength, dwBytesRecorded;
    uintptr_t dwUser;
    uint32_t dwFlags, dwLoops;
    WaveHeaderStandIn* lpNext;
    uintptr_t reserved;
};

}  // namespace

TEST(WinmmBlock, TheHeaderCoversTheWholeSongInFramesOfTheFormatTheDeviceIsAskedFor) {
    const auto format = waveFormatRecord<WaveFormatStandIn>(SONG_WAVE_FORMAT);
    const auto header = songBlockHeader<WaveHeaderStandIn>(musicBuffer, SONG_FRAMES);
    // A frame is one sample of each channel, and the device takes a second's
    // frames a second.
    EXPECT_EQ(format.nBlockAlign, format.nChannels * format.wBitsPerSample / 8);
    EXPECT_EQ(format.nAvgBytesPerSec, format.nSamplesPerSec * format.nBlockAlign);
    EXPECT_EQ(header.lpData, reinterpret_cast<char*>(musicBuffer));
    EXPECT_EQ(header.dwBufferLength, sizeof musicBuffer) << "the block is not the song's whole buffer";
    EXPECT_EQ(header.dwBufferLength / format.nBlockAlign, uint32_t(SONG_FRAMES));
}

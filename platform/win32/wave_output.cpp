// Wave output on winmm: the whole song buffer handed to the wave mapper as one
// block, played once from its start while the render thread is still writing
// it. No callback and no second buffer: the device reads the caller's samples
// directly, so a part not yet rendered plays as the zeros it was filled with.
#include "platform/common/wave_format.h"
#include "platform/platform.h"
#include "platform/win32/wave_block.h"

#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>

// The device reads the buffer as plain floats.
static_assert(SONG_WAVE_FORMAT.formatTag == WAVE_FORMAT_IEEE_FLOAT, "the song is played as floats");
static_assert(sizeof(std::atomic<float>) == sizeof(float), "atomic samples are laid out as floats");

namespace {

const int BYTES_PER_FRAME = SONG_WAVE_FORMAT.bytesPerFrame;

HWAVEOUT device = nullptr;  // null until opened, and for ever when opening failed
WAVEHDR header;
MMTIME position = {TIME_SAMPLES, {0}};
uint32_t lastPosition = 0;

}  // namespace

int platformOpenWaveOutput() {
    if (device) return 1;
    const WAVEFORMATEX format = waveFormatRecord<WAVEFORMATEX>(SONG_WAVE_FORMAT);
    return waveOutOpen(&device, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) == MMSYSERR_NOERROR ? 1 : 0;
}

// The device reads the caller's buffer as it plays: no count of finished frames needed.
void platformPlayWaveBuffer(const std::atomic<float>* samples, uint32_t frameCount, const std::atomic<int32_t>*) {
    header = songBlockHeader<WAVEHDR>(const_cast<std::atomic<float>*>(samples), frameCount);
    waveOutPrepareHeader(device, &header, sizeof header);
    waveOutWrite(device, &header, sizeof header);
}

uint32_t platformWavePosition() {
    position.wType = TIME_SAMPLES;
    if (waveOutGetPosition(device, &position, sizeof position) == MMSYSERR_NOERROR) {
        // A device may answer in bytes although frames were asked for.
        if (position.wType == TIME_SAMPLES) lastPosition = position.u.sample;
        else if (position.wType == TIME_BYTES) lastPosition = position.u.cb / BYTES_PER_FRAME;
    }
    return lastPosition;
}

// The device plays the block on its own and says nothing of what it found unwritten.
uint32_t platformWaveUnderruns() { return 0; }

// The SDL audio device both sound outputs open: the song's own format (32-bit
// float stereo at 44.1 kHz) in buffers of SONG_DEVICE_BUFFER_FRAMES, filled by
// a callback on SDL's audio thread.
#pragma once

#include "platform/common/wave_format.h"

#include <SDL.h>

enum { SONG_DEVICE_BUFFER_FRAMES = 512 };  // 11.6 ms
constexpr int SONG_DEVICE_CHANNELS = SONG_WAVE_FORMAT.channels;

// Brings SDL's audio up if it is not, and opens the default output device,
// paused. The device id, or 0 when there is none.
SDL_AudioDeviceID openSongDevice(SDL_AudioCallback fill);

// The capture's sound as a WAV file: 32-bit float stereo at 44.1 kHz, the
// format of the offline render, so that the song's samples are the same bits.
#pragma once

#include "platform/capture/capture_backend.h"

#include <cstdint>
#include <string>

// Writes `frames` stereo frames: WAV frame j holds song frame j - songStart
// (songStart may be negative: the song was already playing), silence where
// that is outside the song or there is no song (sound null). Returns 1, or 0
// with the reason in *error.
int writeSoundWav(const char* path, const CaptureSound* sound, int64_t songStart, int64_t frames,
                  std::string* error);

// The song stream's device buffer, as a pure function of a plain record: what
// the SDL callback does on its audio thread, apart from the device, so that
// the frame arithmetic of pause, seek, switch and underrun is tested alone.
#pragma once

#include "platform/song_stream.h"

struct SongStreamCursor {
    const SongStreamSource* source;  // null: silence, the position holds
    int32_t position;                // the song frame the next device buffer starts at
    bool paused;
    uint32_t underruns;
};

// Fills out (frames stereo frames) from cursor's source at its position and
// moves the position past them; silence where the frames lie before the song
// or after it. Paused, or without a source: silence, the position holds. When
// a frame of the song it covers is not rendered yet: silence, one underrun,
// the position holds (the render catches up, and the song goes on unbroken).
void copySongStream(SongStreamCursor* cursor, float* out, int32_t frames);

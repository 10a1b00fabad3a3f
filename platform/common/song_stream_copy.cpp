#include "platform/common/song_stream_copy.h"

namespace {

void silence(float* out, int32_t frames) {
    for (int32_t i = 0; i < 2 * frames; ++i) out[i] = 0.0f;
}

}  // namespace

void copySongStream(SongStreamCursor* cursor, float* out, int32_t frames) {
    const SongStreamSource* source = cursor->source;
    if (cursor->paused || !source) return silence(out, frames);

    // The song's frames this buffer covers: [first, end).
    const int64_t start = cursor->position;
    const int64_t first = start > 0 ? start : 0;
    const int64_t end = start + frames < source->frameCount ? start + frames : source->frameCount;
    if (first < end && source->framesWritten->load(std::memory_order_acquire) < end) {
        ++cursor->underruns;
        return silence(out, frames);
    }
    for (int32_t i = 0; i < frames; ++i) {
        const int64_t frame = start + i;
        const bool inSong = frame >= first && frame < end;
        out[2 * i] = inSong ? source->samples[2 * frame].load(std::memory_order_relaxed) : 0.0f;
        out[2 * i + 1] = inSong ? source->samples[2 * frame + 1].load(std::memory_order_relaxed) : 0.0f;
    }
    cursor->position += frames;
}

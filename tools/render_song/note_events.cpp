#include "tools/render_song/note_events.h"

int32_t writeNoteEvents(std::FILE* file, const std::atomic<int32_t> (*trace)[NOTE_TRACE_ENTRIES], int32_t blocks) {
    bool ok = std::fputs("block,track,note\n", file) >= 0;
    const int32_t count = forEachNoteChange(trace, blocks, [&](const NoteEvent& event) {
        ok = ok && std::fprintf(file, "%d,%d,%d\n", event.block, event.track, event.note) > 0;
    });
    return ok ? count : -1;
}

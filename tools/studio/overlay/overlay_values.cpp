#include "tools/studio/overlay/overlay_values.h"

#include "demo/show_timeline.h"
#include "synth/song.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

SongPosition songPositionAt(uint32_t songFrame) {
    const int row = static_cast<int>(std::min<uint32_t>(songFrame / SAMPLES_PER_ROW, SONG_ROWS - 1));
    return SongPosition{row / ROWS_PER_PATTERN, row % ROWS_PER_PATTERN};
}

double showSeconds() { return MUSIC_START + static_cast<double>(SONG_FRAMES) / SAMPLE_RATE; }

double timelineFraction(double seconds) { return std::clamp(seconds / showSeconds(), 0.0, 1.0); }

const NamedMoment* currentMoment(double seconds) {
    const NamedMoment* current = nullptr;
    for (const NamedMoment& moment : SHOW_MOMENTS) {
        if (moment.seconds <= seconds && (!current || moment.seconds >= current->seconds)) current = &moment;
    }
    return current;
}

double noteFlash(double seconds, double changedAt) {
    const double since = seconds - changedAt;
    if (since < 0.0 || since >= NOTE_FLASH_SECONDS) return 0.0;
    return 1.0 - since / NOTE_FLASH_SECONDS;
}

std::string stillName(double seconds) {
    const long long milliseconds = std::llround(std::max(seconds, 0.0) * 1000.0);
    char name[40];
    std::snprintf(name, sizeof name, "quorvel-%03lld.%03lld.png", milliseconds / 1000, milliseconds % 1000);
    return name;
}

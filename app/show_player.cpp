#include "app/show_player.h"

#include "demo/show_timeline.h"
#include "platform/common/fixed_rate_clock.h"
#include "synth/song.h"

namespace {

int64_t counterAt(const ShowPlayer& player, int64_t frame) {
    return fixedRateCounterAt(player.framesPerSecond, frame);
}

// The sound frames of the song heard in a frame: as a wave device that began
// playing it in the music's first frame counts them, stopping at its end.
uint32_t songPositionAt(const ShowPlayer& player, int64_t frame) {
    const int64_t played = showSongFrame(player, frame);
    return played < SONG_FRAMES ? static_cast<uint32_t>(played) : static_cast<uint32_t>(SONG_FRAMES);
}

void rewind(ShowPlayer* player) {
    resetShowState(&player->show);
    player->notes = FrameNotes();
    player->nextFrame = 0;
    player->songPosition = 0;
}

// One frame in the main loop's order: the music, the notes, the quit, the
// picture.
int stepFrame(ShowPlayer* player, FramePicture picture, bool replayed) {
    const int64_t frame = player->nextFrame;
    const double time = showFrameTime(*player, frame);
    if (frame == player->musicStartFrame && !replayed && player->musicStarts) player->musicStarts();
    if (frame >= player->musicStartFrame) {
        player->songPosition = songPositionAt(*player, frame);
        pollNoteTrace(player->trace, player->songPosition, &player->notes);
    } else {
        holdFrameNotes(&player->notes);
    }
    if (frame == player->quitFrame) {
        player->show.quitRequested = true;
        player->show.quitTime = time;
    }
    drawFrame(&player->show, time, player->notes, picture);
    ++player->nextFrame;
    return player->show.fadeFinished ? 1 : 0;
}

}  // namespace

void startShowPlayer(ShowPlayer* player, int framesPerSecond, NoteTrace trace) {
    *player = ShowPlayer();
    player->framesPerSecond = framesPerSecond;
    player->trace = trace;
    player->quitFrame = NO_SHOW_FRAME;
    int64_t first = 0;
    while (showFrameTime(*player, first) <= MUSIC_START) ++first;
    player->musicStartFrame = first;
    rewind(player);
}

double showFrameTime(const ShowPlayer& player, int64_t frame) {
    return fixedRateDemoTime(player.framesPerSecond, frame);
}

int64_t showSongFrame(const ShowPlayer& player, int64_t frame) {
    const int64_t start = counterAt(player, player.musicStartFrame);
    const int64_t at = counterAt(player, frame);
    return at >= start ? fixedRateSoundFrames(player.framesPerSecond, start, at)
                       : -fixedRateSoundFrames(player.framesPerSecond, at, start);
}

int playShowFrame(ShowPlayer* player, FramePicture picture) { return stepFrame(player, picture, false); }

void seekShow(ShowPlayer* player, int64_t frame) {
    if (frame < player->nextFrame) rewind(player);
    while (player->nextFrame < frame) stepFrame(player, PICTURE_SKIPPED, true);
}

void setShowQuitFrame(ShowPlayer* player, int64_t frame) { player->quitFrame = frame; }

void switchNoteTrace(ShowPlayer* player, NoteTrace trace) { player->trace = trace; }

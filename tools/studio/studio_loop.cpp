#include "platform/platform.h"
#include "synth/song_render.h"
#include "tools/studio/overlay/overlay_values.h"
#include "tools/studio/overlay/still.h"
#include "tools/studio/studio.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

const double WATCH_SECONDS = 0.25;       // how often the watched files are read
const double IDLE_REDRAW_SECONDS = 0.1;  // how often a still picture's overlay is brought up to date
const double RENDER_WAIT_SECONDS = 10.0;
// How far the live song's render must have gone past the moment playing
// before the sound takes it: the device's buffers reach a little ahead.
const int32_t SWITCH_MARGIN_FRAMES = SAMPLE_RATE / 2;

double nowSeconds() {
    return static_cast<double>(platformPerformanceCounter()) / static_cast<double>(platformPerformanceFrequency());
}

void sleepSeconds(double seconds) {
    if (seconds > 0.0) std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// The live song's newest render, once it has passed the moment playing:
// the sound and the notes go on with it.
void takeLiveSong(Studio* studio) {
    if (!studio->liveSongWatched) return;
    const int32_t moment = songFrameOf(studio->player, studio->transport.frame) + SWITCH_MARGIN_FRAMES;
    LiveSongRender* render = switchLiveSongIfPast(&studio->liveSong, std::max<int32_t>(moment, 0));
    if (!render) return;
    SongStreamSource& source = studio->liveSources[render == &studio->liveSong.renders[0] ? 0 : 1];
    source = SongStreamSource{render->samples.get(), SONG_FRAMES, &render->framesWritten};
    studio->song = &source;
    if (studio->sound) switchSongStream(&source);
    switchNoteTrace(&studio->player, render->noteTrace.get());
}

// A frame's notes come from the note trace: the song's render must have
// passed its position before it is played. The render runs far ahead of real
// time; this waits only after a seek far into a song just begun.
void waitForRender(Studio* studio, int64_t frame) {
    const int32_t position = songFrameOf(studio->player, frame);
    if (position < 0) return;
    const int32_t needed = std::min<int32_t>(SONG_FRAMES, (position / NOTE_TRACE_BLOCK + 1) * NOTE_TRACE_BLOCK);
    const double deadline = nowSeconds() + RENDER_WAIT_SECONDS;
    while (studio->song->framesWritten->load(std::memory_order_acquire) < needed && nowSeconds() < deadline) {
        takeLiveSong(studio);  // the render playing may have given way to a newer one
        sleepSeconds(0.002);
    }
}

// Brings the show to `frame` exactly (replaying what lies between) and draws it.
void showFrame(Studio* studio, int64_t frame) {
    waitForRender(studio, frame);
    seekShow(&studio->player, frame);
    playShowFrame(&studio->player, PICTURE_DRAWN);
    holdWindowPicture(&studio->held);
}

void anchorClock(Studio* studio) {
    studio->anchorFrame = studio->transport.frame;
    studio->anchorSeconds = nowSeconds();
}

// The sound plays from where the picture stands, or is silent while paused.
void followWithSound(Studio* studio) {
    if (!studio->sound) return;
    seekSongStream(songFrameOf(studio->player, studio->transport.frame));
    pauseSongStream(studio->transport.paused);
}

struct KeyCommand {
    PlatformKey key;
    int shift;  // -1: either
    TransportCommand command;
};

const KeyCommand KEY_COMMANDS[] = {
    {KEY_SPACE, -1, TRANSPORT_PLAY_PAUSE},
    {KEY_LEFT, 0, TRANSPORT_BACK_SECOND},
    {KEY_RIGHT, 0, TRANSPORT_FORWARD_SECOND},
    {KEY_LEFT, 1, TRANSPORT_BACK_10_SECONDS},
    {KEY_RIGHT, 1, TRANSPORT_FORWARD_10_SECONDS},
    {KEY_HOME, -1, TRANSPORT_TO_START},
    {KEY_COMMA, -1, TRANSPORT_STEP_BACK},
    {KEY_PERIOD, -1, TRANSPORT_STEP_FORWARD},
    {KEY_LEFT_BRACKET, -1, TRANSPORT_MARK_LOOP_START},
    {KEY_RIGHT_BRACKET, -1, TRANSPORT_MARK_LOOP_END},
    {KEY_L, -1, TRANSPORT_TOGGLE_LOOP},
};

// Escape: the closing fade plays from the next frame, as in the show, with
// nothing to hold it back.
void startClosingFade(Studio* studio) {
    studio->quitting = true;
    studio->transport.paused = false;
    studio->transport.loopOn = false;
    setShowQuitFrame(&studio->player, studio->transport.frame + 1);
    anchorClock(studio);
    followWithSound(studio);
}

struct PassRequests {
    bool seek;   // the show must be brought to the transport's frame exactly
    bool still;  // S
    bool input;  // something changed that the picture or the overlay shows
};

void handleKey(Studio* studio, const PlatformEvent& event, PassRequests* requests) {
    requests->input = true;
    // Once the fade has begun it plays out, whatever is pressed.
    if (studio->quitting) return;
    if (event.key == KEY_ESCAPE) return startClosingFade(studio);
    if (event.key == KEY_H) {
        studio->overlayShown = !studio->overlayShown;
        return;
    }
    if (event.key == KEY_S) {
        requests->still = true;
        return;
    }
    for (const KeyCommand& binding : KEY_COMMANDS) {
        if (binding.key != event.key || (binding.shift >= 0 && binding.shift != event.shift)) continue;
        const bool wasPaused = studio->transport.paused;
        if (applyTransportCommand(&studio->transport, binding.command)) requests->seek = true;
        if (requests->seek || wasPaused != studio->transport.paused) {
            anchorClock(studio);
            followWithSound(studio);
        }
        return;
    }
}

// The frame the show should stand at now, and whether play wrapped at the loop.
int64_t framePlayedNow(Studio* studio, bool* wrapped) {
    const Transport& transport = studio->transport;
    *wrapped = false;
    if (transport.paused) return transport.frame;
    const int fps = studio->player.framesPerSecond;
    int64_t due = transport.frame + 1;
    if (studio->realTime) {
        due = studio->anchorFrame + static_cast<int64_t>((nowSeconds() - studio->anchorSeconds) * fps);
    } else if (nowSeconds() < studio->anchorSeconds + static_cast<double>(due - studio->anchorFrame) / fps) {
        return transport.frame;  // the fixed clock keeps the frame's pace
    }
    if (due <= transport.frame) return transport.frame;
    return framePlayedAfter(transport, due - transport.frame, wrapped);
}

void saveStillOfFrame(Studio* studio) {
    const std::string name = stillName(showFrameTime(studio->player, studio->transport.frame));
    const std::string staging = "." + name + ".part";
    std::string error;
    if (!saveStill(staging.c_str(), studio->options.width, studio->options.height, &error) ||
        std::rename(staging.c_str(), name.c_str()) != 0) {
        std::remove(staging.c_str());
        std::fprintf(stderr, "quorvel-studio: %s: the still was not saved: %s\n", name.c_str(),
                     error.empty() ? "cannot rename it into place" : error.c_str());
    }
}

void drawOverlayOf(Studio* studio) {
    const Transport& transport = studio->transport;
    const ShowPlayer& player = studio->player;
    OverlayInfo info = {};
    info.seconds = showFrameTime(player, transport.frame);
    info.songFrame = player.songPosition;
    info.trackNotes = player.notes.note;
    info.loopStartSet = transport.loopStart != NO_MARK;
    info.loopEndSet = transport.loopEnd != NO_MARK;
    info.loopOn = transport.loopOn;
    info.loopStart = info.loopStartSet ? showFrameTime(player, transport.loopStart) : 0.0;
    info.loopEnd = info.loopEndSet ? showFrameTime(player, transport.loopEnd) : 0.0;
    info.frameTimes = &studio->frameTimes;
    info.soundLeadSeconds = studio->sound ? static_cast<double>(songStreamLead()) / SAMPLE_RATE : 0.0;
    info.underruns = studio->sound ? static_cast<int>(songStreamUnderruns()) : 0;
    info.error = studio->songError.empty() ? liveShaderError(studio->liveShaders) : studio->songError.c_str();
    followOverlayNotes(&studio->overlay, info);
    if (studio->overlayShown) drawOverlay(studio->overlay, info, studio->options.width, studio->options.height);
}

// The watched files, now and then. Returns whether a shader was rebuilt.
bool lookAtSources(Studio* studio) {
    bool redraw = updateLiveShaders(&studio->liveShaders) > 0;
    if (studio->liveSongWatched) {
        std::string message;
        switch (pollLiveSong(&studio->liveSong, &message)) {
            case LIVE_SONG_REFUSED:
                studio->songError = message;
                std::fprintf(stderr, "%s\n", message.c_str());
                break;
            case LIVE_SONG_RENDERING:
                studio->songError.clear();
                break;
            case LIVE_SONG_UNCHANGED:
                break;
        }
    }
    return redraw;
}

}  // namespace

int32_t songFrameOf(const ShowPlayer& player, int64_t frame) {
    return static_cast<int32_t>(std::min<int64_t>(showSongFrame(player, frame), SONG_FRAMES));
}

int runStudio(Studio* studio) {
    showFrame(studio, 0);
    anchorClock(studio);
    if (studio->sound) playSongStream(studio->song, songFrameOf(studio->player, 0));
    double lastWatch = nowSeconds();
    double lastPresent = 0.0;
    PassRequests requests = {};
    for (;;) {
        const double passStart = nowSeconds();
        PlatformEvent event;
        while (platformPollEvent(&event)) {
            if (event.kind == EVENT_CLOSE) return 0;
            if (event.kind == EVENT_KEY_DOWN) handleKey(studio, event, &requests);
        }
        if (passStart - lastWatch >= WATCH_SECONDS) {
            lastWatch = passStart;
            // Playing, the next frame draws with a rebuilt program anyway;
            // standing still, the frame shown is drawn again with it.
            if (lookAtSources(studio) && studio->transport.paused) requests.seek = true;
        }
        takeLiveSong(studio);

        bool wrapped = false;
        const int64_t frame = framePlayedNow(studio, &wrapped);
        const bool moves = requests.seek || wrapped || frame != studio->transport.frame;
        if (!moves && !requests.still && !requests.input && passStart - lastPresent < IDLE_REDRAW_SECONDS) {
            sleepSeconds(0.002);
            continue;
        }
        if (moves) {
            studio->transport.frame = frame;
            if (wrapped) {
                anchorClock(studio);
                followWithSound(studio);
            }
            showFrame(studio, frame);
            recordFrameTime(&studio->frameTimes, nowSeconds() - passStart);
        } else {
            showHeldPicture(studio->held);
        }
        if (requests.still) saveStillOfFrame(studio);
        drawOverlayOf(studio);
        platformSwapBuffers(studio->window.deviceContext);
        lastPresent = passStart;
        requests = PassRequests{};
        if (studio->player.show.fadeFinished) return 0;
    }
}

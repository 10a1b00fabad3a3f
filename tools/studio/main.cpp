// quorvel-studio: the show as a working tool. It plays from 0 with its sound,
// pauses, seeks exactly, steps and loops, and takes edits of its shaders and
// its song while it plays. Run with --help for the options and keys.
#include "app/app_window.h"
#include "demo/demo.h"
#include "gfx/gl_entry_points.h"
#include "synth/music.h"
#include "synth/song_render.h"
#include "tools/studio/studio.h"

#include <cstdio>
#include <memory>

namespace {

const int BAD_ARGUMENTS = 2;
const int START_FAILED = 1;

const char SONG_SOURCE[] = "/synth/song/quorvel_song.txt";

int complain(const std::string& error, int exitCode) {
    std::fprintf(stderr, "quorvel-studio: %s\n", error.c_str());
    return exitCode;
}

void ignoreProgress(void*, int) {}

// The studio's window: the size asked for, centred, an ordinary window.
int openStudioWindow(Studio* studio) {
    WindowContext& window = studio->window;
    window.display = &displayConfig;
    window.instance = platformStartWindowSystem("Quorvel");
    if (!window.instance) return 0;
    PlatformWindowRequest request = {};
    request.centred = 1;
    request.width = studio->options.width;
    request.height = studio->options.height;
    return openGlWindow(request, &window) && initGraphics(window.window, 0);
}

// The demo's song renders on a thread of its own from the start, far ahead of
// the music's moment; edits of the source render beside it.
void startSong(Studio* studio) {
    platformStartThread(renderSong, musicBuffer);
    studio->demoSource = SongStreamSource{musicBuffer, SONG_FRAMES, &renderedFrames};
    studio->song = &studio->demoSource;
    const std::string songPath = studio->options.sourceDir + SONG_SOURCE;
    std::string ignored;
    if (readWholeFile(songPath, &ignored)) {
        studio->liveSongWatched = startLiveSong(&studio->liveSong, songPath) == 1;
    } else {
        std::fprintf(stderr, "quorvel-studio: %s cannot be read: the built-in song plays\n", songPath.c_str());
    }
    studio->sound = studio->realTime && openSongStream() == 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Large: the live song's records hold its renders' buffers.
    std::unique_ptr<Studio> studio(new Studio());
    std::string error;
    if (!parseStudioOptions(argc, argv, QUORVEL_SOURCE_DIR, &studio->options, &error)) {
        return complain(error, BAD_ARGUMENTS);
    }
    if (studio->options.showHelp) {
        std::fputs(studioUsage(), stdout);
        return 0;
    }
    if (studio->options.showVersion) {
        std::printf("quorvel-studio %s\n", QUORVEL_VERSION);
        return 0;
    }
    const StudioOptions& options = studio->options;
    studio->realTime = options.framesPerSecond == 0;
    const int fps = studio->realTime ? REAL_TIME_FRAME_RATE : options.framesPerSecond;
    displayConfig = DisplayConfig{options.width, options.height, 0,
                                  static_cast<float>(static_cast<double>(options.width) / options.height)};
    if (!openStudioWindow(studio.get()) || !startDemo(LoadProgress{&studio->window, ignoreProgress}, &displayConfig) ||
        !startHeldFrame(&studio->held, options.width, options.height)) {
        destroyAppWindow(&studio->window);
        return complain("the window or the show could not be started", START_FAILED);
    }
    startLiveShaders(&studio->liveShaders, options.sourceDir);
    startSong(studio.get());
    startShowPlayer(&studio->player, fps, noteTrace);
    // No seek goes past the song's end: nothing there moves but the clock.
    const int64_t songEnd = studio->player.musicStartFrame + static_cast<int64_t>(SONG_FRAMES) * fps / SAMPLE_RATE;
    studio->transport = startTransport(fps, songEnd);
    studio->overlayShown = true;
    resetOverlay(&studio->overlay);

    const int exitCode = runStudio(studio.get());
    if (studio->liveSongWatched) stopLiveSong(&studio->liveSong);
    destroyAppWindow(&studio->window);
    return exitCode;
}

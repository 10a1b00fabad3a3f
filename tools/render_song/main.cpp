// quorvel-render-song OUT.wav [--notes NOTES.csv]: renders the demo's song
// offline, exactly as the demo does (the same render routine, on a thread of
// its own, into musicBuffer and noteTrace), and writes it as a 32-bit float
// stereo WAV; optionally the note events as CSV. Prints the render time, the
// real-time factor, peak and RMS per channel and the clamped samples.
#include "synth/song_render.h"
#include "tools/render_song/note_events.h"
#include "tools/render_song/sample_stats.h"
#include "tools/render_song/wav_file.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

struct Arguments {
    const char* wavPath = nullptr;
    const char* notesPath = nullptr;
};

int usage(const char* problem) {
    std::fprintf(stderr, "quorvel-render-song: %s\nusage: quorvel-render-song OUT.wav [--notes NOTES.csv]\n", problem);
    return 2;
}

// 1 when the arguments name a WAV file and at most one notes file.
int parseArguments(int argc, char** argv, Arguments& args, const char*& problem) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--notes") == 0) {
            if (args.notesPath) return problem = "--notes given twice", 0;
            if (i + 1 >= argc) return problem = "--notes needs a file name", 0;
            args.notesPath = argv[++i];
        } else if (argv[i][0] == '-' && argv[i][1] != '\0') {
            return problem = "unknown option", 0;
        } else if (args.wavPath) {
            return problem = "more than one output file", 0;
        } else {
            args.wavPath = argv[i];
        }
    }
    if (!args.wavPath) return problem = "no output file", 0;
    return 1;
}

std::FILE* openForWriting(const char* path) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) std::fprintf(stderr, "quorvel-render-song: cannot write %s: %s\n", path, std::strerror(errno));
    return file;
}

// Renders on a thread of its own, as the demo does, and shows the progress on
// a terminal. Returns the render time in seconds, or a negative value if the
// song was rejected.
double renderWithProgress() {
    const bool terminal = isatty(fileno(stdout));
    std::atomic<int> result{-1};  // -1 while rendering, then renderSongInto's 1 or 0
    const auto start = std::chrono::steady_clock::now();
    std::thread render([&result] { result.store(renderSongInto(demoSong, musicBuffer, nullptr)); });
    while (terminal && result.load() < 0) {
        const int32_t frames = renderedFrames.load(std::memory_order_acquire);
        std::printf("\rrendering %5.1f%%  (%6.1f of %.1f s)", 100.0 * frames / SONG_FRAMES,
                    static_cast<double>(frames) / SAMPLE_RATE, static_cast<double>(SONG_FRAMES) / SAMPLE_RATE);
        std::fflush(stdout);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    render.join();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (terminal) std::printf("\r%60s\r", "");
    return result.load() == 1 ? seconds : -1.0;
}

void printChannel(const char* name, const ChannelStats& stats) {
    std::printf("%-6s peak %.6f (%.2f dBFS), RMS %.6f (%.2f dBFS), clamped samples %lld\n", name, stats.peak,
                decibels(stats.peak), stats.rms, decibels(stats.rms), static_cast<long long>(stats.clamped));
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    const char* problem = nullptr;
    if (!parseArguments(argc, argv, args, problem)) return usage(problem);

    SongFault fault{};
    if (!validateSong(demoSong, &fault)) {
        std::fprintf(stderr, "quorvel-render-song: the song is rejected: %s\n", fault.message);
        return 1;
    }
    // Open the outputs first, so a bad path fails before the render.
    std::FILE* wav = openForWriting(args.wavPath);
    if (!wav) return 1;
    std::FILE* notes = args.notesPath ? openForWriting(args.notesPath) : nullptr;
    if (args.notesPath && !notes) return std::fclose(wav), 1;

    const double seconds = renderWithProgress();
    if (seconds < 0.0) {
        std::fprintf(stderr, "quorvel-render-song: the render rejected the song\n");
        return 1;
    }
    const double songSeconds = static_cast<double>(SONG_FRAMES) / SAMPLE_RATE;
    std::printf("rendered %d frames (%.2f s of music) in %.3f s: %.1fx real time\n", SONG_FRAMES, songSeconds, seconds,
                songSeconds / seconds);
    printChannel("left", channelStats(musicBuffer, SONG_FRAMES, 0));
    printChannel("right", channelStats(musicBuffer, SONG_FRAMES, 1));

    int failed = 0;
    if (!writeWav(wav, musicBuffer, SONG_FRAMES, SAMPLE_RATE) || std::fclose(wav) != 0) {
        std::fprintf(stderr, "quorvel-render-song: writing %s failed\n", args.wavPath);
        failed = 1;
    } else {
        std::printf("wrote %s\n", args.wavPath);
    }
    if (notes) {
        const int32_t changes = writeNoteEvents(notes, noteTrace, NOTE_TRACE_ROWS);
        if (changes < 0 || std::fclose(notes) != 0) {
            std::fprintf(stderr, "quorvel-render-song: writing %s failed\n", args.notesPath);
            failed = 1;
        } else {
            std::printf("wrote %s (%d note changes)\n", args.notesPath, changes);
        }
    }
    return failed;
}

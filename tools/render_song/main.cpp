// quorvel-render-song OUT.wav [--notes NOTES.csv] [--song SOURCE.txt]: renders
// the demo's song offline, exactly as the demo does (the same render routine,
// slice by slice, into musicBuffer and noteTrace), and writes it as a 32-bit
// float stereo WAV; optionally the note events as CSV. Prints the render time,
// the real-time factor, peak and RMS per channel and the clamped samples.
// --song renders the song of that source instead, compiled here and played by
// the interpreter: an edit is heard without a build. --version prints the
// version.
#include "synth/song_render.h"
#include "tools/render_song/note_events.h"
#include "tools/render_song/sample_stats.h"
#include "tools/float_wav/float_wav.h"
#include "tools/output_place/interruption.h"
#include "tools/output_place/output_place.h"
#include "tools/progress_bar/progress_bar.h"
#include "tools/song_compiler/song_compiler.h"

#include <getopt.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

struct Arguments {
    const char* wavPath = nullptr;
    const char* notesPath = nullptr;
    const char* songPath = nullptr;
    bool showVersion = false;
};

int usage(const char* problem) {
    std::fprintf(stderr, "quorvel-render-song: %s\nusage: quorvel-render-song OUT.wav [--notes NOTES.csv] [--song SOURCE.txt]\n       quorvel-render-song --version\n", problem);
    return 2;
}

enum { OPTION_NOTES = 256, OPTION_SONG, OPTION_VERSION };

const option OPTIONS[] = {
    {"notes", required_argument, nullptr, OPTION_NOTES},
    {"song", required_argument, nullptr, OPTION_SONG},
    {"version", no_argument, nullptr, OPTION_VERSION},
    {nullptr, 0, nullptr, 0},
};

int takeOutput(const char* path, Arguments& args, const char*& problem) {
    if (args.wavPath) return problem = "more than one output file", 0;
    args.wavPath = path;
    return 1;
}

// 1 when the arguments name a WAV file and at most one notes file and one
// song source, in any order.
int parseArguments(int argc, char** argv, Arguments& args, const char*& problem) {
    optind = 0;
    opterr = 0;
    // "-": the output's name comes back in its place among the options.
    for (int code; (code = getopt_long(argc, argv, "-:", OPTIONS, nullptr)) != -1;) {
        if (code == OPTION_VERSION) {
            args.showVersion = true;
            return 1;
        }
        if (code == ':') {
            return problem = optopt == OPTION_SONG ? "--song needs a file name" : "--notes needs a file name", 0;
        }
        if (code == '?') return problem = "unknown option", 0;
        if (code == 1 && !takeOutput(optarg, args, problem)) return 0;
        if (code == OPTION_NOTES) {
            if (args.notesPath) return problem = "--notes given twice", 0;
            args.notesPath = optarg;
        }
        if (code == OPTION_SONG) {
            if (args.songPath) return problem = "--song given twice", 0;
            args.songPath = optarg;
        }
    }
    for (; optind < argc; ++optind) {  // after "--"
        if (!takeOutput(argv[optind], args, problem)) return 0;
    }
    if (!args.wavPath) return problem = "no output file", 0;
    return 1;
}

int complain(const std::string& path, const char* what, int error) {
    std::fprintf(stderr, "quorvel-render-song: %s %s: %s\n", what, path.c_str(), std::strerror(error));
    return 0;
}

// An output's place: in a folder that exists and can be written, and taken by
// nothing or by a regular file (which it replaces). 1, or 0 with the reason.
int checkPlace(const std::string& path) {
    std::string refusal;
    if (writableFilePlace(path, &refusal)) return 1;
    std::fprintf(stderr, "quorvel-render-song: %s\n", refusal.c_str());
    return 0;
}

// An output on its way: the staged file beside its place.
struct StagedFile {
    std::string path, staging;
    std::FILE* file = nullptr;
};

int openStaged(const char* path, StagedFile* out) {
    out->path = path;
    out->staging = stagingBeside(out->path, "quorvel-render-song");
    out->file = std::fopen(out->staging.c_str(), "wb");
    if (!out->file) return complain(out->staging, "cannot create", errno), out->staging.clear(), 0;
    return 1;
}

// Closes the staged file; 1 when everything written reached it, else 0 with
// the system's reason (`failed`: a write already went wrong).
int closeStaged(StagedFile* staged, bool failed) {
    const int writeError = errno ? errno : EIO;  // the caller cleared errno before writing
    errno = 0;
    const bool flushed = failed || std::fflush(staged->file) == 0;
    const int flushError = errno;
    const bool closed = std::fclose(staged->file) == 0;
    staged->file = nullptr;
    if (!failed && flushed && closed) return 1;
    return complain(staged->path, "cannot write", failed ? writeError : !flushed ? flushError : errno);
}

void discardStaged(StagedFile* staged) {
    if (staged->file) std::fclose(staged->file);
    staged->file = nullptr;
    std::error_code ignored;
    if (!staged->staging.empty()) fs::remove(staged->staging, ignored);
    staged->staging.clear();
}

// The render writes 60 MB of samples front to back into memory it touches
// for the first time: in pages of 4 KB that is about 15,000 page faults, a
// tenth of the render. The buffer's whole 2 MB pages are offered to the
// system as large pages (it may decline; the render is the same either way).
void adviseLargePages(void* begin, size_t bytes) {
    const uintptr_t largePage = uintptr_t{2} << 20;
    const uintptr_t first = (reinterpret_cast<uintptr_t>(begin) + largePage - 1) & ~(largePage - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(begin) + bytes) & ~(largePage - 1);
    if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

// Renders in slices, as the demo's render routine runs, and shows the progress
// on a terminal between them. Returns the render time in seconds, or a
// negative value if the song was rejected.
double renderWithProgress(const Song& song) {
    ProgressBar bar;
    startProgress(&bar, stdout, SONG_FRAMES);
    const auto start = std::chrono::steady_clock::now();
    adviseLargePages(musicBuffer, sizeof musicBuffer);
    if (!startSongRender(song, musicBuffer, nullptr)) {
        endProgress(&bar);
        return -1.0;
    }
    auto shown = start;
    while (!interruptedBySignal && continueSongRender(SONG_RENDER_SLICE)) {
        const auto now = std::chrono::steady_clock::now();
        if (bar.stream && now - shown >= std::chrono::milliseconds(100)) {
            const int32_t frames = renderedFrames.load(std::memory_order_acquire);
            showProgress(&bar, frames, "music", static_cast<double>(frames) / SAMPLE_RATE);
            shown = now;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    endProgress(&bar);
    return seconds;
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
    if (args.showVersion) {
        std::printf("quorvel-render-song %s\n", QUORVEL_VERSION);
        return 0;
    }

    // The song the source names, compiled here (its tables live as long as
    // `compiled`), or the demo's.
    CompiledSong compiled;
    Song song = demoSong;
    if (args.songPath) {
        std::ifstream source(args.songPath, std::ios::binary);
        std::stringstream text;
        text << source.rdbuf();
        std::string errors;
        if (!source) return std::fprintf(stderr, "quorvel-render-song: cannot read %s\n", args.songPath), 1;
        const bool ok = compileSongSource(text.str(), args.songPath, &compiled, &errors);
        std::fputs(compiled.warnings.c_str(), stderr);
        if (!ok) return std::fputs(errors.c_str(), stderr), 1;
        song = interpretedSong(compiled);
    }
    SongFault fault{};
    if (!validateSong(song, &fault)) {
        std::fprintf(stderr, "quorvel-render-song: the song is rejected: %s\n", fault.message);
        return 1;
    }
    // Every place is checked and both staged files made before the render.
    if (!checkPlace(args.wavPath) || (args.notesPath && !checkPlace(args.notesPath))) return 1;
    if (args.notesPath && sameFile(args.wavPath, args.notesPath)) {
        std::fprintf(stderr, "quorvel-render-song: the WAV and the notes cannot both be %s\n", args.wavPath);
        return 1;
    }
    std::signal(SIGXFSZ, SIG_IGN);  // past a file size limit a write fails with its reason
    catchInterruptions();
    StagedFile wav, notes;
    if (!openStaged(args.wavPath, &wav) || (args.notesPath && !openStaged(args.notesPath, &notes))) {
        discardStaged(&wav);
        return 1;
    }

    const double seconds = renderWithProgress(song);
    if (seconds < 0.0 || interruptedBySignal) {
        const char* why = interruptedBySignal ? "interrupted" : "the render rejected the song";
        std::fprintf(stderr, "quorvel-render-song: %s\n", why);
        discardStaged(&wav);
        discardStaged(&notes);
        return 1;
    }
    const double songSeconds = static_cast<double>(SONG_FRAMES) / SAMPLE_RATE;
    std::printf("rendered %d frames (%.2f s of music) in %.3f s: %.1fx real time\n", SONG_FRAMES, songSeconds, seconds,
                songSeconds / seconds);
    printChannel("left", channelStats(musicBuffer, SONG_FRAMES, 0));
    printChannel("right", channelStats(musicBuffer, SONG_FRAMES, 1));

    errno = 0;
    bool ok = closeStaged(&wav, !writeFloatWav(wav.file, musicBuffer, SONG_FRAMES, 0, SONG_FRAMES)) == 1;
    int32_t changes = 0;
    if (ok && notes.file) {
        errno = 0;
        changes = writeNoteEvents(notes.file, noteTrace, NOTE_TRACE_ROWS);
        ok = closeStaged(&notes, changes < 0) == 1;
    }
    if (ok && interruptedBySignal) {  // while the files were written
        std::fprintf(stderr, "quorvel-render-song: interrupted\n");
        ok = false;
    }
    for (StagedFile* staged : {&wav, &notes}) {
        if (!ok || staged->staging.empty()) continue;
        std::error_code moved;
        fs::rename(staged->staging, staged->path, moved);
        if (moved) {
            ok = complain(staged->path, "cannot move the output to", moved.value()) == 1;
            continue;
        }
        staged->staging.clear();
    }
    discardStaged(&wav);
    discardStaged(&notes);
    if (!ok) return 1;
    std::printf("wrote %s\n", args.wavPath);
    if (args.notesPath) std::printf("wrote %s (%d note changes)\n", args.notesPath, changes);
    return 0;
}

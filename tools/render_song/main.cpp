// quorvel-render-song OUT.wav [--notes NOTES.csv]: renders the demo's song
// offline, exactly as the demo does (the same render routine, on a thread of
// its own, into musicBuffer and noteTrace), and writes it as a 32-bit float
// stereo WAV; optionally the note events as CSV. Prints the render time, the
// real-time factor, peak and RMS per channel and the clamped samples.
// --version prints the version.
#include "synth/song_render.h"
#include "tools/render_song/note_events.h"
#include "tools/render_song/sample_stats.h"
#include "tools/render_song/wav_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {

struct Arguments {
    const char* wavPath = nullptr;
    const char* notesPath = nullptr;
    bool showVersion = false;
};

int usage(const char* problem) {
    std::fprintf(stderr, "quorvel-render-song: %s\nusage: quorvel-render-song OUT.wav [--notes NOTES.csv]\n       quorvel-render-song --version\n", problem);
    return 2;
}

// 1 when the arguments name a WAV file and at most one notes file.
int parseArguments(int argc, char** argv, Arguments& args, const char*& problem) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            args.showVersion = true;
            return 1;
        }
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

int complain(const std::string& path, const char* what, int error) {
    std::fprintf(stderr, "quorvel-render-song: %s %s: %s\n", what, path.c_str(), std::strerror(error));
    return 0;
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// An output's place: in a folder that exists and can be written, and taken by
// nothing or by a regular file (which it replaces). 1, or 0 with the reason.
int checkPlace(const std::string& path) {
    struct stat info;
    if (!path.empty() && path.back() == '/') return complain(path, "cannot write", EISDIR);
    if (lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        std::fprintf(stderr, "quorvel-render-song: %s is %s, not a regular file; refusing to replace it\n",
                     path.c_str(), S_ISDIR(info.st_mode) ? "a folder" : S_ISLNK(info.st_mode) ? "a symbolic link"
                                                           : S_ISCHR(info.st_mode) ? "a character device"
                                                           : S_ISFIFO(info.st_mode) ? "a named pipe"
                                                                                     : "something else");
        return 0;
    }
    const std::string folder = folderOf(path);
    if (stat(folder.c_str(), &info) != 0) return complain(folder, "cannot write in", errno);
    if (!S_ISDIR(info.st_mode)) return complain(folder, "cannot write in", ENOTDIR);
    if (access(folder.c_str(), W_OK) != 0) return complain(folder, "cannot write in", errno);
    return 1;
}

// An output on its way: the staged file beside its place.
struct StagedFile {
    std::string path, staging;
    std::FILE* file = nullptr;
};

int openStaged(const char* path, StagedFile* out) {
    out->path = path;
    const size_t slash = out->path.find_last_of('/');
    const std::string name = slash == std::string::npos ? out->path : out->path.substr(slash + 1);
    out->staging = folderOf(out->path) + "/.quorvel-render-song-" + std::to_string(getpid()) + "-" + name;
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
    if (!staged->staging.empty()) unlink(staged->staging.c_str());
    staged->staging.clear();
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
    if (args.showVersion) {
        std::printf("quorvel-render-song %s\n", QUORVEL_VERSION);
        return 0;
    }

    SongFault fault{};
    if (!validateSong(demoSong, &fault)) {
        std::fprintf(stderr, "quorvel-render-song: the song is rejected: %s\n", fault.message);
        return 1;
    }
    // Every place is checked and both staged files made before the render.
    if (!checkPlace(args.wavPath) || (args.notesPath && !checkPlace(args.notesPath))) return 1;
    if (args.notesPath && std::strcmp(args.wavPath, args.notesPath) == 0) {
        std::fprintf(stderr, "quorvel-render-song: the WAV and the notes cannot both be %s\n", args.wavPath);
        return 1;
    }
    std::signal(SIGXFSZ, SIG_IGN);  // past a file size limit a write fails with its reason
    StagedFile wav, notes;
    if (!openStaged(args.wavPath, &wav) || (args.notesPath && !openStaged(args.notesPath, &notes))) {
        discardStaged(&wav);
        return 1;
    }

    const double seconds = renderWithProgress();
    if (seconds < 0.0) {
        std::fprintf(stderr, "quorvel-render-song: the render rejected the song\n");
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
    bool ok = closeStaged(&wav, !writeWav(wav.file, musicBuffer, SONG_FRAMES, SAMPLE_RATE)) == 1;
    int32_t changes = 0;
    if (ok && notes.file) {
        errno = 0;
        changes = writeNoteEvents(notes.file, noteTrace, NOTE_TRACE_ROWS);
        ok = closeStaged(&notes, changes < 0) == 1;
    }
    for (StagedFile* staged : {&wav, &notes}) {
        if (!ok || staged->staging.empty()) continue;
        if (std::rename(staged->staging.c_str(), staged->path.c_str()) != 0) {
            ok = complain(staged->path, "cannot move the output to", errno) == 1;
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

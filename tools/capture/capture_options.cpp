#include "tools/capture/capture_options.h"

#include "platform/capture/capture_backend.h"
#include "tools/option_values/option_values.h"

#include <getopt.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char USAGE[] =
    "usage: quorvel-capture [--size WxH] [--fps N] [--at T1,T2,...] [--from A] [--to B]\n"
    "                       [--quit-at T] [--out DIR] [--wav FILE] [--video FILE]\n"
    "\n"
    "Plays the demo off line at a fixed frame rate, exactly as it would run, and keeps\n"
    "what is asked for. Times are seconds of the demo clock, as plain decimals (12.5).\n"
    "\n"
    "  --size WxH      picture size (default 1109x693, the demo's window)\n"
    "  --fps N         frames per second, a whole number from 1 to 1000 (default 60)\n"
    "  --at T1,...     stills: for each time, the first frame whose clock reaches it,\n"
    "                  as DIR/frame-NNNNNN.png (NNNNNN = frame number = time x fps)\n"
    "  --from A        every frame from the first that reaches A ...\n"
    "  --to B          ... to the last at or before B (default with --quit-at: the\n"
    "                  frame in which the closing fade ends)\n"
    "  --quit-at T     asks the demo to quit in the first frame at or past T; the run\n"
    "                  ends with the closing fade\n"
    "  --out DIR       where the PNGs go (created if missing)\n"
    "  --wav FILE      the sound of the range (or from the first still to the last):\n"
    "                  32-bit float stereo 44.1 kHz, aligned with the frames\n"
    "  --video FILE    the range, frames and sound, encoded by ffmpeg\n"
    "  --version       prints the version\n"
    "\n"
    "Frames before the first one kept only advance the demo, which is quick. Nothing\n"
    "is written unless the whole capture succeeds.\n";

enum { OPTION_VERSION = 256, OPTION_SIZE, OPTION_FPS, OPTION_AT, OPTION_FROM, OPTION_TO, OPTION_QUIT_AT,
       OPTION_OUT, OPTION_WAV, OPTION_VIDEO };

const option OPTIONS[] = {
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, OPTION_VERSION},
    {"size", required_argument, nullptr, OPTION_SIZE},
    {"fps", required_argument, nullptr, OPTION_FPS},
    {"at", required_argument, nullptr, OPTION_AT},
    {"from", required_argument, nullptr, OPTION_FROM},
    {"to", required_argument, nullptr, OPTION_TO},
    {"quit-at", required_argument, nullptr, OPTION_QUIT_AT},
    {"out", required_argument, nullptr, OPTION_OUT},
    {"wav", required_argument, nullptr, OPTION_WAV},
    {"video", required_argument, nullptr, OPTION_VIDEO},
    {nullptr, 0, nullptr, 0},
};

// "--name" of an option's code.
std::string optionName(int code) {
    for (const option* o = OPTIONS; o->name; ++o) {
        if (o->val == code) return std::string("--") + o->name;
    }
    return "";
}

// A time in seconds: a plain decimal number, 0 or more, within the clock.
bool readSeconds(const char* text, const char* what, double* seconds, std::string* error) {
    if (text[0] == '-' && plainDecimal(text + 1, true)) {
        *error = std::string(what) + ": " + text + " s is before the demo's first frame";
        return false;
    }
    if (!plainDecimal(text, true)) {
        *error = std::string(what) + ": '" + text + "' is not a time in seconds (a plain decimal number)";
        return false;
    }
    const double value = std::strtod(text, nullptr);
    if (value > CAPTURE_LONGEST_SECONDS) {
        *error = std::string(what) + ": " + text + " s is past the longest capture (8000 s)";
        return false;
    }
    *seconds = value;
    return true;
}

bool readStills(const char* text, CaptureOptions* options, std::string* error) {
    options->stills.clear();
    std::string list(text);
    size_t start = 0;
    while (true) {
        const size_t comma = list.find(',', start);
        const std::string item = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        double seconds = 0.0;
        if (!readSeconds(item.c_str(), "--at", &seconds, error)) return false;
        if (!options->stills.empty() && seconds <= options->stills.back()) {
            *error = "--at: the times are out of order: " + item + " s comes after " +
                     secondsText(options->stills.back()) + " s (give them rising)";
            return false;
        }
        options->stills.push_back(seconds);
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}

bool fail(const std::string& why, std::string* error) {
    *error = why;
    return false;
}

// The option with code `code` and its value `text`.
bool readOption(int code, const char* text, CaptureOptions* options, std::string* error) {
    switch (code) {
        case 'h':
            options->showHelp = true;
            return true;
        case OPTION_VERSION:
            options->showVersion = true;
            return true;
        case OPTION_SIZE:
            return readPixelSize(text, "--size", &options->width, &options->height, error);
        case OPTION_FPS:
            return readFrameRate(text, CAPTURE_HIGHEST_FRAME_RATE, &options->framesPerSecond, error);
        case OPTION_AT:
            return readStills(text, options, error);
        case OPTION_FROM:
            options->hasRange = true;
            return readSeconds(text, "--from", &options->from, error);
        case OPTION_TO:
            options->hasRange = true;
            options->hasTo = true;
            return readSeconds(text, "--to", &options->to, error);
        case OPTION_QUIT_AT:
            options->hasQuit = true;
            return readSeconds(text, "--quit-at", &options->quitAt, error);
    }
    std::string* path = code == OPTION_OUT ? &options->outDir
                        : code == OPTION_WAV ? &options->wavPath
                                             : &options->videoPath;
    if (*text == '\0') return fail(optionName(code) + " needs a file name", error);
    *path = text;
    return true;
}

// What the options ask for, taken together.
bool checkCombination(const CaptureOptions& o, std::string* error) {
    if (o.stills.empty() && !o.hasRange) {
        *error = "nothing to capture: give --at for stills or --from/--to for a range";
        return false;
    }
    if (o.hasRange && !o.hasTo && !o.hasQuit) {
        *error = "--from needs --to, or --quit-at to run to the end of the closing fade (the demo has no end of its own)";
        return false;
    }
    if (o.hasTo && o.to < o.from) {
        *error = "--to comes before --from: the range ends before it starts";
        return false;
    }
    if (!o.stills.empty() && o.outDir.empty()) {
        *error = "--at needs --out DIR for the PNGs";
        return false;
    }
    if (!o.videoPath.empty() && !o.hasRange) {
        *error = "--video needs a range (--from/--to or --quit-at)";
        return false;
    }
    if (o.outDir.empty() && o.wavPath.empty() && o.videoPath.empty()) {
        *error = "nowhere to put the capture: give --out, --wav or --video";
        return false;
    }
    return true;
}

}  // namespace

std::string secondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", seconds);
    return text;
}

int parseCaptureOptions(int argc, const char* const* argv, CaptureOptions* options, std::string* error) {
    *options = CaptureOptions();
    optind = 0;
    opterr = 0;
    // "+": in the order given, stopping at the first word that is no option;
    // ":": a missing value comes back as ':'. Nothing in argv is moved.
    char* const* words = const_cast<char* const*>(argv);
    for (int code; (code = getopt_long(argc, words, "+:h", OPTIONS, nullptr)) != -1;) {
        if (code == ':') return fail(optionName(optopt) + " needs a value", error);
        if (code == '?') {
            // A long option is the word just passed; a short one is a letter.
            const char* word = argv[optind - 1];
            const std::string unknown =
                std::strncmp(word, "--", 2) == 0 ? word : std::string("-") + static_cast<char>(optopt);
            return fail("unknown option '" + unknown + "' (see --help)", error);
        }
        if (!readOption(code, optarg, options, error)) return 0;
        if (options->showHelp || options->showVersion) return 1;
    }
    if (optind < argc) return fail(std::string("unexpected argument '") + argv[optind] + "' (see --help)", error);
    return checkCombination(*options, error) ? 1 : 0;
}

const char* captureUsage() { return USAGE; }

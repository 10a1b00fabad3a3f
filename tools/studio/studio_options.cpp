#include "tools/studio/studio_options.h"

#include "tools/option_values/option_values.h"

#include <getopt.h>

namespace {

const char USAGE[] =
    "usage: quorvel-studio [--source DIR] [--size WxH] [--fps N]\n"
    "\n"
    "Plays the show from 0 with its sound, and lets you move about in it while\n"
    "its shaders and song are edited: a saved shader is rebuilt, a saved song is\n"
    "rendered again, and the show goes on with them.\n"
    "\n"
    "  --source DIR    the source tree whose resources/shaders/ and synth/song/ are\n"
    "                  watched (default: the tree this program was built from)\n"
    "  --size WxH      window size (default 1109x693, the demo's window)\n"
    "  --fps N         a fixed clock of N frames a second, as quorvel-capture plays\n"
    "                  it, one frame a picture, without sound (1 to 1000)\n"
    "  --version       prints the version\n"
    "\n"
    "Keys: Space pauses and resumes; Left and Right seek a second, with Shift ten;\n"
    "Home goes to 0; comma and period step a frame while paused; [ and ] mark a\n"
    "loop's start and end, L turns it on and off; H shows the overlay; S saves a\n"
    "still of the frame in the current folder; Escape fades out and quits.\n";

enum { OPTION_VERSION = 256, OPTION_SOURCE, OPTION_SIZE, OPTION_FPS };

const option OPTIONS[] = {
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, OPTION_VERSION},
    {"source", required_argument, nullptr, OPTION_SOURCE},
    {"size", required_argument, nullptr, OPTION_SIZE},
    {"fps", required_argument, nullptr, OPTION_FPS},
    {nullptr, 0, nullptr, 0},
};

const int HIGHEST_FRAME_RATE = 1000;

bool readOption(int code, const char* text, StudioOptions* options, std::string* error) {
    switch (code) {
        case 'h':
            options->showHelp = true;
            return true;
        case OPTION_VERSION:
            options->showVersion = true;
            return true;
        case OPTION_SOURCE:
            options->sourceDir = text;
            return true;
        case OPTION_SIZE:
            return readPixelSize(text, "--size", &options->width, &options->height, error);
        case OPTION_FPS:
            return readFrameRate(text, HIGHEST_FRAME_RATE, &options->framesPerSecond, error);
        default:
            return false;
    }
}

}  // namespace

int parseStudioOptions(int argc, char** argv, const char* builtSourceDir, StudioOptions* options,
                       std::string* error) {
    *options = StudioOptions();
    options->sourceDir = builtSourceDir;
    optind = 1;
    opterr = 0;
    int code = 0;
    while ((code = getopt_long(argc, argv, ":h", OPTIONS, nullptr)) != -1) {
        if (code == '?' || code == ':') {
            const std::string word = argv[optind - 1];
            *error = (code == ':' ? word + " needs a value" : "unknown option " + word) + " (see --help)";
            return 0;
        }
        if (!readOption(code, optarg, options, error)) return 0;
    }
    if (optind < argc) {
        *error = std::string("unexpected argument '") + argv[optind] + "' (see --help)";
        return 0;
    }
    return 1;
}

const char* studioUsage() { return USAGE; }

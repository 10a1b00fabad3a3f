// The command line of quorvel-capture, read into one record and checked before
// anything is opened or written.
#pragma once

#include <string>
#include <vector>

struct CaptureOptions {
    int width = 1109, height = 693;  // the demo's window
    int framesPerSecond = 60;

    std::vector<double> stills;  // --at: seconds, ascending

    // --from / --to: every frame in between. Without --to the range runs to
    // the end of the closing fade, which needs --quit-at.
    bool hasRange = false;
    double from = 0.0;
    bool hasTo = false;
    double to = 0.0;

    bool hasQuit = false;
    double quitAt = 0.0;

    std::string outDir;     // PNGs
    std::string wavPath;    // the sound
    std::string videoPath;  // frames and sound through ffmpeg

    bool showHelp = false;
    bool showVersion = false;
};

// Reads argv[1..argc-1] with getopt_long, in order (so --name=VALUE and an
// option's unique abbreviation work too, and "--" ends the options). Returns 1,
// or 0 with a one-line reason in *error.
// Checks everything that can be checked without a display: sizes of at least
// 1, a whole frame rate of 1 to 1000, times that are numbers from 0 on,
// stills in ascending order, a range that does not end before it starts, and
// combinations that make sense (something to capture, somewhere to put it).
int parseCaptureOptions(int argc, const char* const* argv, CaptureOptions* options, std::string* error);

// A time as the messages show it ("12.5").
std::string secondsText(double seconds);

// The help text.
const char* captureUsage();

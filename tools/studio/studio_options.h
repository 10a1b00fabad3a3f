// The command line of quorvel-studio.
#pragma once

#include <string>

struct StudioOptions {
    std::string sourceDir;           // the tree whose shaders and song are watched
    int width = 1109, height = 693;  // the demo's window
    int framesPerSecond = 0;         // 0: the real clock, with sound
    bool showHelp = false;
    bool showVersion = false;
};

// Reads argv[1..argc-1]; the source folder defaults to builtSourceDir.
// Returns 1, or 0 with a one-line reason in *error.
int parseStudioOptions(int argc, char** argv, const char* builtSourceDir, StudioOptions* options,
                       std::string* error);

const char* studioUsage();

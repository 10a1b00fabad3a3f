// The show's shaders read again from a source tree while it runs. The files
// of DIR/resources/shaders/ are those the manifest names; when one changes,
// every program built from it is rebuilt from the files' texts, and the frames
// draw with the new program from then on. A compile or link failure leaves
// the old program in use and is printed on standard error as
// "FILE:LINE: message" (shader_log.h); a file that vanishes or cannot be read
// leaves its programs as they are, and says so once.
#pragma once

#include "tools/studio/file_watch/file_watch.h"

#include <string>
#include <vector>

struct LiveShaderFile {
    std::string path;    // DIR/resources/shaders/NAME
    const char* type;    // "VSHADER" or "FSHADER"
    int id;              // its resource id
    std::string source;  // what its programs are built from: the file's last readable text, else the built-in one
    std::string error;   // why its programs were last left as they were; empty once they build
};

struct LiveShaders {
    bool watching;  // false: the folder holds none of the shaders; the built-in ones stay
    FileWatch watch;
    std::vector<LiveShaderFile> files;  // in the manifest's order
    int lastFailed;                     // the file of the newest error, or -1
    int rebuilds;                       // programs rebuilt and in use since the start
};

// Starts watching sourceFolder/resources/shaders. Where the folder holds none
// of the shaders, says so once on standard error and returns 0: the show runs
// on the built-in sources. Otherwise rebuilds at once the programs whose files
// differ from the built-in sources, and returns 1. Needs the show's programs
// built (startDemo) and their GL context current.
int startLiveShaders(LiveShaders* live, const std::string& sourceFolder);

// Looks at the files (each is read whole: call it once a frame or less often)
// and rebuilds the programs of those that changed. Returns how many programs
// it rebuilt and put in use.
int updateLiveShaders(LiveShaders* live);

// The newest failure that still stands ("FILE:LINE: message", maybe more
// lines), for the overlay, drawn every frame: no copy is made; empty when
// every program builds. Valid until the next updateLiveShaders.
const char* liveShaderError(const LiveShaders& live);

#include "tools/capture/capture_outputs.h"

#include "tools/output_place/output_place.h"

#include <unistd.h>

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool isFolder(const fs::path& path) {
    std::error_code ignored;
    return fs::is_directory(path, ignored);
}

bool writable(const fs::path& folder) { return access(folder.c_str(), W_OK) == 0; }

bool checkFile(const char* option, const std::string& path, std::string* error) {
    if (writableFilePlace(path, error)) return true;
    *error = std::string(option) + ": " + *error;
    return false;
}

bool checkFolder(const std::string& path, std::string* error) {
    if (isFolder(path)) {
        if (writable(path)) return true;
        *error = "--out: cannot write in " + path;
        return false;
    }
    std::error_code ignored;
    if (fs::exists(path, ignored)) {
        *error = "--out: " + path + " is a file, not a folder";
        return false;
    }
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
    const fs::path parent = folderOf(trimmed);
    if (!isFolder(parent)) {
        *error = "--out: the folder " + parent.string() + " does not exist";
        return false;
    }
    return true;
}

// The names in a folder, in the order the system lists them; false when it
// cannot be read.
bool namesIn(const fs::path& folder, std::vector<std::string>* names) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        names->push_back(entry->path().filename().string());
    }
    return !error;
}

}  // namespace

int checkOutputPaths(const CaptureOptions& options, std::string* error) {
    if (!options.outDir.empty() && !checkFolder(options.outDir, error)) return 0;
    if (!options.wavPath.empty() && !checkFile("--wav", options.wavPath, error)) return 0;
    if (!options.videoPath.empty() && !checkFile("--video", options.videoPath, error)) return 0;
    if (!options.wavPath.empty() && !options.videoPath.empty() && sameFile(options.wavPath, options.videoPath)) {
        *error = "--wav and --video cannot both be " + options.wavPath;
        return 0;
    }
    return 1;
}

int prepareOutputs(const CaptureOptions& options, CaptureOutputs* outputs, std::string* error) {
    *outputs = CaptureOutputs();
    if (!options.outDir.empty()) {
        outputs->stillsDir = options.outDir;
        if (!isFolder(options.outDir)) {
            std::error_code made;
            if (!fs::create_directory(options.outDir, made)) {
                *error = "--out: cannot create " + options.outDir + ": " + made.message();
                return 0;
            }
            outputs->createdStillsDir = true;
        }
        std::string pattern = (fs::path(options.outDir) / ".quorvel-capture-XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (!mkdtemp(name.data())) {
            *error = "--out: cannot create a staging folder in " + options.outDir + ": " + std::strerror(errno);
            discardOutputs(outputs);
            return 0;
        }
        outputs->stagingDir = name.data();
    }
    outputs->wavWanted = !options.wavPath.empty();
    if (outputs->wavWanted) {
        outputs->wavPath = options.wavPath;
        outputs->wavStaging = stagingBeside(options.wavPath, "quorvel-capture-sound");
    }
    if (!options.videoPath.empty()) {
        outputs->videoPath = options.videoPath;
        outputs->videoStaging = stagingBeside(options.videoPath, "quorvel-capture-video");
        outputs->videoFramesStaging = stagingBeside(options.videoPath, "quorvel-capture-frames");
        // The video's sound goes through a WAV even when none is asked for.
        if (!outputs->wavWanted) {
            outputs->wavStaging = stagingBeside(folderOf(options.videoPath) / "sound.wav", "quorvel-capture-sound");
        }
    }
    return 1;
}

std::string stagedFramePath(const CaptureOutputs& outputs, int64_t frame) {
    char name[64];
    std::snprintf(name, sizeof name, "frame-%06" PRId64 ".png", frame);
    return (fs::path(outputs.stagingDir) / name).string();
}

namespace {

// Whether every staged PNG, the sound and the video may take their places.
bool placesFree(const CaptureOutputs& outputs, std::string* error) {
    std::vector<std::string> names;
    if (!outputs.stagingDir.empty() && !namesIn(outputs.stagingDir, &names)) {
        *error = "cannot read the staging folder " + outputs.stagingDir;
        return false;
    }
    for (const std::string& name : names) {
        if (name[0] != '.' && !replaceable(fs::path(outputs.stillsDir) / name, error)) return false;
    }
    return (!outputs.wavWanted || replaceable(outputs.wavPath, error)) &&
           (outputs.videoPath.empty() || replaceable(outputs.videoPath, error));
}

// Moves a staged file onto its place; false with the reason.
bool moveInto(const fs::path& from, const fs::path& to, const std::string& what, std::string* error) {
    std::error_code moved;
    fs::rename(from, to, moved);
    if (!moved) return true;
    *error = "cannot move " + what + " to " + to.string() + ": " + moved.message();
    return false;
}

}  // namespace

int commitOutputs(CaptureOutputs* outputs, std::string* error) {
    if (!placesFree(*outputs, error)) return 0;
    if (!outputs->stagingDir.empty()) {
        std::vector<std::string> names;
        if (!namesIn(outputs->stagingDir, &names)) {
            *error = "cannot read the staging folder " + outputs->stagingDir;
            return 0;
        }
        for (const std::string& name : names) {
            const fs::path from = fs::path(outputs->stagingDir) / name;
            if (!moveInto(from, fs::path(outputs->stillsDir) / name, from.string(), error)) return 0;
        }
        std::error_code ignored;
        fs::remove(outputs->stagingDir, ignored);
        outputs->stagingDir.clear();
        outputs->createdStillsDir = false;
    }
    if (outputs->wavWanted) {
        if (!moveInto(outputs->wavStaging, outputs->wavPath, "the sound", error)) return 0;
        outputs->wavWanted = false;
        outputs->wavStaging.clear();
    }
    if (!outputs->videoPath.empty()) {
        if (!moveInto(outputs->videoStaging, outputs->videoPath, "the video", error)) return 0;
        outputs->videoStaging.clear();
    }
    discardOutputs(outputs);  // the video's own staged frames and sound
    return 1;
}

void discardOutputs(CaptureOutputs* outputs) {
    std::error_code ignored;
    if (!outputs->stagingDir.empty()) fs::remove_all(outputs->stagingDir, ignored);
    if (outputs->createdStillsDir) fs::remove(outputs->stillsDir, ignored);  // only while empty
    for (const std::string* staged : {&outputs->wavStaging, &outputs->videoStaging, &outputs->videoFramesStaging}) {
        if (!staged->empty()) fs::remove(*staged, ignored);
    }
    outputs->stagingDir.clear();
    outputs->createdStillsDir = false;
    outputs->wavStaging.clear();
    outputs->videoStaging.clear();
    outputs->videoFramesStaging.clear();
}

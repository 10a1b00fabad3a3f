#include "tools/capture/capture_outputs.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool isFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

// What kind of thing other than a regular file is at `path`, or null.
const char* otherKind(const struct stat& info) {
    if (S_ISREG(info.st_mode)) return nullptr;
    if (S_ISDIR(info.st_mode)) return "a folder";
    if (S_ISLNK(info.st_mode)) return "a symbolic link";
    if (S_ISCHR(info.st_mode)) return "a character device";
    if (S_ISBLK(info.st_mode)) return "a block device";
    if (S_ISFIFO(info.st_mode)) return "a named pipe";
    if (S_ISSOCK(info.st_mode)) return "a socket";
    return "not a regular file";
}

// A finished output replaces what is at its place only when that is nothing
// or a regular file: a rename would put a file where a device, pipe or link was.
bool replaceable(const std::string& path, std::string* error) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0) return true;
    const char* kind = otherKind(info);
    if (!kind) return true;
    *error = path + " is " + kind + ", not a regular file; refusing to replace it";
    return false;
}

// A hidden name beside `path` for this process: .quorvel-capture-PID-what-NAME.
std::string stagingBeside(const std::string& path, const char* what) {
    return folderOf(path) + "/.quorvel-capture-" + std::to_string(getpid()) + "-" + what + "-" + nameOf(path);
}

bool checkFile(const char* option, const std::string& path, std::string* error) {
    if (path.back() == '/' || isFolder(path)) {
        *error = std::string(option) + ": " + path + " is a folder, not a file name";
        return false;
    }
    if (!replaceable(path, error)) {
        *error = std::string(option) + ": " + *error;
        return false;
    }
    if (!isFolder(folderOf(path))) {
        *error = std::string(option) + ": the folder " + folderOf(path) + " does not exist";
        return false;
    }
    if (access(folderOf(path).c_str(), W_OK) != 0) {
        *error = std::string(option) + ": cannot write in " + folderOf(path);
        return false;
    }
    return true;
}

bool checkFolder(const std::string& path, std::string* error) {
    if (isFolder(path)) {
        if (access(path.c_str(), W_OK) == 0) return true;
        *error = "--out: cannot write in " + path;
        return false;
    }
    if (exists(path)) {
        *error = "--out: " + path + " is a file, not a folder";
        return false;
    }
    std::string parent = path;
    while (parent.size() > 1 && parent.back() == '/') parent.pop_back();
    parent = folderOf(parent);
    if (!isFolder(parent)) {
        *error = "--out: the folder " + parent + " does not exist";
        return false;
    }
    return true;
}

void removeStagedFolder(const std::string& folder) {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (dirent* entry = readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
        unlink((folder + "/" + entry->d_name).c_str());
    }
    closedir(dir);
    rmdir(folder.c_str());
}

}  // namespace

int checkOutputPaths(const CaptureOptions& options, std::string* error) {
    if (!options.outDir.empty() && !checkFolder(options.outDir, error)) return 0;
    if (!options.wavPath.empty() && !checkFile("--wav", options.wavPath, error)) return 0;
    if (!options.videoPath.empty() && !checkFile("--video", options.videoPath, error)) return 0;
    return 1;
}

int prepareOutputs(const CaptureOptions& options, CaptureOutputs* outputs, std::string* error) {
    *outputs = CaptureOutputs();
    if (!options.outDir.empty()) {
        outputs->stillsDir = options.outDir;
        if (!isFolder(options.outDir)) {
            if (mkdir(options.outDir.c_str(), 0777) != 0) {
                *error = "--out: cannot create " + options.outDir + ": " + std::strerror(errno);
                return 0;
            }
            outputs->createdStillsDir = true;
        }
        std::string pattern = options.outDir + "/.quorvel-capture-XXXXXX";
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
        outputs->wavStaging = stagingBeside(options.wavPath, "sound");
    }
    if (!options.videoPath.empty()) {
        outputs->videoPath = options.videoPath;
        outputs->videoStaging = stagingBeside(options.videoPath, "video");
        outputs->videoFramesStaging = stagingBeside(options.videoPath, "frames");
        // The video's sound goes through a WAV even when none is asked for.
        if (!outputs->wavWanted) outputs->wavStaging = stagingBeside(options.videoPath, "sound") + ".wav";
    }
    return 1;
}

void framePngName(int64_t frame, char* name, size_t size) {
    std::snprintf(name, size, "frame-%06" PRId64 ".png", frame);
}

void stagedFramePath(const CaptureOutputs& outputs, int64_t frame, char* path, size_t size) {
    char name[64];
    framePngName(frame, name, sizeof name);
    std::snprintf(path, size, "%s/%s", outputs.stagingDir.c_str(), name);
}

// Whether every staged PNG, the sound and the video may take their places.
bool placesFree(const CaptureOutputs& outputs, std::string* error) {
    if (!outputs.stagingDir.empty()) {
        DIR* dir = opendir(outputs.stagingDir.c_str());
        if (!dir) {
            *error = "cannot read the staging folder " + outputs.stagingDir;
            return false;
        }
        bool ok = true;
        while (dirent* entry = ok ? readdir(dir) : nullptr) {
            if (entry->d_name[0] != '.') ok = replaceable(outputs.stillsDir + "/" + entry->d_name, error);
        }
        closedir(dir);
        if (!ok) return false;
    }
    return (!outputs.wavWanted || replaceable(outputs.wavPath, error)) &&
           (outputs.videoPath.empty() || replaceable(outputs.videoPath, error));
}

int commitOutputs(CaptureOutputs* outputs, std::string* error) {
    if (!placesFree(*outputs, error)) return 0;
    if (!outputs->stagingDir.empty()) {
        DIR* dir = opendir(outputs->stagingDir.c_str());
        if (!dir) {
            *error = "cannot read the staging folder " + outputs->stagingDir;
            return 0;
        }
        bool moved = true;
        while (dirent* entry = readdir(dir)) {
            if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
            const std::string from = outputs->stagingDir + "/" + entry->d_name;
            const std::string to = outputs->stillsDir + "/" + entry->d_name;
            if (std::rename(from.c_str(), to.c_str()) != 0) {
                *error = "cannot move " + from + " to " + to + ": " + std::strerror(errno);
                moved = false;
                break;
            }
        }
        closedir(dir);
        if (!moved) return 0;
        rmdir(outputs->stagingDir.c_str());
        outputs->stagingDir.clear();
        outputs->createdStillsDir = false;
    }
    if (outputs->wavWanted) {
        if (std::rename(outputs->wavStaging.c_str(), outputs->wavPath.c_str()) != 0) {
            *error = "cannot move the sound to " + outputs->wavPath + ": " + std::strerror(errno);
            return 0;
        }
        outputs->wavWanted = false;
        outputs->wavStaging.clear();
    }
    if (!outputs->videoPath.empty()) {
        if (std::rename(outputs->videoStaging.c_str(), outputs->videoPath.c_str()) != 0) {
            *error = "cannot move the video to " + outputs->videoPath + ": " + std::strerror(errno);
            return 0;
        }
        outputs->videoStaging.clear();
    }
    discardOutputs(outputs);  // the video's own staged frames and sound
    return 1;
}

void discardOutputs(CaptureOutputs* outputs) {
    if (!outputs->stagingDir.empty()) removeStagedFolder(outputs->stagingDir);
    if (outputs->createdStillsDir) rmdir(outputs->stillsDir.c_str());
    for (const std::string* staged : {&outputs->wavStaging, &outputs->videoStaging, &outputs->videoFramesStaging}) {
        if (!staged->empty()) unlink(staged->c_str());
    }
    outputs->stagingDir.clear();
    outputs->createdStillsDir = false;
    outputs->wavStaging.clear();
    outputs->videoStaging.clear();
    outputs->videoFramesStaging.clear();
}

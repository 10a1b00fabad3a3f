#include "tools/capture/video_encoder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Quiet unless something goes wrong; never asks before overwriting (the
// outputs are fresh staging names).
const char* const COMMON_ARGUMENTS[] = {"-hide_banner", "-loglevel", "error", "-y"};

std::vector<char*> argumentList(const std::string& ffmpeg, const std::vector<std::string>& arguments) {
    std::vector<char*> list;
    list.push_back(const_cast<char*>(ffmpeg.c_str()));
    for (const char* common : COMMON_ARGUMENTS) list.push_back(const_cast<char*>(common));
    for (const std::string& argument : arguments) list.push_back(const_cast<char*>(argument.c_str()));
    list.push_back(nullptr);
    return list;
}

bool waitForExit(int processId, std::string* error) {
    int status = 0;
    while (waitpid(processId, &status, 0) < 0) {
        if (errno != EINTR) {
            *error = "lost track of ffmpeg";
            return false;
        }
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
    *error = WIFEXITED(status) ? "ffmpeg failed with exit code " + std::to_string(WEXITSTATUS(status))
                               : "ffmpeg was ended by signal " + std::to_string(WTERMSIG(status));
    return false;
}

}  // namespace

std::string findOnPath(const char* program) {
    const char* path = std::getenv("PATH");
    if (!path) return std::string();
    std::string folders(path);
    size_t start = 0;
    while (start <= folders.size()) {
        const size_t colon = folders.find(':', start);
        std::string folder = folders.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        if (folder.empty()) folder = ".";  // an empty entry is the current folder
        const std::string candidate = folder + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
        if (colon == std::string::npos) break;
        start = colon + 1;
    }
    return std::string();
}

int startVideoEncoder(const std::string& ffmpeg, int width, int height, int fps, const std::string& framesPath,
                      VideoEncoder* encoder, std::string* error) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        *error = std::string("cannot make a pipe to ffmpeg: ") + std::strerror(errno);
        return 0;
    }
    const std::vector<std::string> arguments = {
        "-f", "rawvideo", "-pixel_format", "rgb24",
        "-video_size", std::to_string(width) + "x" + std::to_string(height),
        "-framerate", std::to_string(fps), "-i", "pipe:0",
        "-vf", "pad=ceil(iw/2)*2:ceil(ih/2)*2", "-pix_fmt", "yuv420p", framesPath};
    std::vector<char*> list = argumentList(ffmpeg, arguments);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[0], STDIN_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    pid_t processId = -1;
    const int spawned = posix_spawn(&processId, ffmpeg.c_str(), &actions, nullptr, list.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[0]);
    if (spawned != 0) {
        close(pipeEnds[1]);
        *error = "cannot start " + ffmpeg + ": " + std::strerror(spawned);
        return 0;
    }
    encoder->processId = processId;
    encoder->input = pipeEnds[1];
    return 1;
}

int sendVideoFrame(VideoEncoder* encoder, const uint8_t* rgb, size_t bytes) {
    while (bytes > 0) {
        const ssize_t written = write(encoder->input, rgb, bytes);
        if (written < 0) {
            if (errno == EINTR) continue;
            return 0;  // ffmpeg has gone (broken pipe: SIGPIPE is ignored)
        }
        rgb += written;
        bytes -= static_cast<size_t>(written);
    }
    return 1;
}

int finishVideoEncoder(VideoEncoder* encoder, std::string* error) {
    if (encoder->processId < 0) return 1;
    if (encoder->input >= 0) close(encoder->input);
    encoder->input = -1;
    const bool ok = waitForExit(encoder->processId, error);
    encoder->processId = -1;
    return ok ? 1 : 0;
}

int muxVideo(const std::string& ffmpeg, const std::string& framesPath, const std::string& soundPath,
             const std::string& videoPath, std::string* error) {
    const std::vector<std::string> arguments = {"-i", framesPath, "-i", soundPath, "-map", "0:v", "-map", "1:a",
                                                "-c:v", "copy", "-c:a", "aac", "-b:a", "320k", videoPath};
    std::vector<char*> list = argumentList(ffmpeg, arguments);
    pid_t processId = -1;
    const int spawned = posix_spawn(&processId, ffmpeg.c_str(), nullptr, nullptr, list.data(), environ);
    if (spawned != 0) {
        *error = "cannot start " + ffmpeg + ": " + std::strerror(spawned);
        return 0;
    }
    return waitForExit(processId, error) ? 1 : 0;
}

#include "tests/e2e/capture/capture_runner.h"

#include "tests/e2e/support/float_wav_reader.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

extern char** environ;

namespace {

std::string readText(const std::string& path) {
    const std::vector<unsigned char> bytes = fileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

void removeTree(const std::string& path) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0) return;
    if (S_ISDIR(info.st_mode)) {
        for (const std::string& entry : folderEntries(path)) removeTree(path + "/" + entry);
        rmdir(path.c_str());
    } else {
        unlink(path.c_str());
    }
}

}  // namespace

std::string buildProgram(const char* name) { return std::string(CAPTURE_BUILD_DIR) + "/" + name; }

int startCapture(const std::vector<std::string>& arguments, const std::vector<std::string>& extraEnvironment,
                 const std::string& logFolder) {
    const std::string program = buildProgram("quorvel-capture");
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text(*entry);
        const std::string name = text.substr(0, text.find('='));
        const bool replaced = std::any_of(extraEnvironment.begin(), extraEnvironment.end(),
                                          [&](const std::string& extra) { return extra.rfind(name + "=", 0) == 0; });
        if (!replaced) environment.push_back(text);
    }
    environment.insert(environment.end(), extraEnvironment.begin(), extraEnvironment.end());
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);

    const std::string outPath = logFolder + "/out", errPath = logFolder + "/err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t child = -1;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? child : -1;
}

CaptureRun waitForCapture(int processId, const std::string& logFolder) {
    CaptureRun run;
    if (processId < 0) {
        run.err = "cannot start quorvel-capture";
        return run;
    }
    int status = 0;
    waitpid(processId, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = readText(logFolder + "/out");
    run.err = readText(logFolder + "/err");
    return run;
}

CaptureRun runCapture(const std::vector<std::string>& arguments, const std::vector<std::string>& extraEnvironment) {
    ScratchFolder logs;
    return waitForCapture(startCapture(arguments, extraEnvironment, logs.path), logs.path);
}

ScratchFolder::ScratchFolder() {
    char pattern[] = "/tmp/quorvel-capture-test-XXXXXX";
    path = mkdtemp(pattern) ? pattern : "";
}

ScratchFolder::~ScratchFolder() {
    if (!path.empty()) removeTree(path);
}

std::vector<std::string> folderEntries(const std::string& path) {
    std::vector<std::string> entries;
    DIR* dir = opendir(path.c_str());
    if (!dir) return entries;
    while (dirent* entry = readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
            entries.push_back(entry->d_name);
        }
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end());
    return entries;
}

bool pathExists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

std::vector<unsigned char> fileBytes(const std::string& path) {
    std::vector<unsigned char> bytes;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return bytes;
    unsigned char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    std::fclose(file);
    return bytes;
}

RgbImage readPng(const std::string& path) {
    RgbImage image;
    const std::vector<unsigned char> bytes = fileBytes(path);
    int channels = 0;
    unsigned char* pixels = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &image.width,
                                                  &image.height, &channels, 3);
    if (!pixels) return RgbImage();
    image.rgb.assign(pixels, pixels + static_cast<size_t>(image.width) * image.height * 3);
    stbi_image_free(pixels);
    return image;
}

std::vector<float> wavSamples(const std::string& path, std::string* why) {
    std::vector<float> samples = floatWavSamples(fileBytes(path), why);
    if (samples.empty()) *why = path + ": " + *why;
    return samples;
}

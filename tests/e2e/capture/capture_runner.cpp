#include "tests/e2e/capture/capture_runner.h"

#include "tests/e2e/support/float_wav_reader.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <sys/wait.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

std::string buildProgram(const char* name) { return std::string(CAPTURE_BUILD_DIR) + "/" + name; }

CaptureRun runCapture(const std::vector<std::string>& arguments, const std::string& prefix) {
    ScratchFolder logs;
    std::string command = prefix + " '" + buildProgram("quorvel-capture") + "'";
    for (const std::string& argument : arguments) command += " '" + argument + "'";
    command += " >'" + (logs / "out") + "' 2>'" + (logs / "err") + "'";
    const int status = std::system(command.c_str());
    CaptureRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const std::vector<unsigned char> out = fileBytes(logs / "out"), err = fileBytes(logs / "err");
    run.out.assign(out.begin(), out.end());
    run.err.assign(err.begin(), err.end());
    return run;
}

ScratchFolder::ScratchFolder() {
    char pattern[] = "/tmp/quorvel-capture-test-XXXXXX";
    path = mkdtemp(pattern) ? pattern : "/nonexistent";
}

ScratchFolder::~ScratchFolder() { std::system(("rm -rf '" + path + "'").c_str()); }

std::vector<std::string> folderEntries(const std::string& path) {
    std::vector<std::string> entries;
    DIR* dir = opendir(path.c_str());
    while (dirent* entry = dir ? readdir(dir) : nullptr) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) entries.push_back(entry->d_name);
    }
    if (dir) closedir(dir);
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::vector<unsigned char> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<unsigned char> pngPixels(const std::string& path) {
    const std::vector<unsigned char> bytes = fileBytes(path);
    int w = 0, h = 0, channels = 0;
    unsigned char* pixels = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &w, &h, &channels, 3);
    std::vector<unsigned char> rgb;
    if (pixels) rgb.assign(pixels, pixels + static_cast<size_t>(w) * h * 3);
    stbi_image_free(pixels);
    return rgb;
}

std::vector<float> wavSamples(const std::string& path, std::string* why) {
    std::vector<float> samples = floatWavSamples(fileBytes(path), why);
    if (samples.empty()) *why = path + ": " + *why;
    return samples;
}

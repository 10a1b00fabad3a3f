#include "tests/e2e/capture/capture_runner.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/wait.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

std::string buildProgram(const char* name) { return std::string(CAPTURE_BUILD_DIR) + "/" + name; }

CaptureRun shell(const std::string& command) {
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    CaptureRun run;
    char buffer[4096];
    while (size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) run.out.append(buffer, got);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

CaptureRun runCapture(const std::vector<std::string>& arguments, const std::string& prefix) {
    std::string command = prefix + " '" + buildProgram("quorvel-capture") + "'";
    for (const std::string& argument : arguments) command += " '" + argument + "'";
    return shell(command);
}

ScratchFolder::ScratchFolder() : path(shell("mktemp -d").out) { path.pop_back(); }
ScratchFolder::~ScratchFolder() { shell("rm -rf '" + path + "'"); }

std::vector<std::string> folderEntries(const std::string& path) {
    std::istringstream lines(shell("LC_ALL=C ls -A '" + path + "'").out);
    std::vector<std::string> entries;
    for (std::string line; std::getline(lines, line);) entries.push_back(line);
    return entries;
}

std::vector<unsigned char> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<unsigned char> pngPixels(const std::string& path) {
    const std::vector<unsigned char> bytes = fileBytes(path);
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 3);
    std::vector<unsigned char> rgb(pixels, pixels + (pixels ? static_cast<size_t>(width) * height * 3 : 0));
    stbi_image_free(pixels);
    return rgb;
}

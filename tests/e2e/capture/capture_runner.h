// Runs the real quorvel-capture of this build on the X server in
// DISPLAY, and reads what it wrote.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CaptureRun {
    int exitCode = -1;
    std::string out, err;  // standard output and error
};

// quorvel-capture with the arguments; extraEnvironment entries ("NAME=value")
// replace or add to the test's own.
CaptureRun runCapture(const std::vector<std::string>& arguments,
                      const std::vector<std::string>& extraEnvironment = {});

// The same in two steps, for a test that acts on the running process: its
// output goes to files in logFolder. Returns the process id (-1 on failure).
int startCapture(const std::vector<std::string>& arguments, const std::vector<std::string>& extraEnvironment,
                 const std::string& logFolder);
CaptureRun waitForCapture(int processId, const std::string& logFolder);

// A program of the build folder, by name.
std::string buildProgram(const char* name);

// A fresh empty folder under the system's temporary folder, removed with its
// contents when the object goes.
struct ScratchFolder {
    ScratchFolder();
    ~ScratchFolder();
    std::string path;
    std::string operator/(const std::string& name) const { return path + "/" + name; }
};

// The entries of a folder (no "." or ".."), sorted; empty if it does not exist.
std::vector<std::string> folderEntries(const std::string& path);
bool pathExists(const std::string& path);
std::vector<unsigned char> fileBytes(const std::string& path);

struct RgbImage {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;  // top row first
    const unsigned char* at(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};
// Decodes a PNG; an empty image when it cannot.
RgbImage readPng(const std::string& path);

// The samples of a 32-bit float stereo 44.1 kHz WAV, found by walking its
// chunks; empty (with a reason) when it is not one.
std::vector<float> wavSamples(const std::string& path, std::string* why);

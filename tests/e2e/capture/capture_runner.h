// Runs the real quorvel-capture of this build on the X server in DISPLAY, and
// reads what it wrote.
#pragma once

#include <string>
#include <vector>

struct CaptureRun {
    int exitCode = -1;
    std::string out;  // standard output and error
};

// A shell command's exit code and output.
CaptureRun shell(const std::string& command);

// quorvel-capture with the arguments, run by the shell after `prefix`
// (variables such as "PATH=/x", or limits such as "ulimit -v 3000000;").
CaptureRun runCapture(const std::vector<std::string>& arguments, const std::string& prefix = "");

// A program of the build folder, by name.
std::string buildProgram(const char* name);

// A fresh empty folder (under TMPDIR), removed with its contents when the object goes.
struct ScratchFolder {
    ScratchFolder();
    ~ScratchFolder();
    std::string path;
    std::string operator/(const std::string& name) const { return path + "/" + name; }
};

// The entries of a folder, hidden ones too, sorted; empty if it does not exist.
std::vector<std::string> folderEntries(const std::string& path);
std::vector<unsigned char> fileBytes(const std::string& path);
// A PNG's pixels as RGB, top row first; empty when it cannot be decoded.
std::vector<unsigned char> pngPixels(const std::string& path);

// For the tests that run the programs as a user would: shell commands, scratch
// folders and the files the programs write.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

struct ShellRun {
    int exitCode = -1;
    std::string out;  // standard output and error
};

// A shell command's exit code and output.
inline ShellRun shell(const std::string& command) {
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    ShellRun run;
    char buffer[4096];
    while (size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) run.out.append(buffer, got);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// A fresh empty folder (under TMPDIR), removed with its contents when the object goes.
struct ScratchFolder {
    ScratchFolder() : path(shell("mktemp -d").out) { path.pop_back(); }
    ~ScratchFolder() { shell("rm -rf '" + path + "'"); }
    std::string path;
    std::string operator/(const std::string& name) const { return path + "/" + name; }
};

// The entries of a folder, hidden ones too, sorted; empty if it does not exist.
inline std::vector<std::string> folderEntries(const std::string& path) {
    std::istringstream lines(shell("LC_ALL=C ls -A '" + path + "'").out);
    std::vector<std::string> entries;
    for (std::string line; std::getline(lines, line);) entries.push_back(line);
    return entries;
}

// A file's bytes; empty when it cannot be read.
inline std::vector<unsigned char> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

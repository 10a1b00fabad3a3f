// Which of a set of watched files changed since the last look. Each look reads
// every file whole and compares a digest of its bytes with the look before:
// the files are a few shaders and a song source, tens of kilobytes in all.
// Reading rather than trusting modification times sees two saves within one
// tick of the file system's clock, and an editor that renames a new file over
// the old one as readily as one that writes in place; a save that leaves the
// bytes as they were is no change.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WatchedFile {
    std::string path;
    bool readable;    // the last look could open and read it
    uint64_t digest;  // of its bytes at the last look, when readable
};

struct FileWatch {
    std::vector<WatchedFile> files;
};

// Watches path from now on, as it is now (readable or not).
void watchFile(FileWatch* watch, const std::string& path);

// The watched paths that appeared, vanished, became unreadable or changed
// since the last look (or since watchFile), in the order they were watched.
std::vector<std::string> changedFiles(FileWatch* watch);

// Reads a whole file; false when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::string* bytes);

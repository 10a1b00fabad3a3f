#include "tools/studio/file_watch/file_watch.h"

#include <cstdio>

namespace {

// FNV-1a, 64 bits: enough to tell one save from the next.
uint64_t digestOf(const std::string& bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

WatchedFile lookAt(const std::string& path) {
    std::string bytes;
    const bool readable = readWholeFile(path, &bytes);
    return WatchedFile{path, readable, readable ? digestOf(bytes) : 0};
}

}  // namespace

bool readWholeFile(const std::string& path, std::string* bytes) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bytes->clear();
    char chunk[4096];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes->append(chunk, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

void watchFile(FileWatch* watch, const std::string& path) { watch->files.push_back(lookAt(path)); }

std::vector<std::string> changedFiles(FileWatch* watch) {
    std::vector<std::string> changed;
    for (WatchedFile& file : watch->files) {
        const WatchedFile now = lookAt(file.path);
        if (now.readable != file.readable || now.digest != file.digest) changed.push_back(file.path);
        file = now;
    }
    return changed;
}

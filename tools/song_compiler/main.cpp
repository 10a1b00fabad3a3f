// quorvel-song-compiler SOURCE OUT.cpp NAME: compiles the readable song into
// the C++ source of the Song named NAME (the demo's is demoSong; a test
// program links several). A song it refuses leaves no OUT.cpp, not even an
// earlier one, and OUT.cpp appears whole or not at all: no half-written
// routine reaches the build. Runs at build time; faults are reported as
// "SOURCE:LINE: message" and fail the build, warnings as
// "SOURCE:LINE: warning: message" and do not.
#include "tools/song_compiler/song_compiler.h"

#include <cstdio>
#include <string>

namespace {

bool readText(const char* path, std::string* text) {
    FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) text->append(chunk, got);
    bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

// Writes beside the place, then moves the whole file into it.
bool writeText(const char* path, const std::string& text) {
    const std::string staging = std::string(path) + ".part";
    FILE* file = std::fopen(staging.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) == 0 && written && std::rename(staging.c_str(), path) == 0) return true;
    std::remove(staging.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: quorvel-song-compiler SOURCE OUT.cpp NAME\n");
        return 2;
    }
    std::remove(argv[2]);  // whatever comes next, no earlier output stands
    std::string text, errors;
    if (!readText(argv[1], &text)) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    CompiledSong song;
    const bool compiled = compileSongSource(text, argv[1], &song, &errors);
    std::fputs(song.warnings.c_str(), stderr);
    if (!compiled) {
        std::fputs(errors.c_str(), stderr);
        return 1;
    }
    if (!writeText(argv[2], songTablesSource(song, argv[1], argv[3]))) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}

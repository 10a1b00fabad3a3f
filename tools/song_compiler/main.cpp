// quorvel-song-compiler SOURCE OUT.cpp NAME: compiles the readable song into
// the C++ source of the Song named NAME (the demo's is demoSong; a test
// program links several). Runs at build time; faults are reported as
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

bool writeText(const char* path, const std::string& text) {
    FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: quorvel-song-compiler SOURCE OUT.cpp NAME\n");
        return 2;
    }
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

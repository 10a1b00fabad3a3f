#include "tools/asset_generator/art_text.h"

#include <cstdarg>
#include <cstdio>

int readArtText(const std::string& path, ArtText* out) {
    out->path = path;
    out->lines.clear();
    FILE* file = std::fopen(path.c_str(), "r");
    if (!file) {
        std::fprintf(stderr, "%s: cannot open\n", path.c_str());
        return 0;
    }
    std::string line;
    int number = 0;
    int c;
    do {
        c = std::fgetc(file);
        if (c != '\n' && c != EOF) {
            line.push_back(static_cast<char>(c));
            continue;
        }
        ++number;
        size_t note = line.find(';');
        if (note != std::string::npos) line.erase(note);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) line.pop_back();
        if (line.find_first_not_of(" \t") != std::string::npos) out->lines.push_back(ArtLine{number, line});
        line.clear();
    } while (c != EOF);
    int ok = !std::ferror(file);
    std::fclose(file);
    if (!ok) std::fprintf(stderr, "%s: read error\n", path.c_str());
    return ok;
}

void reportArtError(const ArtText& art, int lineNumber, const char* format, ...) {
    if (lineNumber > 0) {
        std::fprintf(stderr, "%s:%d: ", art.path.c_str(), lineNumber);
    } else {
        std::fprintf(stderr, "%s: ", art.path.c_str());
    }
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputc('\n', stderr);
}

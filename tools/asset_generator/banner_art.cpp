#include "tools/asset_generator/banner_art.h"

#include "tools/asset_generator/art_text.h"

#include <cstdio>
#include <cstring>

namespace {

// The painter works on 36 samples a pixel; this keeps a typo from asking
// for gigabytes.
constexpr int MAX_CANVAS = 4096;

// Reads whole-line keyword values; false when the count or the end is wrong.
bool scanInts(const char* rest, int count, int* values) {
    int consumed = 0;
    for (int i = 0; i < count; ++i) {
        int used = 0;
        if (std::sscanf(rest + consumed, "%d%n", &values[i], &used) != 1) return false;
        consumed += used;
    }
    return rest[consumed + std::strspn(rest + consumed, " \t")] == '\0';
}

bool scanColour(const int* v, Rgba* colour) {
    for (int i = 0; i < 3; ++i) {
        if (v[i] < 0 || v[i] > 255) return false;
    }
    *colour = Rgba{static_cast<unsigned char>(v[0]), static_cast<unsigned char>(v[1]),
                   static_cast<unsigned char>(v[2]), 255};
    return true;
}

// "x,y x,y ..." with at least three corners.
bool scanCorners(const char* rest, std::vector<DesignPoint>* corners) {
    corners->clear();
    int consumed = 0;
    DesignPoint p;
    int used = 0;
    while (std::sscanf(rest + consumed, " %d,%d%n", &p.x, &p.y, &used) == 2) {
        corners->push_back(p);
        consumed += used;
    }
    return corners->size() >= 3 && rest[consumed + std::strspn(rest + consumed, " \t")] == '\0';
}

bool startsWith(const std::string& text, const char* word, const char** rest) {
    size_t n = std::strlen(word);
    if (text.compare(0, n, word) != 0 || (text.size() > n && text[n] != ' ' && text[n] != '\t')) return false;
    *rest = text.c_str() + n;
    return true;
}

// Takes one line into the art; nullptr when it fits, else what is wrong.
const char* parseLine(const std::string& text, BannerArt* art) {
    const char* rest = nullptr;
    int v[4];
    if (startsWith(text, "canvas", &rest) && scanInts(rest, 2, v)) {
        if (v[0] <= 0 || v[1] <= 0 || v[0] > MAX_CANVAS || v[1] > MAX_CANVAS) return "canvas sides run from 1 to 4096";
        art->width = v[0];
        art->height = v[1];
    } else if (startsWith(text, "origin", &rest) && scanInts(rest, 2, v)) {
        art->originX = v[0];
        art->originY = v[1];
    } else if (startsWith(text, "height", &rest) && scanInts(rest, 1, v) && v[0] > 0) {
        art->letterHeight = v[0];
    } else if (startsWith(text, "lean", &rest) && scanInts(rest, 2, v) && v[1] > 0) {
        art->leanNumerator = v[0];
        art->leanDenominator = v[1];
    } else if (startsWith(text, "gap", &rest) && scanInts(rest, 1, v)) {
        art->gap = v[0];
    } else if (startsWith(text, "stop", &rest) && scanInts(rest, 4, v)) {
        GradientStop stop = {v[0], {}};
        if (!scanColour(v + 1, &stop.colour)) return "colour parts run from 0 to 255";
        if (!art->gradient.empty() && stop.y < art->gradient.back().y) {
            return "gradient stops go down, by increasing y";
        }
        art->gradient.push_back(stop);
    } else if (startsWith(text, "outline", &rest) && scanInts(rest, 4, v) && v[0] > 0) {
        OutlineLayer layer = {v[0], {}};
        if (!scanColour(v + 1, &layer.colour)) return "colour parts run from 0 to 255";
        if (!art->outlines.empty() && layer.radius >= art->outlines.back().radius) {
            return "outlines are listed widest first";
        }
        art->outlines.push_back(layer);
    } else if (startsWith(text, "shadow", &rest) && scanInts(rest, 4, v) && v[2] >= 0 && v[3] >= 0 &&
               v[3] <= 255 && !art->hasShadow) {
        art->hasShadow = true;
        art->shadow = DropShadow{v[0], v[1], v[2], v[3]};
    } else if (startsWith(text, "letter", &rest)) {
        char name[32];
        int advance = 0, used = 0;
        if (std::sscanf(rest, " %31s %d%n", name, &advance, &used) != 2 || rest[used] != '\0') {
            return "expected letter NAME ADVANCE";
        }
        art->letters.push_back(BannerLetter{name, advance, {}});
    } else if ((startsWith(text, "fill", &rest) || startsWith(text, "cut", &rest)) && !art->letters.empty()) {
        LetterShape shape = {text[0] == 'c', {}};
        if (!scanCorners(rest, &shape.corners)) return "expected three or more corners x,y";
        art->letters.back().shapes.push_back(shape);
    } else {
        return "not understood";
    }
    return nullptr;
}

}  // namespace

int readBannerArt(const std::string& path, BannerArt* art) {
    ArtText file;
    if (!readArtText(path, &file)) return 0;
    *art = BannerArt();
    int ok = 1;
    for (const ArtLine& line : file.lines) {
        if (const char* problem = parseLine(line.text, art)) {
            reportArtError(file, line.number, "\"%s\": %s", line.text.c_str(), problem);
            ok = 0;
        }
    }
    if (ok && (art->width == 0 || art->letterHeight == 0 || art->gradient.empty() || art->letters.empty())) {
        reportArtError(file, 0, "needs a canvas, a height, at least one gradient stop and one letter");
        ok = 0;
    }
    for (const BannerLetter& letter : art->letters) {
        if (ok && letter.shapes.empty()) {
            reportArtError(file, 0, "letter %s has no shape", letter.name.c_str());
            ok = 0;
        }
    }
    return ok;
}

#include "tools/asset_generator/logo_strip.h"

#include "tools/asset_generator/art_text.h"

int readLogoStrip(const std::string& path, LogoStrip* strip) {
    ArtText art;
    if (!readArtText(path, &art)) return 0;
    if (art.lines.size() != STRIP_HEIGHT) {
        reportArtError(art, 0, "%d strip rows, not %d", static_cast<int>(art.lines.size()), STRIP_HEIGHT);
        return 0;
    }
    int ok = 1;
    for (int row = 0; row < STRIP_HEIGHT; ++row) {
        const ArtLine& line = art.lines[row];
        if (line.text.size() > STRIP_WIDTH || line.text.find_first_not_of("#+.") != std::string::npos) {
            reportArtError(art, line.number, "a strip row is at most %d of '#', '+' and '.'", STRIP_WIDTH);
            ok = 0;
            continue;
        }
        for (int column = 0; column < STRIP_WIDTH; ++column) {
            char c = column < static_cast<int>(line.text.size()) ? line.text[column] : '.';
            strip->pixels[row][column] = c == '#' ? STRIP_WHITE : c == '+' ? STRIP_GREY : STRIP_BLACK;
        }
    }
    return ok;
}

void paintLogoStrip(const LogoStrip& strip, RgbaImage* sheet) {
    // Grey must not have red 191: the cube builder turns that red into a
    // special flat white cube.
    const Rgba colours[] = {{0, 0, 0, 255}, {128, 128, 128, 255}, {255, 255, 255, 255}};
    for (int row = 0; row < STRIP_HEIGHT; ++row) {
        for (int column = 0; column < STRIP_WIDTH; ++column) {
            putPixel(sheet, column, STRIP_TOP + row, colours[strip.pixels[row][column]]);
        }
    }
}

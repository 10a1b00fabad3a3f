#include "tools/asset_generator/glyph_font.h"

#include "tools/asset_generator/art_text.h"

#include <cstdio>
#include <cstring>

namespace {

// "glyph CODE [name]" -> the code, or -1 when the line is not a header.
int parseGlyphHeader(const std::string& text) {
    int code = 0;
    int consumed = 0;
    if (std::sscanf(text.c_str(), "glyph %d%n", &code, &consumed) != 1) return -1;
    if (text[consumed] != '\0' && text[consumed] != ' ') return -1;
    return code;
}

}  // namespace

int readGlyphFont(const std::string& path, GlyphFont* font) {
    ArtText art;
    if (!readArtText(path, &art)) return 0;
    std::memset(font, 0, sizeof *font);
    bool seen[FONT_GLYPH_COUNT] = {};
    int ok = 1;
    size_t i = 0;
    while (i < art.lines.size()) {
        const ArtLine& header = art.lines[i++];
        int code = parseGlyphHeader(header.text);
        if (code < 0) {
            reportArtError(art, header.number, "expected \"glyph CODE\"");
            return 0;
        }
        int g = code - FONT_FIRST_CODE;
        if (g < 0 || g >= FONT_GLYPH_COUNT) {
            reportArtError(art, header.number, "code %d is outside 32 to 127", code);
            return 0;
        }
        if (seen[g]) {
            reportArtError(art, header.number, "code %d is drawn twice", code);
            ok = 0;
        }
        seen[g] = true;
        for (int row = 0; row < GLYPH_SIZE; ++row, ++i) {
            if (i >= art.lines.size() || parseGlyphHeader(art.lines[i].text) >= 0) {
                reportArtError(art, header.number, "glyph %d has %d rows, not %d", code, row, GLYPH_SIZE);
                return 0;
            }
            const ArtLine& line = art.lines[i];
            if (line.text.size() != GLYPH_SIZE || line.text.find_first_not_of("#.") != std::string::npos) {
                reportArtError(art, line.number, "a glyph row is %d of '#' and '.'", GLYPH_SIZE);
                ok = 0;
                continue;
            }
            for (int column = 0; column < GLYPH_SIZE; ++column) font->lit[g][row][column] = line.text[column] == '#';
        }
    }
    for (int g = 0; g < FONT_GLYPH_COUNT; ++g) {
        if (!seen[g]) {
            reportArtError(art, 0, "no glyph for code %d", g + FONT_FIRST_CODE);
            ok = 0;
        }
    }
    return ok;
}

void paintGlyphGrid(const GlyphFont& font, RgbaImage* sheet) {
    const Rgba white = {255, 255, 255, 255};
    for (int g = 0; g < FONT_GLYPH_COUNT; ++g) {
        int left = GLYPH_PITCH * (g % GLYPH_GRID_COLUMNS);
        int top = GLYPH_PITCH * (g / GLYPH_GRID_COLUMNS) + GLYPH_GRID_TOP;
        for (int row = 0; row < GLYPH_SIZE; ++row) {
            for (int column = 0; column < GLYPH_SIZE; ++column) {
                if (font.lit[g][row][column]) putPixel(sheet, left + column, top + row, white);
            }
        }
    }
}

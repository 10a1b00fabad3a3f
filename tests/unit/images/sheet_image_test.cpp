// The sheet image as its two readers see it: the scroll text samples 9 x 9
// glyph cells from the top rows, the cube logo turns the bottom 16 rows into
// cubes pixel by pixel.
#include "tests/unit/images/png_pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int GLYPHS = 96;  // codes 32 to 127
constexpr int CELL = 9;
constexpr int STRIP_TOP = 240;

int cellLeft(int g) { return 10 * (g % 16); }
int cellTop(int g) { return 10 * (g / 16) + 2; }

// Which glyph cell holds pixel (x, y), or -1 for the gaps and the rest.
int glyphAt(int x, int y) {
    if (y < 2 || (y - 2) % 10 == CELL || x % 10 == CELL || x >= 160) return -1;
    int g = ((y - 2) / 10) * 16 + x / 10;
    return g < GLYPHS ? g : -1;
}

bool isClear(const unsigned char* p) { return p[0] == 0 && p[1] == 0 && p[2] == 0 && p[3] == 0; }
bool isWhite(const unsigned char* p) { return p[0] == 255 && p[1] == 255 && p[2] == 255 && p[3] == 255; }
bool isGrey(const unsigned char* p) { return p[0] == 128 && p[1] == 128 && p[2] == 128 && p[3] == 255; }
bool isBlack(const unsigned char* p) { return p[0] == 0 && p[1] == 0 && p[2] == 0 && p[3] == 255; }

class SheetImage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(sourceDir().empty()) << "QUORVEL_SOURCE_DIR is not set";
        ASSERT_TRUE(loadPng(sourceDir() + "/resources/images/sheet.png", &sheet)) << "sheet.png missing or broken";
        ASSERT_EQ(sheet.width, 256);
        ASSERT_EQ(sheet.height, 256);
    }

    int litCount(int g) const {
        int n = 0;
        for (int y = 0; y < CELL; ++y)
            for (int x = 0; x < CELL; ++x) n += isWhite(sheet.at(cellLeft(g) + x, cellTop(g) + y));
        return n;
    }

    bool columnLit(int g, int column) const {
        for (int y = 0; y < CELL; ++y)
            if (!isClear(sheet.at(cellLeft(g) + column, cellTop(g) + y))) return true;
        return false;
    }

    bool rowLit(int g, int row) const {
        for (int x = 0; x < CELL; ++x)
            if (!isClear(sheet.at(cellLeft(g) + x, cellTop(g) + row))) return true;
        return false;
    }

    PngPixels sheet;
};

TEST_F(SheetImage, StoredAsRgbaSoTheGlyphBackgroundCanBeTransparent) { EXPECT_EQ(sheet.channelsInFile, 4); }

TEST_F(SheetImage, GlyphPixelsAreOpaqueWhiteAndAllElseAboveTheStripIsTransparent) {
    // Anything lit in a gap, outside the grid or between grid and strip would
    // show as a stray dot beside a glyph (linear filtering reaches one texel
    // past the cell) or never be used at all.
    int strayPixels = 0, badGlyphPixels = 0;
    for (int y = 0; y < STRIP_TOP; ++y) {
        for (int x = 0; x < 256; ++x) {
            const unsigned char* p = sheet.at(x, y);
            if (glyphAt(x, y) < 0) {
                strayPixels += !isClear(p);
            } else {
                badGlyphPixels += !isClear(p) && !isWhite(p);
            }
        }
    }
    EXPECT_EQ(strayPixels, 0) << "non-transparent pixels outside the glyph cells";
    EXPECT_EQ(badGlyphPixels, 0) << "glyph pixels that are neither transparent nor opaque white";
}

TEST_F(SheetImage, SpaceIsEmptyAndEveryPrintableCharacterHasAGlyph) {
    EXPECT_EQ(litCount(0), 0) << "the space would draw something";
    for (int code = 33; code <= 126; ++code) EXPECT_GT(litCount(code - 32), 0) << "no glyph for code " << code;
}

TEST_F(SheetImage, NoTwoPrintableCharactersShareAGlyph) {
    // A block pasted twice into the art would make two characters read alike.
    for (int a = 33; a <= 126; ++a) {
        for (int b = a + 1; b <= 126; ++b) {
            bool same = true;
            for (int y = 0; y < CELL && same; ++y)
                for (int x = 0; x < CELL && same; ++x)
                    same = isWhite(sheet.at(cellLeft(a - 32) + x, cellTop(a - 32) + y)) ==
                           isWhite(sheet.at(cellLeft(b - 32) + x, cellTop(b - 32) + y));
            EXPECT_FALSE(same) << "codes " << a << " and " << b << " look the same";
        }
    }
}

TEST_F(SheetImage, GlyphsKeepTheirLastColumnBlankSoTouchingCellsStillSpaceTheLetters) {
    // The scroll text sets the cells edge to edge: the last column is the only
    // space between two characters.
    for (int code = 33; code <= 126; ++code) EXPECT_FALSE(columnLit(code - 32, CELL - 1)) << "code " << code;
}

TEST_F(SheetImage, CapitalsAndDigitsShareOneCapHeightAndBaseline) {
    // A glyph a row too high or low would hop up and down in the moving line.
    auto check = [&](int code) {
        int g = code - 32;
        EXPECT_TRUE(rowLit(g, 0)) << "code " << code << " is below the cap height";
        EXPECT_TRUE(rowLit(g, 6)) << "code " << code << " does not reach the baseline";
        EXPECT_FALSE(rowLit(g, 7) || rowLit(g, 8)) << "code " << code << " hangs below the baseline";
    };
    for (int code = 'A'; code <= 'Z'; ++code) check(code);
    for (int code = '0'; code <= '9'; ++code) check(code);
}

struct StripCounts {
    int white = 0, grey = 0, black = 0, other = 0, red191 = 0;
    int firstColumn = 256, lastColumn = -1, firstRow = 16, lastRow = -1;
};

StripCounts countStrip(const PngPixels& sheet) {
    StripCounts c;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 256; ++x) {
            const unsigned char* p = sheet.at(x, STRIP_TOP + y);
            c.red191 += p[0] == 191;
            if (isBlack(p)) {
                ++c.black;
                continue;
            }
            if (isWhite(p)) {
                ++c.white;
            } else if (isGrey(p)) {
                ++c.grey;
            } else {
                ++c.other;
            }
            c.firstColumn = std::min(c.firstColumn, x);
            c.lastColumn = std::max(c.lastColumn, x);
            c.firstRow = std::min(c.firstRow, y);
            c.lastRow = std::max(c.lastRow, y);
        }
    }
    return c;
}

TEST_F(SheetImage, LogoStripHoldsOnlyWhiteGreyAndBlackAndNoRed191) {
    // Any other colour would become a cube of an unplanned colour; red 191
    // turns into the special flat white cube.
    StripCounts c = countStrip(sheet);
    EXPECT_EQ(c.other, 0);
    EXPECT_EQ(c.red191, 0);
    EXPECT_EQ(c.white + c.grey + c.black, 256 * 16);
}

TEST_F(SheetImage, LogoStripGivesSomeThreeThousandCubesCentredOnTheLogoOrigin) {
    StripCounts c = countStrip(sheet);
    const int cubes = c.white + 5 * c.grey;
    std::printf("strip: %d white, %d grey, %d cubes, columns %d to %d, rows %d to %d\n", c.white, c.grey, cubes,
                c.firstColumn, c.lastColumn, STRIP_TOP + c.firstRow, STRIP_TOP + c.lastRow);
    EXPECT_GE(cubes, 2800);
    EXPECT_LE(cubes, 3300);
    EXPECT_GE(c.firstColumn, 3);
    EXPECT_LE(c.lastColumn, 103);
    // The logo turns about column 54, row 248: an off-centre word would swing.
    EXPECT_NEAR((c.firstColumn + c.lastColumn) / 2.0, 54.0, 2.0);
    EXPECT_NEAR(STRIP_TOP + (c.firstRow + c.lastRow) / 2.0, 248.0, 1.0);
}

}  // namespace

// quorvel-asset-generator ART_DIR OUT_DIR [ICON_DIR]
//
// Paints the demo's two images from the art in ART_DIR:
//   font.txt + logo_strip.txt -> OUT_DIR/sheet.png  (256 x 256: glyph grid and logo strip)
//   banner.txt                -> OUT_DIR/banner.png (700 x 130 title banner)
// and, given ICON_DIR, the desktop icon at each size:
//   logo_strip.txt            -> ICON_DIR/quorvel-N.png (N x N)
// The same art always gives the same bytes. Exit code 0 on success, 1 on
// any mistake in the art (reported with its file and line) or write failure.
#include "tools/asset_generator/app_icon.h"
#include "tools/asset_generator/banner_art.h"
#include "tools/asset_generator/banner_painter.h"
#include "tools/asset_generator/glyph_font.h"
#include "tools/asset_generator/logo_strip.h"
#include "tools/asset_generator/png_file.h"

#include <cstdio>
#include <string>

namespace {

constexpr int SHEET_SIZE = 256;

int makeSheet(const std::string& artDir, const std::string& outDir) {
    static GlyphFont font;
    static LogoStrip strip;
    int fontOk = readGlyphFont(artDir + "/font.txt", &font);
    int stripOk = readLogoStrip(artDir + "/logo_strip.txt", &strip);
    if (!fontOk || !stripOk) return 0;
    RgbaImage sheet;
    resizeImage(&sheet, SHEET_SIZE, SHEET_SIZE);
    paintGlyphGrid(font, &sheet);
    paintLogoStrip(strip, &sheet);
    return writePngFile(outDir + "/sheet.png", sheet);
}

int makeBanner(const std::string& artDir, const std::string& outDir) {
    BannerArt art;
    if (!readBannerArt(artDir + "/banner.txt", &art)) return 0;
    RgbaImage banner;
    paintBanner(art, &banner);
    return writePngFile(outDir + "/banner.png", banner);
}

int makeIcons(const std::string& artDir, const std::string& iconDir) {
    static LogoStrip strip;
    if (!readLogoStrip(artDir + "/logo_strip.txt", &strip)) return 0;
    int ok = 1;
    for (int size : ICON_SIZES) {
        RgbaImage icon;
        paintAppIcon(strip, size, &icon);
        ok &= writePngFile(iconDir + "/quorvel-" + std::to_string(size) + ".png", icon);
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: quorvel-asset-generator ART_DIR OUT_DIR [ICON_DIR]\n");
        return 1;
    }
    int sheetOk = makeSheet(argv[1], argv[2]);
    int bannerOk = makeBanner(argv[1], argv[2]);
    int iconsOk = argc == 4 ? makeIcons(argv[1], argv[3]) : 1;
    return sheetOk && bannerOk && iconsOk ? 0 : 1;
}

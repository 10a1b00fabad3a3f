// show_in_still SCREENSHOT.xwd REFERENCE.png
//
// Finds the show in a screenshot of quorvel.exe's window (xwd) by the Linux
// capture's still of the same moment: black letterbox bars in the rows where
// the still has them, the banner (its blue-white chrome) where the still has
// it, and a lit sponge (yellow and white) in the band between the bars. The
// sponge turns with the music, so only its light is compared, not its shape.
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

struct Image {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    const uint8_t* at(int x, int y) const { return &rgb[3 * (size_t(y) * width + x)]; }
};

uint32_t bigEndian(const uint8_t* p) { return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

// A 32-bit TrueColor dump as xwd writes it: header, colour map, then rows.
Image readXwd(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> f((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Image image;
    if (f.size() < 100 || bigEndian(&f[44]) != 32) return image;
    size_t offset = bigEndian(&f[0]) + 12 * size_t(bigEndian(&f[76])), stride = bigEndian(&f[48]);
    bool msbFirst = bigEndian(&f[28]) == 1;
    image.width = int(bigEndian(&f[16]));
    image.height = int(bigEndian(&f[20]));
    if (f.size() < offset + stride * image.height) return Image();
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* p = &f[offset + y * stride + 4 * x];
            uint8_t r = msbFirst ? p[1] : p[2], g = msbFirst ? p[2] : p[1], b = msbFirst ? p[3] : p[0];
            image.rgb.insert(image.rgb.end(), {r, g, b});
        }
    return image;
}

bool dark(const uint8_t* p) { return p[0] < 40 && p[1] < 40 && p[2] < 40; }
bool chrome(const uint8_t* p) { return p[2] > 150 && p[2] > p[0] + 40; }
bool lit(const uint8_t* p) { return p[0] > 200 && p[1] > 170; }

// Share of dark pixels in a row's outer tenths, left and right (the banner and
// the sponge stay between them).
double darkAtSides(const Image& image, int y) {
    int count = 0, side = image.width / 10;
    for (int x = 0; x < side; ++x) count += dark(image.at(x, y)) + dark(image.at(image.width - 1 - x, y));
    return count / (2.0 * side);
}

// The rows and columns where the chrome is (more than a stray fringe pixel or
// two): "top bottom left right". The chrome is one block of rows from the
// banner's top; a row further down where the old screen's flicker turns a few
// of the letters' lower pixels blue is not part of it.
void chromeBox(const Image& image, int box[4]) {
    const int gap = image.height / 50;
    box[0] = box[2] = 1 << 30, box[1] = box[3] = -1;
    for (int y = 0; y < image.height; ++y) {
        int row = 0;
        for (int x = 0; x < image.width; ++x) row += chrome(image.at(x, y));
        if (row < image.width / 50) continue;
        if (box[1] >= 0 && y - box[1] > gap) break;
        box[0] = std::min(box[0], y), box[1] = y;
    }
    std::vector<int> columns(image.width);
    for (int y = box[0]; y <= box[1]; ++y)
        for (int x = 0; x < image.width; ++x) columns[x] += chrome(image.at(x, y));
    for (int x = 0; x < image.width; ++x)
        if (columns[x] >= image.height / 100) box[2] = std::min(box[2], x), box[3] = x;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return std::fprintf(stderr, "usage: %s SCREENSHOT.xwd REFERENCE.png\n", argv[0]), 2;
    Image shot = readXwd(argv[1]), still;
    uint8_t* pixels = stbi_load(argv[2], &still.width, &still.height, nullptr, 3);
    if (pixels) still.rgb.assign(pixels, pixels + 3 * size_t(still.width) * still.height);
    if (shot.rgb.empty() || still.rgb.empty() || shot.width != still.width || shot.height != still.height)
        return std::printf("FAIL: the screenshot (%dx%d) and the still (%dx%d) do not compare\n", shot.width,
                           shot.height, still.width, still.height), 1;

    // Bars: rows dark at the sides in the still; the band: rows lit there.
    int barRows = 0, bandRows = 0, wrongRows = 0, bandBottom = 0;
    for (int y = 0; y < shot.height; ++y) {
        double expected = darkAtSides(still, y), found = darkAtSides(shot, y);
        if (expected >= 0.9) ++barRows, wrongRows += found < 0.7;
        if (expected <= 0.1) ++bandRows, wrongRows += found > 0.3, bandBottom = y;
    }
    int stillBox[4], shotBox[4], litPixels = 0;
    chromeBox(still, stillBox), chromeBox(shot, shotBox);
    for (int y = stillBox[1] + 1; y < bandBottom; ++y)
        for (int x = 0; x < shot.width; ++x) litPixels += lit(shot.at(x, y));
    double litShare = litPixels / double(shot.width * std::max(1, bandBottom - stillBox[1] - 1));
    std::printf("%d bar rows and %d band rows in the still, %d of them otherwise in the screenshot; banner at rows "
                "%d-%d, columns %d-%d (still: %d-%d, %d-%d); %.1f %% of the band lit\n",
                barRows, bandRows, wrongRows, shotBox[0], shotBox[1], shotBox[2], shotBox[3], stillBox[0],
                stillBox[1], stillBox[2], stillBox[3], 100 * litShare);

    int slack = shot.height / 50;  // the lens breathes and the picture flickers
    bool bannerPlaced = true;
    for (int i = 0; i < 4; ++i) bannerPlaced = bannerPlaced && std::abs(shotBox[i] - stillBox[i]) <= slack;
    if (barRows < shot.height / 20 || bandRows < shot.height / 2) return std::printf("FAIL: no letterbox in the still\n"), 1;
    if (wrongRows > shot.height / 50) return std::printf("FAIL: the bars are not where the still has them\n"), 1;
    if (!bannerPlaced) return std::printf("FAIL: the banner is not where the still has it\n"), 1;
    if (litShare < 0.02) return std::printf("FAIL: no lit sponge in the band\n"), 1;
    return 0;
}

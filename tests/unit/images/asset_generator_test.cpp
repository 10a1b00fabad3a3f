// quorvel-asset-generator paints exactly the committed images from the art:
// fails when the art was changed without regenerating them, or when painting
// depends on anything but the art (time, memory contents, the machine).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "missing";
}

TEST(AssetGenerator, PaintsTheCommittedImagesByteForByte) {
    const char* source = std::getenv("QUORVEL_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    char pattern[] = "/tmp/quorvel-images-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string out = pattern;
    const std::string art = std::string(source) + "/resources/art";
    ASSERT_EQ(std::system(("'" ASSET_GENERATOR_PATH "' '" + art + "' '" + out + "'").c_str()), 0);
    for (const char* name : {"sheet.png", "banner.png"}) {
        EXPECT_TRUE(fileBytes(out + "/" + name) == fileBytes(std::string(source) + "/resources/images/" + name))
            << name << " differs: run quorvel-asset-generator resources/art resources/images";
    }
    std::system(("rm -rf '" + out + "'").c_str());
}

}  // namespace

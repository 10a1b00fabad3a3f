// quorvel-asset-generator: the committed images are exactly what the art
// gives, and art with a mistake is refused rather than painted half right.
#include "tests/unit/images/png_pixels.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

class AssetGenerator : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(sourceDir().empty()) << "QUORVEL_SOURCE_DIR is not set";
        char pattern[] = "/tmp/quorvel-images-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        work = pattern;
        artDir = work + "/art";
        outDir = work + "/out";
        ASSERT_EQ(run("mkdir -p '" + outDir + "' && cp -r '" + sourceDir() + "/resources/art' '" + artDir + "'"), 0);
    }

    void TearDown() override {
        if (!work.empty()) run("rm -rf '" + work + "'");
    }

    static int run(const std::string& command) {
        int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    int generate() { return run("'" ASSET_GENERATOR_PATH "' '" + artDir + "' '" + outDir + "' 2>/dev/null"); }

    std::string readArt(const std::string& file) {
        std::vector<unsigned char> bytes;
        EXPECT_TRUE(readBytes(artDir + "/" + file, &bytes)) << file;
        return std::string(bytes.begin(), bytes.end());
    }

    // Replaces the first occurrence of from in an art file.
    void editArt(const std::string& file, const std::string& from, const std::string& to) {
        std::string text = readArt(file);
        size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from << " not in " << file;
        text.replace(at, from.size(), to);
        ASSERT_TRUE(writeText(artDir + "/" + file, text));
    }

    bool written(const std::string& name) { return access((outDir + "/" + name).c_str(), F_OK) == 0; }

    std::string work, artDir, outDir;
};

TEST_F(AssetGenerator, CommittedImagesAreExactlyWhatTheArtGives) {
    // Fails when the art was changed without regenerating, or when painting
    // depends on anything but the art (time, memory contents, the machine).
    ASSERT_EQ(generate(), 0);
    for (const char* name : {"sheet.png", "banner.png"}) {
        std::vector<unsigned char> made, committed;
        ASSERT_TRUE(readBytes(outDir + "/" + name, &made)) << name << " not written";
        ASSERT_TRUE(readBytes(sourceDir() + "/resources/images/" + name, &committed));
        EXPECT_TRUE(made == committed) << name << " differs from the committed one: run "
                                       << "quorvel-asset-generator resources/art resources/images";
    }
}

TEST_F(AssetGenerator, FontWithoutAGlyphIsRefused) {
    std::string text = readArt("font.txt");
    size_t block = text.find("glyph 65 A\n");
    ASSERT_NE(block, std::string::npos);
    size_t end = block;
    for (int line = 0; line < 10; ++line) end = text.find('\n', end) + 1;  // the header and nine rows
    text.erase(block, end - block);
    ASSERT_TRUE(writeText(artDir + "/font.txt", text));
    EXPECT_NE(generate(), 0);
    EXPECT_FALSE(written("sheet.png"));
}

TEST_F(AssetGenerator, GlyphRowOfTheWrongWidthIsRefused) {
    editArt("font.txt", "glyph 66 B\n######...", "glyph 66 B\n######..");
    EXPECT_NE(generate(), 0);
    EXPECT_FALSE(written("sheet.png"));
}

TEST_F(AssetGenerator, StripWithAnUnknownColourIsRefused) {
    editArt("logo_strip.txt", "+###", "+#x#");
    EXPECT_NE(generate(), 0);
    EXPECT_FALSE(written("sheet.png"));
}

TEST_F(AssetGenerator, StripWithAMissingRowIsRefused) {
    std::string text = readArt("logo_strip.txt");
    text.erase(text.rfind('\n', text.size() - 2) + 1);  // the last row
    ASSERT_TRUE(writeText(artDir + "/logo_strip.txt", text));
    EXPECT_NE(generate(), 0);
    EXPECT_FALSE(written("sheet.png"));
}

TEST_F(AssetGenerator, BannerWithAnUnknownLineIsRefused) {
    editArt("banner.txt", "letter O", "leter O");
    EXPECT_NE(generate(), 0);
    EXPECT_FALSE(written("banner.png"));
}

TEST_F(AssetGenerator, BannerWithOutlinesOutOfOrderIsRefused) {
    // A narrow outline listed first would be painted over by the wide one.
    editArt("banner.txt", "outline 5", "outline 1");
    EXPECT_NE(generate(), 0);
    EXPECT_FALSE(written("banner.png"));
}

}  // namespace

// quorvel-asset-generator paints exactly the committed images from the art:
// fails when the art was changed without regenerating them, or when painting
// depends on anything but the art (time, memory contents, the machine).
#include "tests/support/tool_runs.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(AssetGenerator, PaintsTheCommittedImagesByteForByte) {
    const char* source = std::getenv("QUORVEL_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const ScratchFolder out;
    const std::string art = std::string(source) + "/resources/art";
    const ShellRun run = shell("'" ASSET_GENERATOR_PATH "' '" + art + "' '" + out.path + "'");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    for (const char* name : {"sheet.png", "banner.png"}) {
        const std::vector<unsigned char> painted = fileBytes(out / name);
        EXPECT_TRUE(!painted.empty() && painted == fileBytes(std::string(source) + "/resources/images/" + name))
            << name << " differs: run quorvel-asset-generator resources/art resources/images";
    }
}

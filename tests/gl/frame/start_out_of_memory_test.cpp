// startDemo when the heap cannot give one of its objects: it reports failure
// at once, before anything would be drawn with a null object.
#include "app/shell_state.h"
#include "demo/cube_logo.h"
#include "demo/demo.h"
#include "demo/demo_objects.h"
#include "demo/effect_programs.h"
#include "demo/scroll_text.h"
#include "gfx/render_target.h"
#include "gfx/textures.h"
#include "tests/gl/frame/frame_fixture.h"
#include "tests/gl/frame/refusing_heap.h"

namespace {

// Arms the heap once start-up has begun (its progress 0), so that the window
// and the entry points were had from a working heap.
struct Refusal {
    size_t byteCount;  // 0: refuse everything
};

void armAtProgressZero(void* context, int percent) {
    if (percent != 0) return;
    const Refusal* refusal = static_cast<const Refusal*>(context);
    if (refusal->byteCount == 0) {
        refuseEveryAllocation();
    } else {
        refuseNextAllocationOf(refusal->byteCount);
    }
}

class StartDemoOutOfMemory : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure()) return;
        resetFrameState();
        sceneTarget = nullptr;
        effectPrograms = nullptr;
        scrollText = nullptr;
        cubeLogo = nullptr;
        bannerTexture = 0;
        displayConfig = DisplayConfig{glWindow.width, glWindow.height, 0,
                                      static_cast<float>(static_cast<double>(glWindow.width) / glWindow.height)};
    }
    void TearDown() override {
        stopRefusing();
        GlTest::TearDown();
    }

    int startRefusing(size_t byteCount) {
        refusal.byteCount = byteCount;
        int result = startDemo(LoadProgress{&refusal, armAtProgressZero}, &displayConfig);
        refused = refusedAllocations();
        stopRefusing();
        return result;
    }

    Refusal refusal = {0};
    int refused = 0;
};

TEST_F(StartDemoOutOfMemory, FailsWhenNoRenderTargetCanBeHad) {
    EXPECT_EQ(startRefusing(0), 0);
    EXPECT_GT(refused, 0);
    EXPECT_EQ(sceneTarget, nullptr);
    EXPECT_EQ(effectPrograms, nullptr) << "nothing after the targets is built";
}

TEST_F(StartDemoOutOfMemory, FailsWithoutTheEffectProgramsRecord) {
    EXPECT_EQ(startRefusing(sizeof(EffectPrograms)), 0);
    EXPECT_EQ(refused, 1);
    EXPECT_NE(sceneTarget, nullptr);
    EXPECT_EQ(effectPrograms, nullptr);
    EXPECT_EQ(scrollText, nullptr) << "stops at the first missing object";
}

TEST_F(StartDemoOutOfMemory, FailsWithoutTheScrollText) {
    EXPECT_EQ(startRefusing(sizeof(ScrollText)), 0);
    EXPECT_EQ(refused, 1);
    EXPECT_NE(effectPrograms, nullptr);
    EXPECT_EQ(scrollText, nullptr);
    EXPECT_EQ(cubeLogo, nullptr);
}

TEST_F(StartDemoOutOfMemory, FailsWithoutTheCubeLogoRecord) {
    EXPECT_EQ(startRefusing(sizeof(CubeLogo)), 0);
    EXPECT_EQ(refused, 1);
    EXPECT_NE(scrollText, nullptr);
    EXPECT_EQ(cubeLogo, nullptr);
    EXPECT_EQ(bannerTexture, 0u);
}

}  // namespace

// The processor's part of the cube logo's build from the program's own sheet:
// the strip scan, the cube records, 24 vertices per cube in six arrays and the
// seven scatter draws per cube (the upload into buffers is not included).
#include "demo/logo/cube_layout.h"
#include "gfx/heap.h"
#include "gfx/textures.h"
#include "resources/resource_ids.h"

#include <benchmark/benchmark.h>

namespace {

void BM_BuildCubes(benchmark::State& state) {
    int32_t width = 0, height = 0;
    GLenum internalFormat = 0, format = 0;
    uint8_t* sheet = loadPngResource(SHEET_IMAGE, &width, &height, &internalFormat, &format);
    if (!sheet || width != SHEET_SIZE || height != SHEET_SIZE) {
        state.SkipWithError("the sheet image is missing or not 256 x 256");
        freeBlock(sheet);
        return;
    }
    CubeLogo logo{};
    for (auto _ : state) {
        if (!layOutCubes(&logo, sheet)) {
            state.SkipWithError("an allocation failed");
            break;
        }
        benchmark::DoNotOptimize(logo.crosses);
        state.PauseTiming();
        state.counters["cubes"] = logo.cubeCount;
        releaseCubeLayout(&logo);
        state.ResumeTiming();
    }
    freeBlock(sheet);
}
BENCHMARK(BM_BuildCubes)->Unit(benchmark::kMillisecond);

}  // namespace

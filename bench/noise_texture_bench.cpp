// The noise texture's pixels: 512 x 512 x 5 fractal sums of 8 octaves, about
// 10.5 million noise2 calls, all paid at start-up.
#include "gfx/textures.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void BM_NoiseTexture(benchmark::State& state) {
    std::vector<uint8_t> pixels(NOISE_TEXTURE_SIZE * NOISE_TEXTURE_SIZE * 4);
    for (auto _ : state) {
        computeNoisePixels(pixels.data());
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_NoiseTexture)->Unit(benchmark::kMillisecond);

}  // namespace

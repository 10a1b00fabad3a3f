// One frame of the cube logo into the 1109 x 693 scene target: lights, arrays,
// one draw of every cube and its lighting, waited for until the GPU is done.
// The clock runs through the logo's time at 60 frames a second, so the figure
// averages over the whole flight.
#include "bench/support/gl_bench_window.h"
#include "demo/logo/logo.h"
#include "demo/show_timeline.h"
#include "gfx/heap.h"
#include "gfx/render_target.h"

#include <benchmark/benchmark.h>

#include <GL/glu.h>

namespace {

const int WIDTH = 1109, HEIGHT = 693;
const int FRAMES_PER_SECOND = 60;
const int LOGO_FRAMES = static_cast<int>(LOGO_END * FRAMES_PER_SECOND);

CubeLogo* logoForBench() {
    static CubeLogo* logo = nullptr;
    if (logo) return logo;
    createRenderTargets(WIDTH, HEIGHT);
    glViewport(0, 0, WIDTH, HEIGHT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(30.0, static_cast<double>(WIDTH) / HEIGHT, 1.0, 10000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    CubeLogo* built = static_cast<CubeLogo*>(allocZeroed(sizeof(CubeLogo)));
    logo = built ? buildCubeLogo(built) : nullptr;
    return logo;
}

void BM_LogoFrame(benchmark::State& state) {
    if (!openGlBenchWindow(WIDTH, HEIGHT)) {
        state.SkipWithError("no display or no OpenGL context");
        return;
    }
    CubeLogo* logo = logoForBench();
    if (!logo || !sceneTarget) {
        state.SkipWithError("the cube logo could not be built");
        return;
    }
    bind(sceneTarget, true);
    int frame = 0;
    for (auto _ : state) {
        double t = (frame++ % LOGO_FRAMES) / static_cast<double>(FRAMES_PER_SECOND);
        drawCubeLogo(logo, t);
        finishGlWork();
    }
    bind(sceneTarget, false);
    state.counters["cubes"] = logo->cubeCount;
}
BENCHMARK(BM_LogoFrame)->Unit(benchmark::kMillisecond);

}  // namespace

// One sponge frame into the 1109 x 693 scene target as the demo looks for most
// of its run: t = 30 s, all four levels of holes, the full wobble, the twist at
// rest. Each frame is waited for until the GPU is done.
#include "bench/support/gl_bench_window.h"
#include "demo/effect_programs.h"
#include "demo/shell_state.h"
#include "demo/sponge/sponge.h"
#include "gfx/gl_entry_points.h"
#include "gfx/render_target.h"
#include "gfx/shader_program.h"
#include "resources/resource_ids.h"

#include <benchmark/benchmark.h>

namespace {

const int WIDTH = 1109, HEIGHT = 693;
const float SCENE_TIME = 30.0f;

// The "Fract" program, built once per run; 0 when it does not link.
GLuint fractProgram() {
    static EffectPrograms programs = {};
    if (!programs.fractProgram)
        buildShaderProgram(&programs.fractProgram, loadVertexShaderSource(SPONGE_VERTEX_SHADER),
                           loadFragmentShaderSource(SPONGE_FRAGMENT_SHADER), "Fract");
    GLint linked = 0;
    gl.glGetObjectParameterivARB(programs.fractProgram, GL_OBJECT_LINK_STATUS_ARB, &linked);
    effectPrograms = &programs;
    return linked ? programs.fractProgram : 0;
}

void BM_SpongeFrame(benchmark::State& state) {
    if (!openGlBenchWindow(WIDTH, HEIGHT)) {
        state.SkipWithError("no display or no OpenGL context");
        return;
    }
    if (!fractProgram()) {
        state.SkipWithError("the \"Fract\" program does not link");
        return;
    }
    if (!sceneTarget) createRenderTargets(WIDTH, HEIGHT);
    displayConfig.width = WIDTH;
    displayConfig.height = HEIGHT;
    SpongeCues cues = initialSpongeCues();
    cues.spongeIterations = 4;
    cues.boxIterations = 4;
    cues.displace1 = 0.4f;
    Random random = {};
    auto drawSponge = [&] {
        advanceSponge(&cues, &random, SCENE_TIME, FrameNotes());
        drawSpongeRays(cues, SCENE_TIME);
    };

    bind(sceneTarget, true);
    glViewport(0, 0, WIDTH, HEIGHT);
    // The driver may compile the program for real only at its first draw.
    drawSponge();
    finishGlWork();
    for (auto _ : state) {
        drawSponge();
        finishGlWork();
    }
    bind(sceneTarget, false);
}
BENCHMARK(BM_SpongeFrame)->Unit(benchmark::kMillisecond);

}  // namespace

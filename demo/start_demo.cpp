#include "demo/demo.h"
#include "demo/demo_objects.h"
#include "demo/effect_programs.h"
#include "demo/logo/logo.h"
#include "demo/scroll/scroll.h"
#include "demo/show_programs.h"
#include "gfx/heap.h"
#include "gfx/render_target.h"
#include "gfx/textures.h"

#include <GL/gl.h>
#include <GL/glu.h>

CubeLogo* cubeLogo = nullptr;
ScrollText* scrollText = nullptr;
GLuint fxProgram = 0;

namespace {

const double FIELD_OF_VIEW_DEGREES = 30.0;
const double NEAR_PLANE = 1.0;
const double FAR_PLANE = 10000.0;

void reportProgress(const LoadProgress& progress, int percent) {
    if (progress.report) progress.report(progress.context, percent);
}

template <typename Record>
Record* newRecord() {
    return static_cast<Record*>(allocZeroed(sizeof(Record)));
}

// Every object the frames draw with. Returns 0 as soon as one cannot be had:
// a frame would dereference it.
int buildDrawingObjects(const DisplayConfig& display) {
    createRenderTargets(display.width, display.height);
    if (!sceneTarget) return 0;

    EffectPrograms* programs = newRecord<EffectPrograms>();
    if (!programs) return 0;
    effectPrograms = buildEffectPrograms(programs);

    scrollText = newRecord<ScrollText>();
    if (!scrollText) return 0;

    CubeLogo* logo = newRecord<CubeLogo>();
    if (!logo) return 0;
    cubeLogo = buildCubeLogo(logo);
    if (!cubeLogo) return 0;

    return createBannerTexture();
}

void setFixedState(DisplayConfig* display) {
    if (display->height == 0) display->height = 1;
    glViewport(0, 0, display->width, display->height);

    glShadeModel(GL_SMOOTH);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(FIELD_OF_VIEW_DEGREES, display->aspect, NEAR_PLANE, FAR_PLANE);
}

}  // namespace

int startDemo(const LoadProgress& progress, DisplayConfig* display) {
    reportProgress(progress, 0);
    if (!buildDrawingObjects(*display)) return 0;
    setFixedState(display);
    reportProgress(progress, 50);
    reportProgress(progress, 100);

    buildShowProgram(FX_PROGRAM, &fxProgram);
    glMatrixMode(GL_MODELVIEW);
    return 1;
}

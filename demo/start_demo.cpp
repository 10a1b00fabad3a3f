#include "demo/demo.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

void reportProgress(const LoadProgress& progress, int percent) {
    if (progress.report) progress.report(progress.context, percent);
}

}  // namespace

int startDemo(const LoadProgress& progress, DisplayConfig* display) {
    reportProgress(progress, 0);

    if (display->height == 0) display->height = 1;
    glViewport(0, 0, display->width, display->height);

    glShadeModel(GL_SMOOTH);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(30.0, display->aspect, 1.0, 10000.0);

    reportProgress(progress, 50);
    reportProgress(progress, 100);

    glMatrixMode(GL_MODELVIEW);
    return 1;
}

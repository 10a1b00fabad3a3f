#include "demo/closing_fade.h"
#include "demo/demo.h"

#include <GL/gl.h>

namespace {

FadeValues fade = {1.0f, 1.0f, 0.0f};

}  // namespace

int drawFrame() {
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (quitRequested && stepClosingFade(&fade, demoTime - quitTime)) fadeFinished = true;
    return 0;
}

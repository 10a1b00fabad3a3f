#include "demo/show_programs.h"

#include "demo/demo_objects.h"
#include "demo/effect_programs.h"
#include "demo/logo/logo.h"
#include "gfx/shader_program.h"
#include "resources/resource_ids.h"

const ShowProgram showPrograms[SHOW_PROGRAM_COUNT] = {
    {"Fract", SPONGE_VERTEX_SHADER, SPONGE_FRAGMENT_SHADER},
    {"Plasma", SPONGE_VERTEX_SHADER, PLASMA_FRAGMENT_SHADER},
    {"Tunnel", 0, TUNNEL_FRAGMENT_SHADER},
    {"Mixer", 0, MIXER_FRAGMENT_SHADER},
    {"Logo", LOGO_VERTEX_SHADER, LOGO_FRAGMENT_SHADER},
    {"Rays", 0, RAYS_FRAGMENT_SHADER},
    {"Fx", OLD_SCREEN_VERTEX_SHADER, OLD_SCREEN_FRAGMENT_SHADER},
};

void buildShowProgram(ShowProgramIndex index, GLuint* program) {
    const ShowProgram& shown = showPrograms[index];
    // A source is loaded (and kept) only for a stage that has one.
    const char* vertexSource = shown.vertexShader ? loadVertexShaderSource(shown.vertexShader) : nullptr;
    const char* fragmentSource = shown.fragmentShader ? loadFragmentShaderSource(shown.fragmentShader) : nullptr;
    buildShaderProgram(program, vertexSource, fragmentSource, shown.label);
}

GLuint* showProgramSlot(ShowProgramIndex index) {
    switch (index) {
    case FRACT_PROGRAM: return effectPrograms ? &effectPrograms->fractProgram : nullptr;
    case PLASMA_PROGRAM: return effectPrograms ? &effectPrograms->plasmaProgram : nullptr;
    case TUNNEL_PROGRAM: return effectPrograms ? &effectPrograms->tunnelProgram : nullptr;
    case MIXER_PROGRAM: return effectPrograms ? &effectPrograms->mixerProgram : nullptr;
    case LOGO_PROGRAM: return cubeLogo ? &cubeLogo->logoProgram : nullptr;
    case RAYS_PROGRAM: return cubeLogo ? &cubeLogo->raysProgram : nullptr;
    case FX_PROGRAM: return &fxProgram;
    case SHOW_PROGRAM_COUNT: break;
    }
    return nullptr;
}

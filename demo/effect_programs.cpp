#include "demo/effect_programs.h"

#include "gfx/heap.h"
#include "gfx/random.h"
#include "gfx/shader_program.h"
#include "gfx/textures.h"
#include "resources/resource_ids.h"

EffectPrograms* effectPrograms = nullptr;

EffectPrograms* buildEffectPrograms(EffectPrograms* programs) {
    // Nothing draws from this generator, so one that cannot be had stays null.
    programs->random = static_cast<Random*>(allocZeroed(sizeof(Random)));
    if (programs->random) clear(programs->random);
    programs->noiseTexture = buildNoiseTexture();

    // Only "Fract" is ever drawn with; the other three cost start-up time and,
    // should one fail to build, its error boxes.
    buildShaderProgram(&programs->fractProgram, loadVertexShaderSource(SPONGE_VERTEX_SHADER),
                       loadFragmentShaderSource(SPONGE_FRAGMENT_SHADER), "Fract");
    buildShaderProgram(&programs->plasmaProgram, loadVertexShaderSource(SPONGE_VERTEX_SHADER),
                       loadFragmentShaderSource(PLASMA_FRAGMENT_SHADER), "Plasma");
    buildShaderProgram(&programs->tunnelProgram, nullptr, loadFragmentShaderSource(TUNNEL_FRAGMENT_SHADER), "Tunnel");
    buildShaderProgram(&programs->mixerProgram, nullptr, loadFragmentShaderSource(MIXER_FRAGMENT_SHADER), "Mixer");
    return programs;
}

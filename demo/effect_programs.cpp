#include "demo/effect_programs.h"

#include "demo/show_programs.h"
#include "gfx/heap.h"
#include "gfx/random.h"
#include "gfx/textures.h"

EffectPrograms* effectPrograms = nullptr;

EffectPrograms* buildEffectPrograms(EffectPrograms* programs) {
    // Nothing draws from this generator, so one that cannot be had stays null.
    programs->random = static_cast<Random*>(allocZeroed(sizeof(Random)));
    if (programs->random) clear(programs->random);
    programs->noiseTexture = buildNoiseTexture();

    // Only "Fract" is ever drawn with; the other three cost start-up time and,
    // should one fail to build, its error boxes.
    buildShowProgram(FRACT_PROGRAM, &programs->fractProgram);
    buildShowProgram(PLASMA_PROGRAM, &programs->plasmaProgram);
    buildShowProgram(TUNNEL_PROGRAM, &programs->tunnelProgram);
    buildShowProgram(MIXER_PROGRAM, &programs->mixerProgram);
    return programs;
}

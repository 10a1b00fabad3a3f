// Process exit.
#include "platform/platform.h"

#include <SDL.h>
#include <unistd.h>

void platformExitProcess(int exitCode) {
    // SDL_Quit closes the audio device (flushing what it was writing) and puts
    // back the display mode; _exit then ends every thread at once, the music
    // render thread included, without running static destructors under it.
    SDL_Quit();
    _exit(exitCode);
}

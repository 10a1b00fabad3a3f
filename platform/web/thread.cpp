// No threads in a page that any static host can serve (they need headers most
// hosts cannot send): a routine runs on the main thread instead, a few slices
// per task between animation frames (web_platform.js). At a fixed frame rate
// it runs to its end at once, as in quorvel-capture: the whole song is there
// before the next frame polls it, and the clock does not move meanwhile.
#include "platform/platform.h"
#include "platform/web/web_clock.h"

#include <emscripten/emscripten.h>

// clang-format off
// routine is a function pointer: an index into the program's function table.
EM_JS(void, quorvelStartBackground, (void* routine, void* argument), {
    QuorvelWeb.startBackground(routine, argument);
});
// clang-format on

int platformStartThread(int (*routine)(void*), void* argument) {
    if (webFixedFrameRate()) {
        while (routine(argument)) {
        }
    } else {
        quorvelStartBackground(reinterpret_cast<void*>(routine), argument);
    }
    return 1;
}

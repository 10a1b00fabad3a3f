// The capture's threads run to completion inside the call. The one thread the
// demo starts renders the song: done at once, the whole song is there before
// the next frame polls it, as in a real run whose render keeps ahead of the
// device, and the virtual clock does not move while it renders.
#include "platform/platform.h"

int platformStartThread(int (*routine)(void*), void* argument) {
    while (routine(argument)) {
    }
    return 1;
}

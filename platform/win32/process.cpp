// Process exit.
#include "platform/platform.h"

#include <windows.h>

void platformExitProcess(int exitCode) {
    // Ends every thread, the music render thread included; the wave device
    // stops with the process.
    ExitProcess(static_cast<UINT>(exitCode));
}

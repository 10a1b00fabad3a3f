// The high-resolution counter.
#include "platform/platform.h"

#include <SDL.h>

int64_t platformPerformanceCounter() { return static_cast<int64_t>(SDL_GetPerformanceCounter()); }

int64_t platformPerformanceFrequency() { return static_cast<int64_t>(SDL_GetPerformanceFrequency()); }

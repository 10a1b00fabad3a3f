// A thread that takes a share of a computation its starter waits for (the
// song render's second group of tracks): detached, never joined. The Windows
// program makes only the calls it names and the browser build has no threads,
// so they have none; there the starter does all of the work itself.
#pragma once

#if defined(_WIN32) || defined(__EMSCRIPTEN__)
#define PLATFORM_WORKER_THREADS 0
#else
#define PLATFORM_WORKER_THREADS 1

// Runs routine(argument) on a new thread. 1 for success; 0 if the system
// refuses a thread, and the routine does not run.
int startWorkerThread(void (*routine)(void*), void* argument);
#endif

// Threads at default priority; the handle is not kept, so nobody joins them.
#include "platform/platform.h"

#include <new>
#include <windows.h>

namespace {

struct ThreadStart {
    int (*routine)(void*);
    void* argument;
};

DWORD WINAPI threadMain(LPVOID start) {
    ThreadStart s = *static_cast<ThreadStart*>(start);
    delete static_cast<ThreadStart*>(start);
    while (s.routine(s.argument)) {
    }
    return 0;
}

}  // namespace

int platformStartThread(int (*routine)(void*), void* argument) {
    ThreadStart* start = new (std::nothrow) ThreadStart{routine, argument};
    if (!start) return 0;
    HANDLE thread = CreateThread(nullptr, 0, threadMain, start, 0, nullptr);
    if (!thread) {
        delete start;
        return 0;
    }
    CloseHandle(thread);
    return 1;
}

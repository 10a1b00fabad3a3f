// Detached threads at default priority.
#include "platform/common/worker_thread.h"
#include "platform/platform.h"

#include <new>

namespace {

struct ThreadStart {
    int (*routine)(void*);
    void* argument;
};

void runUntilDone(void* start) {
    const ThreadStart s = *static_cast<ThreadStart*>(start);
    delete static_cast<ThreadStart*>(start);
    while (s.routine(s.argument)) {
    }
}

}  // namespace

int platformStartThread(int (*routine)(void*), void* argument) {
    ThreadStart* start = new (std::nothrow) ThreadStart{routine, argument};
    if (!start) return 0;
    if (!startWorkerThread(runUntilDone, start)) {
        delete start;
        return 0;
    }
    return 1;
}

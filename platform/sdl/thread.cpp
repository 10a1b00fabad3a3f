// Detached threads at default priority.
#include "platform/platform.h"

#include <new>
#include <pthread.h>

namespace {

struct ThreadStart {
    int (*routine)(void*);
    void* argument;
};

void* threadMain(void* start) {
    ThreadStart s = *static_cast<ThreadStart*>(start);
    delete static_cast<ThreadStart*>(start);
    while (s.routine(s.argument)) {
    }
    return nullptr;
}

}  // namespace

int platformStartThread(int (*routine)(void*), void* argument) {
    ThreadStart* start = new (std::nothrow) ThreadStart{routine, argument};
    if (!start) return 0;
    pthread_t thread;
    if (pthread_create(&thread, nullptr, threadMain, start) != 0) {
        delete start;
        return 0;
    }
    pthread_detach(thread);
    return 1;
}

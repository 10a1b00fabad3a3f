#include "platform/common/worker_thread.h"

#include <new>
#include <pthread.h>

namespace {

struct WorkerStart {
    void (*routine)(void*);
    void* argument;
};

void* workerMain(void* start) {
    const WorkerStart s = *static_cast<WorkerStart*>(start);
    delete static_cast<WorkerStart*>(start);
    s.routine(s.argument);
    return nullptr;
}

}  // namespace

int startWorkerThread(void (*routine)(void*), void* argument) {
    WorkerStart* start = new (std::nothrow) WorkerStart{routine, argument};
    if (!start) return 0;
    pthread_t thread;
    if (pthread_create(&thread, nullptr, workerMain, start) != 0) {
        delete start;
        return 0;
    }
    pthread_detach(thread);
    return 1;
}

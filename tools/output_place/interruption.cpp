#include "tools/output_place/interruption.h"

#include <initializer_list>

volatile sig_atomic_t interruptedBySignal = 0;

namespace {

void noteInterruption(int) { interruptedBySignal = 1; }

}  // namespace

void catchInterruptions() {
    struct sigaction action = {};
    action.sa_handler = noteInterruption;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        // One ignored from the start stays so: nohup's SIGHUP, or the SIGINT
        // of a job in the background of a shell.
        struct sigaction before;
        if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
        sigaction(signal, &action, nullptr);
    }
}

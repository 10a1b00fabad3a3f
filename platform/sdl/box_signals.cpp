// Termination signals while a box is shown.
//
// SDL shows a box from a child process of its own and waits for it to end.
// A SIGTERM, or the SIGINT of Ctrl+C, would meanwhile only be queued as a quit
// event for a message loop that is not running yet, and if we were then
// killed the box's process would stay on screen with nobody to answer it. So
// while a box is up these signals end the program at once with exit code 0,
// as ending it at the question should, and the box's process dies with us.
#include "platform/sdl/sdl_window_state.h"

#include <pthread.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

volatile sig_atomic_t boxShown = 0;
pid_t boxOwner = 0;
struct sigaction previousTerminate, previousInterrupt;

void endAtOnce(int) { _exit(0); }

// Runs in the child that SDL forks for the box.
void dieWithTheBoxOwner() {
    if (!boxShown) return;
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != boxOwner) _exit(0);  // the owner was gone before the tie was made
}

}  // namespace

void sdlBeginBox() {
    static bool forkHookInstalled = false;
    if (!forkHookInstalled) forkHookInstalled = pthread_atfork(nullptr, nullptr, dieWithTheBoxOwner) == 0;
    boxOwner = getpid();
    struct sigaction action = {};
    action.sa_handler = endAtOnce;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, &previousTerminate);
    sigaction(SIGINT, &action, &previousInterrupt);
    boxShown = 1;
}

void sdlEndBox() {
    boxShown = 0;
    sigaction(SIGTERM, &previousTerminate, nullptr);
    sigaction(SIGINT, &previousInterrupt, nullptr);
}

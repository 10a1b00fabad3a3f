// The end of the program in a page: the sound stops, the canvas and the
// listeners go, and the page takes over again (it asks the question anew). The
// call then never returns: what is left of the program waits for nothing and
// goes when the page lets go of it.
#include "platform/platform.h"

#include <emscripten/emscripten.h>

// clang-format off
EM_JS(void, quorvelEnd, (int exitCode), { QuorvelWeb.end(exitCode); });
EM_ASYNC_JS(void, quorvelStayEnded, (), { await new Promise(function() {}); });
// clang-format on

void platformExitProcess(int exitCode) {
    quorvelEnd(exitCode);
    for (;;) quorvelStayEnded();
}

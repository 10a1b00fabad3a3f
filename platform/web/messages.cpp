// The message queue: what the page's listeners saw (Escape, leaving full
// screen; see web_platform.js), then the quit message once nothing else waits.
#include "platform/platform.h"
#include "platform/web/web_window.h"

#include <emscripten/emscripten.h>

// clang-format off
// The next message as type * 65536 + wParam, or -1.
EM_JS(int, quorvelNextMessage, (), {
    var message = QuorvelWeb.messages.shift();
    return message ? message[0] * 65536 + message[1] : -1;
});
// clang-format on

namespace {

bool quitPosted = false;

}  // namespace

int platformPeekMessage(PlatformMessage* message) {
    const int next = quorvelNextMessage();
    if (next >= 0) {
        *message = PlatformMessage{webWindow(), next >> 16, static_cast<uintptr_t>(next & 0xFFFF)};
        return 1;
    }
    if (!quitPosted) return 0;
    quitPosted = false;
    *message = PlatformMessage{nullptr, MSG_QUIT, 0};
    return 1;
}

intptr_t platformDispatchMessage(const PlatformMessage& message) {
    return message.window ? webWindowProc()(message.window, message) : 0;
}

intptr_t platformDefaultWindowProc(PlatformWindow*, const PlatformMessage&) { return 0; }

void platformPostQuitMessage(int) { quitPosted = true; }

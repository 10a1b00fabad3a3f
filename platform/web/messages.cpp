// The message queue: what the page's listeners saw (Escape, leaving full
// screen; see web_platform.js), then the quit message once nothing else waits.
#include "platform/platform.h"
#include "platform/web/web_window.h"

#include <emscripten/emscripten.h>

namespace {

// What the page's listeners hand over, as quorvelNextEvent numbers it.
enum PageEvent { NO_EVENT, ESCAPE_PRESSED, LEFT_FULLSCREEN };

bool quitPosted = false;

}  // namespace

// clang-format off
EM_JS(int, quorvelNextEvent, (), {
    var events = {'escape': 1, 'left full screen': 2};
    var event = QuorvelWeb.messages.shift();
    return event ? events[event] : 0;
});
// clang-format on

int platformPeekMessage(PlatformMessage* message) {
    switch (quorvelNextEvent()) {
        case ESCAPE_PRESSED: *message = PlatformMessage{webWindow(), MSG_KEYDOWN, KEY_ESCAPE}; return 1;
        case LEFT_FULLSCREEN: *message = PlatformMessage{webWindow(), MSG_CLOSE, 0}; return 1;
        default: break;
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

// The events: what the page's listeners saw (Escape, leaving full screen; see
// web_platform.js), then the quit request once nothing else waits.
#include "platform/platform.h"

#include <emscripten/emscripten.h>

namespace {

// What the page's listeners hand over, as quorvelNextEvent numbers it.
enum PageEvent { NO_EVENT, ESCAPE_PRESSED, LEFT_FULLSCREEN };

bool quitRequested = false;

}  // namespace

// clang-format off
EM_JS(int, quorvelNextEvent, (), {
    var events = {'escape': 1, 'left full screen': 2};
    var event = QuorvelWeb.events.shift();
    return event ? events[event] : 0;
});
// clang-format on

int platformPollEvent(PlatformEvent* event) {
    switch (quorvelNextEvent()) {
        case ESCAPE_PRESSED: *event = PlatformEvent{EVENT_KEY_DOWN, KEY_ESCAPE, 0}; return 1;
        case LEFT_FULLSCREEN: *event = PlatformEvent{EVENT_CLOSE, KEY_OTHER, 0}; return 1;
        default: break;
    }
    if (!quitRequested) return 0;
    quitRequested = false;
    *event = PlatformEvent{EVENT_QUIT, KEY_OTHER, 0};
    return 1;
}

void platformRequestQuit() { quitRequested = true; }

// SDL's events in the program's terms.
#include "platform/platform.h"

#include <SDL.h>

namespace {

bool quitRequested = false;

PlatformKey keyOf(SDL_Keycode code) {
    switch (code) {
        case SDLK_ESCAPE: return KEY_ESCAPE;
        case SDLK_RETURN: return KEY_RETURN;
        case SDLK_SPACE: return KEY_SPACE;
        case SDLK_LEFT: return KEY_LEFT;
        case SDLK_RIGHT: return KEY_RIGHT;
        case SDLK_HOME: return KEY_HOME;
        case SDLK_COMMA: return KEY_COMMA;
        case SDLK_PERIOD: return KEY_PERIOD;
        case SDLK_LEFTBRACKET: return KEY_LEFT_BRACKET;
        case SDLK_RIGHTBRACKET: return KEY_RIGHT_BRACKET;
        case SDLK_h: return KEY_H;
        case SDLK_l: return KEY_L;
        case SDLK_s: return KEY_S;
        default: return KEY_OTHER;
    }
}

// 1 when the SDL event means something to the program.
int translateEvent(const SDL_Event& sdlEvent, PlatformEvent* event) {
    *event = PlatformEvent{EVENT_CLOSE, KEY_OTHER, 0};
    switch (sdlEvent.type) {
        case SDL_QUIT:  // a termination request from outside (a signal)
            return 1;
        case SDL_WINDOWEVENT:
            switch (sdlEvent.window.event) {
                case SDL_WINDOWEVENT_CLOSE: return 1;
                case SDL_WINDOWEVENT_FOCUS_GAINED: event->kind = EVENT_FOCUS_GAINED; return 1;
                case SDL_WINDOWEVENT_FOCUS_LOST: event->kind = EVENT_FOCUS_LOST; return 1;
                default: return 0;
            }
        case SDL_KEYDOWN: {
            const SDL_Keysym& key = sdlEvent.key.keysym;
            // Without a window manager nobody turns Alt+F4 into a close; do it here.
            if (key.sym == SDLK_F4 && (key.mod & KMOD_ALT)) return 1;
            *event = PlatformEvent{EVENT_KEY_DOWN, keyOf(key.sym), (key.mod & KMOD_SHIFT) ? 1 : 0};
            return 1;
        }
        default:
            return 0;
    }
}

}  // namespace

int platformPollEvent(PlatformEvent* event) {
    SDL_Event sdlEvent;
    while (SDL_PollEvent(&sdlEvent)) {
        if (translateEvent(sdlEvent, event)) return 1;
    }
    if (!quitRequested) return 0;
    quitRequested = false;
    *event = PlatformEvent{EVENT_QUIT, KEY_OTHER, 0};
    return 1;
}

void platformRequestQuit() { quitRequested = true; }

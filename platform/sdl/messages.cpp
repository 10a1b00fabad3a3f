// SDL's events as window messages.
#include "platform/sdl/sdl_window_state.h"

namespace {

bool quitPosted = false;

PlatformMessage translateEvent(const SDL_Event& event) {
    PlatformMessage message{sdlMainWindow, MSG_OTHER, 0};
    switch (event.type) {
        case SDL_QUIT:  // a termination request from outside (a signal)
            message.type = MSG_CLOSE;
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) message.type = MSG_CLOSE;
            break;
        case SDL_KEYDOWN: {
            const SDL_Keysym& key = event.key.keysym;
            if (key.sym == SDLK_F4 && (key.mod & KMOD_ALT)) {
                // Without a window manager nobody turns Alt+F4 into a close; do it here.
                message.type = MSG_SYSCOMMAND;
                message.wParam = SYSCOMMAND_CLOSE;
            } else {
                message.type = MSG_KEYDOWN;
                message.wParam = key.sym == SDLK_ESCAPE ? KEY_ESCAPE : 0;
            }
            break;
        }
        default:
            break;
    }
    return message;
}

}  // namespace

int platformPeekMessage(PlatformMessage* message) {
    SDL_Event event;
    if (SDL_PollEvent(&event)) {
        *message = translateEvent(event);
        return 1;
    }
    if (quitPosted) {
        quitPosted = false;
        *message = PlatformMessage{nullptr, MSG_QUIT, 0};
        return 1;
    }
    return 0;
}

intptr_t platformDispatchMessage(const PlatformMessage& message) {
    if (!message.window || !sdlInstance) return 0;
    return sdlInstance->windowProc(message.window, message);
}

intptr_t platformDefaultWindowProc(PlatformWindow* window, const PlatformMessage& message) {
    // The one default that matters: the close command becomes a close request,
    // sent straight to the window procedure.
    if (message.type == MSG_SYSCOMMAND && message.wParam == SYSCOMMAND_CLOSE && sdlInstance) {
        return sdlInstance->windowProc(window, PlatformMessage{window, MSG_CLOSE, 0});
    }
    return 0;
}

void platformPostQuitMessage(int) { quitPosted = true; }

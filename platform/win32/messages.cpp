// Window messages: PeekMessageA and DispatchMessageA in the main loop, and the
// class's window procedure, which hands each message to the program's.
#include "platform/win32/win32_state.h"

namespace {

// The message last taken from the queue, dispatched as it came.
MSG peeked;

// The message the window procedure is handling now, for the default
// procedure: the program sees only its kind and wParam. Messages nest (the
// default procedure sends some), so each call keeps the one it interrupted.
struct RawMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
const RawMessage* handling = nullptr;

int messageType(UINT message) {
    switch (message) {
        case WM_CLOSE:
            return MSG_CLOSE;
        case WM_KEYDOWN:
            return MSG_KEYDOWN;
        case WM_SYSCOMMAND:
            return MSG_SYSCOMMAND;
        case WM_QUIT:
            return MSG_QUIT;
        default:
            return MSG_OTHER;
    }
}

}  // namespace

LRESULT CALLBACK win32WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!win32Instance) return DefWindowProcA(window, message, wParam, lParam);
    const RawMessage raw = {window, message, wParam, lParam};
    const RawMessage* interrupted = handling;
    handling = &raw;
    PlatformMessage translated = {fromHwnd(window), messageType(message), static_cast<uintptr_t>(wParam)};
    LRESULT result = win32Instance->windowProc(translated.window, translated);
    handling = interrupted;
    return result;
}

int platformPeekMessage(PlatformMessage* message) {
    if (!PeekMessageA(&peeked, nullptr, 0, 0, PM_REMOVE)) return 0;
    *message = PlatformMessage{fromHwnd(peeked.hwnd), messageType(peeked.message), static_cast<uintptr_t>(peeked.wParam)};
    return 1;
}

intptr_t platformDispatchMessage(const PlatformMessage&) {
    // No TranslateMessage: the window procedure wants key-downs only.
    return DispatchMessageA(&peeked);
}

intptr_t platformDefaultWindowProc(PlatformWindow* window, const PlatformMessage& message) {
    if (handling && fromHwnd(handling->window) == window)
        return DefWindowProcA(handling->window, handling->message, handling->wParam, handling->lParam);
    return DefWindowProcA(toHwnd(window), static_cast<UINT>(message.type), message.wParam, 0);
}

void platformPostQuitMessage(int exitCode) { PostQuitMessage(exitCode); }

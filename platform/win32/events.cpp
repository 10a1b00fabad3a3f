// Window messages: PeekMessageA and DispatchMessageA when the program polls,
// and the class's window procedure, which turns the messages the program
// cares about into its events and gives the rest to DefWindowProcA.
#include "platform/win32/win32_state.h"

#include <deque>

namespace {

// What the window procedure has made of the messages dispatched so far.
std::deque<PlatformEvent> pending;

// Win32 tells Shift only by its own key messages: followed here, so that no
// other call asks the system for it.
int shiftHeld = 0;

PlatformKey keyOf(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_ESCAPE: return KEY_ESCAPE;
        case VK_RETURN: return KEY_RETURN;
        case VK_SPACE: return KEY_SPACE;
        case VK_LEFT: return KEY_LEFT;
        case VK_RIGHT: return KEY_RIGHT;
        case VK_HOME: return KEY_HOME;
        case VK_OEM_COMMA: return KEY_COMMA;
        case VK_OEM_PERIOD: return KEY_PERIOD;
        case VK_OEM_4: return KEY_LEFT_BRACKET;
        case VK_OEM_6: return KEY_RIGHT_BRACKET;
        case 'H': return KEY_H;
        case 'L': return KEY_L;
        case 'S': return KEY_S;
        default: return KEY_OTHER;
    }
}

void post(PlatformEventKind kind, PlatformKey key = KEY_OTHER) { pending.push_back(PlatformEvent{kind, key, shiftHeld}); }

}  // namespace

LRESULT CALLBACK win32WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (win32Instance) {
        switch (message) {
            case WM_SYSCOMMAND:
                // The screen saver and monitor power-saving are refused while the show runs.
                if (wParam == SC_SCREENSAVE || wParam == SC_MONITORPOWER) return 0;
                break;
            case WM_CLOSE:
                // The window stays: the closing fade still has to play in it.
                post(EVENT_CLOSE);
                return 0;
            case WM_KEYDOWN:
                if (wParam == VK_SHIFT) shiftHeld = 1;
                post(EVENT_KEY_DOWN, keyOf(wParam));
                // Escape is the program's alone; other keys go on to the default procedure.
                if (wParam == VK_ESCAPE) return 0;
                break;
            case WM_KEYUP:
                if (wParam == VK_SHIFT) shiftHeld = 0;
                break;
            case WM_SETFOCUS:
                post(EVENT_FOCUS_GAINED);
                break;
            case WM_KILLFOCUS:
                shiftHeld = 0;  // its key-up goes to whoever has the keyboard now
                post(EVENT_FOCUS_LOST);
                break;
            default:
                break;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int platformPollEvent(PlatformEvent* event) {
    // A message sent to the window is handled inside PeekMessageA, which may
    // then find nothing posted: what it made is taken all the same.
    while (pending.empty()) {
        MSG message;
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) break;
        // No TranslateMessage: the window procedure wants key-downs only. The
        // quit message is dispatched too (it reaches no window).
        DispatchMessageA(&message);
        if (message.message == WM_QUIT) {
            *event = PlatformEvent{EVENT_QUIT, KEY_OTHER, 0};
            return 1;
        }
    }
    if (pending.empty()) return 0;
    *event = pending.front();
    pending.pop_front();
    return 1;
}

void platformRequestQuit() { PostQuitMessage(0); }

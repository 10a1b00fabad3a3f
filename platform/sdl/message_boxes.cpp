// Message boxes through SDL. Without a display the text goes to standard error
// and a question is answered No.
#include "platform/sdl/sdl_window_state.h"

#include <cstdio>

namespace {

// Windows shows this caption on a box that was given none.
const char* const DEFAULT_CAPTION = "Error";

void writeToStandardError(const char* text) {
    std::fprintf(stderr, "%s\n", text);
    std::fflush(stderr);
}

void showPlainBox(Uint32 kind, const char* text) {
    sdlBeginBox();
    const int shown = SDL_ShowSimpleMessageBox(kind, DEFAULT_CAPTION, text, nullptr) == 0;
    sdlEndBox();
    if (!shown) writeToStandardError(text);
}

}  // namespace

int platformAskYesNo(const char* text, const char* caption) {
    const int YES = 1, NO = 0;
    // The question opens the connection the window will use, so that nothing
    // closes it between the answer and the window.
    if (!sdlConnectDisplay()) {
        writeToStandardError(text);
        return NO;
    }
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, YES, "Yes"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, NO, "No"},
    };
    SDL_MessageBoxData box = {};
    box.flags = SDL_MESSAGEBOX_INFORMATION;
    box.title = caption;
    box.message = text;
    box.numbuttons = 2;
    box.buttons = buttons;
    int answer = NO;
    sdlBeginBox();
    const int shown = SDL_ShowMessageBox(&box, &answer) == 0;
    sdlEndBox();
    if (!shown) {
        writeToStandardError(text);
        return 0;
    }
    return answer == YES ? 1 : 0;
}

void platformShowWarningBox(const char* text) { showPlainBox(SDL_MESSAGEBOX_WARNING, text); }

void platformShowErrorBox(const char* text) { showPlainBox(SDL_MESSAGEBOX_ERROR, text); }

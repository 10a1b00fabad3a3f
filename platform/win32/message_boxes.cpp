// Message boxes: no owner window; a null caption gives the system's default.
#include "platform/platform.h"

#include <windows.h>

int platformAskYesNo(const char* text, const char* caption) {
    return MessageBoxA(nullptr, text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES ? 1 : 0;
}

void platformShowWarningBox(const char* text) { MessageBoxA(nullptr, text, nullptr, MB_ICONWARNING); }

void platformShowErrorBox(const char* text) { MessageBoxA(nullptr, text, nullptr, MB_ICONERROR); }

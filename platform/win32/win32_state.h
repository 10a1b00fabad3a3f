// What the Win32 backend's window and event code share.
#pragma once

#include "platform/platform.h"

#include <windows.h>

// The registered class, whose window procedure is win32WindowProc.
struct PlatformInstance {
    HINSTANCE module;
    const char* className;
};

extern PlatformInstance* win32Instance;

LRESULT CALLBACK win32WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Platform handles are the Win32 handles themselves.
inline HWND toHwnd(PlatformWindow* window) { return reinterpret_cast<HWND>(window); }
inline PlatformWindow* fromHwnd(HWND window) { return reinterpret_cast<PlatformWindow*>(window); }
inline HDC toHdc(PlatformSurface* surface) { return reinterpret_cast<HDC>(surface); }

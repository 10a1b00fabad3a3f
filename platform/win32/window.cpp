// Screen, display mode, window, pixel format and WGL context.
#include "platform/common/window_placement.h"
#include "platform/win32/win32_state.h"

PlatformInstance* win32Instance = nullptr;

namespace {

PlatformInstance instance;

// Full screen: a borderless pop-up over the whole display. Windowed: a title
// bar and system menu, no sizing border, no minimise or maximise box.
const DWORD FULLSCREEN_STYLE = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
const DWORD WINDOWED_STYLE = WS_CAPTION | WS_SYSMENU | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

// Only size and depth are set: the system keeps its own refresh rate.
DEVMODEA displayMode;

}  // namespace

// ---------------------------------------------------------------------------
// Window system and screen
// ---------------------------------------------------------------------------

PlatformInstance* platformStartWindowSystem(const char* className) {
    instance.module = GetModuleHandleA(nullptr);
    instance.className = className;
    WNDCLASSA windowClass = {};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = win32WindowProc;
    windowClass.hInstance = instance.module;
    windowClass.lpszClassName = className;
    if (!RegisterClassA(&windowClass)) return nullptr;
    win32Instance = &instance;
    return win32Instance;
}

void platformStopWindowSystem(PlatformInstance* stopping) {
    // Always, also when the class was never registered.
    UnregisterClassA(instance.className, GetModuleHandleA(nullptr));
    if (stopping) win32Instance = nullptr;
}

void platformPrimaryScreenSize(int* width, int* height) {
    *width = GetSystemMetrics(SM_CXSCREEN);
    *height = GetSystemMetrics(SM_CYSCREEN);
}

int platformChangeDisplayMode(int width, int height, int bitsPerPixel) {
    displayMode.dmSize = sizeof displayMode;
    displayMode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    displayMode.dmBitsPerPel = static_cast<DWORD>(bitsPerPixel);
    displayMode.dmPelsWidth = static_cast<DWORD>(width);
    displayMode.dmPelsHeight = static_cast<DWORD>(height);
    return ChangeDisplaySettingsA(&displayMode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL ? 1 : 0;
}

void platformRestoreDisplayMode() {
    // Back to the mode stored in the registry.
    ChangeDisplaySettingsA(nullptr, 0);
}

void platformShowCursor(int visible) { ShowCursor(visible ? TRUE : FALSE); }

// ---------------------------------------------------------------------------
// Window and pixel format
// ---------------------------------------------------------------------------

PlatformWindow* platformCreateWindow(const PlatformWindowRequest& request) {
    if (!win32Instance) return nullptr;
    DWORD style = request.fullscreen ? FULLSCREEN_STYLE : WINDOWED_STYLE;
    DWORD extendedStyle = WS_EX_APPWINDOW;
    if (request.topmost) extendedStyle |= WS_EX_TOPMOST;
    if (request.hidden) style &= ~static_cast<DWORD>(WS_VISIBLE);
    // The frame grows around the client area, which keeps the asked size; the
    // extended style takes no part in that.
    RECT outer = {0, 0, request.width, request.height};
    AdjustWindowRect(&outer, style, FALSE);
    int x = request.x, y = request.y;
    if (request.centred) {
        x = centredCorner(GetSystemMetrics(SM_CXSCREEN), outer.right - outer.left);
        y = centredCorner(GetSystemMetrics(SM_CYSCREEN), outer.bottom - outer.top);
    }
    // Visible from creation on: no separate show or update call.
    HWND window = CreateWindowExA(extendedStyle, win32Instance->className, request.title, style, x, y,
                                  outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                                  win32Instance->module, nullptr);
    return fromHwnd(window);
}

void platformDestroyWindow(PlatformWindow* window) {
    if (window) DestroyWindow(toHwnd(window));
}

PlatformSurface* platformGetSurface(PlatformWindow* window) {
    return window ? reinterpret_cast<PlatformSurface*>(GetDC(toHwnd(window))) : nullptr;
}

void platformReleaseSurface(PlatformWindow* window, PlatformSurface* surface) {
    ReleaseDC(toHwnd(window), toHdc(surface));
}

int platformCheckPixelFormat(PlatformSurface* surface, const PixelFormatRequest& request, PixelFormatInfo* info) {
    HDC deviceContext = toHdc(surface);
    PIXELFORMATDESCRIPTOR wanted = {};
    wanted.nSize = sizeof wanted;
    wanted.nVersion = 1;
    wanted.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | (request.doubleBuffer ? PFD_DOUBLEBUFFER : 0);
    wanted.iPixelType = PFD_TYPE_RGBA;
    wanted.cColorBits = static_cast<BYTE>(request.colorBits);
    wanted.cDepthBits = static_cast<BYTE>(request.depthBits);
    int format = ChoosePixelFormat(deviceContext, &wanted);
    if (format == 0) return 0;
    if (!SetPixelFormat(deviceContext, format, &wanted)) return 0;

    PIXELFORMATDESCRIPTOR chosen = {};
    DescribePixelFormat(deviceContext, format, sizeof chosen, &chosen);
    info->colorBits = chosen.cColorBits;
    info->depthBits = chosen.cDepthBits;
    info->doubleBuffer = (chosen.dwFlags & PFD_DOUBLEBUFFER) ? 1 : 0;
    return 1;
}

void platformClientSize(PlatformWindow* window, int* width, int* height) {
    RECT client = {};
    GetClientRect(toHwnd(window), &client);
    *width = client.right - client.left;
    *height = client.bottom - client.top;
}

void platformBringToFront(PlatformWindow* window) {
    SetForegroundWindow(toHwnd(window));
    SetFocus(toHwnd(window));
}

// ---------------------------------------------------------------------------
// OpenGL context
// ---------------------------------------------------------------------------

PlatformGlContext* platformCreateGlContext(PlatformSurface* surface) {
    return reinterpret_cast<PlatformGlContext*>(wglCreateContext(toHdc(surface)));
}

int platformMakeCurrent(PlatformSurface* surface, PlatformGlContext* context) {
    return wglMakeCurrent(toHdc(surface), reinterpret_cast<HGLRC>(context)) ? 1 : 0;
}

void platformDeleteGlContext(PlatformGlContext* context) { wglDeleteContext(reinterpret_cast<HGLRC>(context)); }

void platformSwapBuffers(PlatformSurface* surface) { SwapBuffers(toHdc(surface)); }

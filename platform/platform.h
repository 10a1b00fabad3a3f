// The platform layer: everything Quorvel needs from the operating system.
//
// Free functions over plain records. A backend is a set of .cpp files picked at
// link time: sdl/ for the real demo, win32/ for the Windows build (quorvel.exe),
// capture/ (virtual clock and wave device) for quorvel-capture, and a scripted
// fake in tests/fake_platform for the unit tests.
// Nothing above this header knows which one it runs on.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

// ---------------------------------------------------------------------------
// Message boxes
// ---------------------------------------------------------------------------
// Where no box can be shown (no display), the text goes to standard error and a
// question is answered No.

// The start-up question: buttons Yes and No, Return answers Yes, Escape answers No.
// Returns 1 for Yes, 0 for anything else.
int platformAskYesNo(const char* text, const char* caption);

// A warning box with the system's default caption.
void platformShowWarningBox(const char* text);

// An error box with the system's default caption; waits for the user.
void platformShowErrorBox(const char* text);

// ---------------------------------------------------------------------------
// Screen, display mode, window, OpenGL context
// ---------------------------------------------------------------------------

struct PlatformInstance;   // the window system, up between start and stop
struct PlatformWindow;     // one top-level window with a GL-capable pixel format
struct PlatformSurface;    // what GL draws on (the window's device context)
struct PlatformGlContext;  // one OpenGL rendering context

// The primary screen's size in pixels (0 x 0 when there is no screen).
void platformPrimaryScreenSize(int* width, int* height);

// Brings the window system up; what it tells the program comes out of
// platformPollEvent.
PlatformInstance* platformStartWindowSystem(const char* className);
void platformStopWindowSystem(PlatformInstance* instance);

// Switches the display to width x height at the given depth. Returns 1 on success.
int platformChangeDisplayMode(int width, int height, int bitsPerPixel);
// Returns the display to the mode the user had before.
void platformRestoreDisplayMode();

void platformShowCursor(int visible);

struct PixelFormatRequest {
    int colorBits;     // RGBA
    int depthBits;     // asked for; the nearest the driver offers is taken
    int doubleBuffer;  // 1 = double-buffered
};

struct PlatformWindowRequest {
    const char* title;
    int x, y;           // the window's outer corner on the desktop; may be negative
    int centred;        // 1 = centred on the primary screen, its frame included (x, y unused)
    int width, height;  // the client area's size; the window's frame comes around it
    int fullscreen;     // 1 = borderless, covering the screen in the current mode
    int topmost;        // 1 = kept above other windows
    int hidden;         // 1 = never shown (off-screen drawing)
    PixelFormatRequest pixelFormat;
};

// Creates the window, visible unless hidden, not resizable, with a pixel format
// chosen from the request. Null on failure.
PlatformWindow* platformCreateWindow(const PlatformWindowRequest& request);
void platformDestroyWindow(PlatformWindow* window);

// The window's drawing surface; null on failure.
PlatformSurface* platformGetSurface(PlatformWindow* window);
void platformReleaseSurface(PlatformWindow* window, PlatformSurface* surface);

// What the surface's pixel format actually gives.
struct PixelFormatInfo {
    int colorBits;
    int depthBits;
    int doubleBuffer;
};
// Returns 1 when the surface has a pixel format that meets the request's kind
// (RGBA, double-buffered when asked, some depth buffer); info receives its sizes.
int platformCheckPixelFormat(PlatformSurface* surface, const PixelFormatRequest& request,
                             PixelFormatInfo* info);

// A compatibility-profile context for the surface. Null on failure.
PlatformGlContext* platformCreateGlContext(PlatformSurface* surface);
// Makes the context current on the calling thread; null/null makes none current.
int platformMakeCurrent(PlatformSurface* surface, PlatformGlContext* context);
void platformDeleteGlContext(PlatformGlContext* context);
void platformSwapBuffers(PlatformSurface* surface);

// Raises the window and gives it the keyboard.
void platformBringToFront(PlatformWindow* window);

// The client area's size in pixels.
void platformClientSize(PlatformWindow* window, int* width, int* height);

// The address of an OpenGL entry point of the current context, or null when the
// context does not provide it (decided from its version and extensions, not
// from whether a stub can be had).
void* platformGetGlProcAddress(const char* name);

// ---------------------------------------------------------------------------
// Events
// ---------------------------------------------------------------------------
// What the window system tells the program, in the program's terms: each
// backend translates from its own system and keeps its system's own duties
// (what the program never asks about) to itself.

enum PlatformEventKind {
    EVENT_QUIT,          // the program's quit request (platformRequestQuit) come back out
    EVENT_CLOSE,         // the close button, Alt+F4, a termination request, a browser leaving full screen
    EVENT_KEY_DOWN,      // a key pressed, or repeating while held
    EVENT_FOCUS_GAINED,  // the window has the keyboard
    EVENT_FOCUS_LOST,
};

// The keys the program gives a meaning to; every other key is KEY_OTHER.
enum PlatformKey {
    KEY_OTHER,
    KEY_ESCAPE,
    KEY_RETURN,
    KEY_SPACE,
    KEY_LEFT,
    KEY_RIGHT,
    KEY_HOME,
    KEY_COMMA,
    KEY_PERIOD,
    KEY_LEFT_BRACKET,
    KEY_RIGHT_BRACKET,
    KEY_H,
    KEY_L,
    KEY_S,
};

struct PlatformEvent {
    PlatformEventKind kind;
    PlatformKey key;  // EVENT_KEY_DOWN: which key
    int shift;        // EVENT_KEY_DOWN: 1 while a Shift key is held
};

// Takes the next event; 0 when none waits. EVENT_QUIT comes out once nothing
// else waits.
int platformPollEvent(PlatformEvent* event);
// Asks for EVENT_QUIT; it comes back once, however often it was asked for
// before it came.
void platformRequestQuit();

// ---------------------------------------------------------------------------
// Clock
// ---------------------------------------------------------------------------

int64_t platformPerformanceCounter();
int64_t platformPerformanceFrequency();

// ---------------------------------------------------------------------------
// Wave output: one caller-owned float buffer, played once
// ---------------------------------------------------------------------------
// Samples are 32-bit float stereo at 44.1 kHz, interleaved left first. The buffer
// is read while another thread is still writing it, hence atomic samples; the
// writer counts the frames it has finished in framesWritten (stored with
// release ordering). The SDL and browser devices play only finished frames:
// while the frames they need are not there they play silence and the position
// waits, so a slow render delays the song and costs none of it. winmm reads the
// caller's block as it plays and cannot wait: there the render must keep ahead.

// Opens the default output device. Returns 1 on success; on failure nothing
// plays and the position stays 0.
int platformOpenWaveOutput();
// Starts playing frameCount stereo frames from the buffer's start, at once.
void platformPlayWaveBuffer(const std::atomic<float>* samples, uint32_t frameCount,
                            const std::atomic<int32_t>* framesWritten);
// Sample frames the device has consumed since playback began.
uint32_t platformWavePosition();
// Times the device had started the song and then played silence for want of
// finished frames (the wait for the song's start is not one); 0 where a device
// cannot tell.
uint32_t platformWaveUnderruns();

// ---------------------------------------------------------------------------
// Threads, resources, process
// ---------------------------------------------------------------------------

// Runs routine(argument) over and over until it returns 0, away from the main
// loop: each call does a slice of the work and returns 1 while more remains.
// The desktop backends run it on a new thread at default priority, detached and
// never joined; the browser, which has no threads for it, between animation
// frames, a few slices at a time. Returns 1 on success.
int platformStartThread(int (*routine)(void*), void* argument);

// A resource built into the program, by the type and id that
// resources/manifest.txt gives it: ("VSHADER", SPONGE_VERTEX_SHADER) and so on.
// Returns 1 and its bytes, or 0 when there is no such resource.
int platformFindResource(const char* type, int id, const unsigned char** bytes, size_t* size);

// Ends the process at once with the exit code; other threads end with it.
[[noreturn]] void platformExitProcess(int exitCode);

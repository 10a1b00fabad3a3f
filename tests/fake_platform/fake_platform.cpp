#include "tests/fake_platform/fake_platform.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

FakePlatform fake;

namespace {

char instance, window, surface, context, entryPoint;  // handles the fake hands out; never dereferenced

// Logs the call; true when the test made this step fail.
bool log(const std::string& call) { return fake.calls.push_back(call), fake.failing.count(call) != 0; }

template <typename T>
T* handle(const char* call, char* token) { return log(call) ? nullptr : reinterpret_cast<T*>(token); }

void box(const char* call, const char* text, const char* caption) {
    log(call);
    fake.boxes.push_back(std::string(text) + "|" + caption);
}

}  // namespace

int FakePlatform::count(const std::string& name) const { return int(std::count(calls.begin(), calls.end(), name)); }
int FakePlatform::indexOf(const std::string& name) const {
    auto it = std::find(calls.begin(), calls.end(), name);
    return it == calls.end() ? -1 : int(it - calls.begin());
}
void resetFakePlatform() { fake = FakePlatform(); }

int platformAskYesNo(const char* text, const char* caption) { return box("askYesNo", text, caption), fake.answerYes; }
void platformShowWarningBox(const char* text) { box("warningBox", text, ""); }
void platformShowErrorBox(const char* text) { box("errorBox", text, ""); }
void platformPrimaryScreenSize(int* width, int* height) { *width = fake.screenWidth, *height = fake.screenHeight; }
PlatformInstance* platformStartWindowSystem(const char*) { return handle<PlatformInstance>("startWindowSystem", &instance); }
void platformStopWindowSystem(PlatformInstance*) { log("stopWindowSystem"); }
int platformChangeDisplayMode(int, int, int) { return !log("changeDisplayMode"); }
void platformRestoreDisplayMode() { log("restoreDisplayMode"); }
void platformShowCursor(int visible) { log(visible ? "showCursor" : "hideCursor"); }
PlatformWindow* platformCreateWindow(const PlatformWindowRequest& request) {
    fake.windowRequests.push_back(request);
    return handle<PlatformWindow>("createWindow", &window);
}
void platformDestroyWindow(PlatformWindow*) { log("destroyWindow"); }
PlatformSurface* platformGetSurface(PlatformWindow*) { return handle<PlatformSurface>("getSurface", &surface); }
void platformReleaseSurface(PlatformWindow*, PlatformSurface*) { log("releaseSurface"); }
int platformCheckPixelFormat(PlatformSurface*, const PixelFormatRequest& request, PixelFormatInfo* info) {
    *info = PixelFormatInfo{request.colorBits, 24, request.doubleBuffer};
    return !log("checkPixelFormat");
}
PlatformGlContext* platformCreateGlContext(PlatformSurface*) {
    return handle<PlatformGlContext>("createGlContext", &context);
}
int platformMakeCurrent(PlatformSurface* s, PlatformGlContext*) { return !log(s ? "makeCurrent" : "makeNoneCurrent"); }
void platformDeleteGlContext(PlatformGlContext*) { log("deleteGlContext"); }
void platformSwapBuffers(PlatformSurface*) { ++fake.swaps, log("swapBuffers"); }
void platformBringToFront(PlatformWindow*) { log("bringToFront"); }
void* platformGetGlProcAddress(const char* name) { return fake.missingGlNames.count(name) ? nullptr : &entryPoint; }
int platformPollEvent(PlatformEvent* event) {
    // The quit request comes out once nothing else waits, as on the real systems.
    if (fake.queue.empty() && !fake.quitWaiting) return 0;
    *event = fake.queue.empty() ? PlatformEvent{EVENT_QUIT, KEY_OTHER, 0} : fake.queue.front();
    if (fake.queue.empty()) fake.quitWaiting = false; else fake.queue.pop_front();
    return 1;
}
void platformRequestQuit() { ++fake.quitRequests, fake.quitWaiting = true; }
int64_t platformPerformanceCounter() {
    // Events scripted for this pass arrive with its clock reading.
    for (const PlatformEvent& e : fake.eventsAtPass[fake.passes++]) fake.queue.push_back(e);
    int64_t value = fake.counterReadings.empty() ? 0 : fake.counterReadings.front();
    if (fake.counterReadings.size() > 1) {
        fake.counterReadings.pop_front();
    } else if (!fake.counterReadings.empty() && ++fake.passesPastTheClock > FakePlatform::PASSES_PAST_THE_CLOCK) {
        std::fprintf(stderr, "FAIL: the main loop ran %d passes past the scripted clock without ending\n",
                     FakePlatform::PASSES_PAST_THE_CLOCK);
        std::_Exit(1);
    }
    return value;
}
int64_t platformPerformanceFrequency() { return 1000; }
int platformOpenWaveOutput() { return log("openWaveOutput"), fake.waveOpens; }
void platformPlayWaveBuffer(const std::atomic<float>* samples, uint32_t frames, const std::atomic<int32_t>*) {
    log("playWaveBuffer");
    fake.playedBuffer = samples;
    fake.playedFrames = frames;
}
uint32_t platformWavePosition() { return fake.wavePosition; }
uint32_t platformWaveUnderruns() { return 0; }
int platformStartThread(int (*routine)(void*), void* argument) {
    log("startThread");  // recorded, not run
    ++fake.threadsStarted;
    fake.lastThreadRoutine = routine;
    fake.lastThreadArgument = argument;
    return 1;
}
int platformFindResource(const char*, int, const unsigned char**, size_t*) { return 0; }

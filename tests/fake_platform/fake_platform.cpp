#include "tests/fake_platform/fake_platform.h"

#include <algorithm>
#include <cstdlib>

FakePlatform fake;

namespace {

char instanceToken, windowToken, surfaceToken, contextToken, entryPointToken;  // never dereferenced

// Logs the call; true when the test made this step fail.
bool log(const std::string& call) {
    fake.calls.push_back(call);
    return fake.failing.count(call) != 0;
}

template <typename T>
T* handle(const char* call, char* token) {
    return log(call) ? nullptr : reinterpret_cast<T*>(token);
}

}  // namespace

int FakePlatform::count(const std::string& name) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), name));
}
int FakePlatform::indexOf(const std::string& name) const {
    auto it = std::find(calls.begin(), calls.end(), name);
    return it == calls.end() ? -1 : static_cast<int>(it - calls.begin());
}
void resetFakePlatform() { fake = FakePlatform(); }
PlatformWindow* fakeWindow() { return reinterpret_cast<PlatformWindow*>(&windowToken); }

int platformAskYesNo(const char* text, const char* caption) {
    log("askYesNo");
    fake.boxes.push_back(std::string(text) + "|" + caption);
    return fake.answerYes;
}
void platformShowWarningBox(const char* text) { log("warningBox"); fake.boxes.push_back(std::string(text) + "|"); }
void platformShowErrorBox(const char* text) { log("errorBox"); fake.boxes.push_back(std::string(text) + "|"); }
void platformPrimaryScreenSize(int* width, int* height) { *width = fake.screenWidth; *height = fake.screenHeight; }
PlatformInstance* platformStartWindowSystem(const char*, PlatformWindowProc proc) {
    fake.windowProc = proc;
    return handle<PlatformInstance>("startWindowSystem", &instanceToken);
}
void platformStopWindowSystem(PlatformInstance*) { log("stopWindowSystem"); }
int platformChangeDisplayMode(int, int, int) { return !log("changeDisplayMode"); }
void platformRestoreDisplayMode() { log("restoreDisplayMode"); }
void platformShowCursor(int visible) { log(visible ? "showCursor" : "hideCursor"); }
void platformAdjustWindowRect(PlatformRect* rect, int fullscreen) {
    // A desktop-like frame: 3-pixel borders and a 20-pixel caption; none full screen.
    if (!fullscreen) *rect = PlatformRect{rect->left - 3, rect->top - 23, rect->right + 3, rect->bottom + 3};
}
PlatformWindow* platformCreateWindow(const PlatformWindowRequest& request) {
    fake.windowRequests.push_back(request);
    return handle<PlatformWindow>("createWindow", &windowToken);
}
void platformDestroyWindow(PlatformWindow*) { log("destroyWindow"); }
PlatformSurface* platformGetSurface(PlatformWindow*) { return handle<PlatformSurface>("getSurface", &surfaceToken); }
void platformReleaseSurface(PlatformWindow*, PlatformSurface*) { log("releaseSurface"); }
int platformCheckPixelFormat(PlatformSurface*, const PixelFormatRequest& request, PixelFormatInfo* info) {
    *info = PixelFormatInfo{request.colorBits, 24, request.doubleBuffer};
    return !log("checkPixelFormat");
}
PlatformGlContext* platformCreateGlContext(PlatformSurface*) {
    return handle<PlatformGlContext>("createGlContext", &contextToken);
}
int platformMakeCurrent(PlatformSurface* surface, PlatformGlContext* context) {
    return !log(surface || context ? "makeCurrent" : "makeNoneCurrent");
}
void platformDeleteGlContext(PlatformGlContext*) { log("deleteGlContext"); }
void platformSwapBuffers(PlatformSurface*) { log("swapBuffers"); ++fake.swaps; }
void platformBringToFront(PlatformWindow*) { log("bringToFront"); }
void platformClientSize(PlatformWindow*, int* width, int* height) { *width = *height = 0; }
void* platformGetGlProcAddress(const char* name) {
    return fake.missingGlNames.count(name) ? nullptr : &entryPointToken;
}
int platformPeekMessage(PlatformMessage* message) {
    if (fake.queue.empty()) return 0;
    *message = fake.queue.front();
    fake.queue.pop_front();
    return 1;
}
intptr_t platformDispatchMessage(const PlatformMessage& message) {
    return message.window && fake.windowProc ? fake.windowProc(message.window, message) : 0;
}
intptr_t platformDefaultWindowProc(PlatformWindow*, const PlatformMessage&) {
    log("defaultWindowProc");
    return 7;  // a value no handled message returns
}
void platformPostQuitMessage(int) {
    log("postQuit");
    ++fake.quitPosts;
    fake.queue.push_back(PlatformMessage{nullptr, MSG_QUIT, 0});
}
int64_t platformPerformanceCounter() {
    // Messages scripted for this pass arrive with its clock reading.
    for (const PlatformMessage& m : fake.messagesAtPass[fake.passes++]) fake.queue.push_back(m);
    int64_t value = fake.counterReadings.empty() ? 0 : fake.counterReadings.front();
    if (fake.counterReadings.size() > 1) fake.counterReadings.pop_front();
    return value;
}
int64_t platformPerformanceFrequency() { return fake.frequency; }
int platformOpenWaveOutput() { return !log("openWaveOutput") && fake.waveOpens; }
void platformPlayWaveBuffer(const std::atomic<float>* samples, uint32_t frameCount) {
    log("playWaveBuffer");
    fake.playedBuffer = samples;
    fake.playedFrames = frameCount;
}
uint32_t platformWavePosition() { return fake.wavePosition; }
int platformStartThread(void (*routine)(void*), void* argument) {
    log("startThread");  // recorded, not run
    ++fake.threadsStarted;
    fake.lastThreadRoutine = routine;
    fake.lastThreadArgument = argument;
    return 1;
}
int platformFindResource(const char*, int, const unsigned char**, size_t*) { return 0; }
void platformExitProcess(int exitCode) { std::exit(exitCode); }

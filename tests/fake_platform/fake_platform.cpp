#include "tests/fake_platform/fake_platform.h"

#include <algorithm>
#include <cstdlib>

FakePlatform fake;

namespace {

// Distinct non-null handles; the fake never dereferences them.
char instanceToken, windowToken, surfaceToken, contextToken;

void log(const std::string& call) { fake.calls.push_back(call); }

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
    fake.boxes.push_back(FakeBox{"question", text, caption});
    return fake.answerYes;
}

void platformShowWarningBox(const char* text) {
    log("warningBox");
    fake.boxes.push_back(FakeBox{"warning", text, ""});
}

void platformShowErrorBox(const char* text) {
    log("errorBox");
    fake.boxes.push_back(FakeBox{"error", text, ""});
}

void platformPrimaryScreenSize(int* width, int* height) {
    *width = fake.screenWidth;
    *height = fake.screenHeight;
}

PlatformInstance* platformStartWindowSystem(const char*, PlatformWindowProc proc) {
    log("startWindowSystem");
    if (fake.failStartWindowSystem) return nullptr;
    fake.windowProc = proc;
    return reinterpret_cast<PlatformInstance*>(&instanceToken);
}

void platformStopWindowSystem(PlatformInstance*) { log("stopWindowSystem"); }

int platformChangeDisplayMode(int, int, int) {
    log("changeDisplayMode");
    return fake.failDisplayMode ? 0 : 1;
}

void platformRestoreDisplayMode() { log("restoreDisplayMode"); }

void platformShowCursor(int visible) { log(visible ? "showCursor" : "hideCursor"); }

void platformAdjustWindowRect(PlatformRect* rect, int fullscreen) {
    // A frame like a desktop's: 3-pixel borders and a 20-pixel caption, none
    // for a full-screen popup.
    if (fullscreen) return;
    rect->left -= 3;
    rect->right += 3;
    rect->top -= 23;
    rect->bottom += 3;
}

PlatformWindow* platformCreateWindow(const PlatformWindowRequest& request) {
    log("createWindow");
    fake.windowRequests.push_back(request);
    return fake.failCreateWindow ? nullptr : fakeWindow();
}

void platformDestroyWindow(PlatformWindow*) { log("destroyWindow"); }

PlatformSurface* platformGetSurface(PlatformWindow*) {
    log("getSurface");
    return fake.failSurface ? nullptr : reinterpret_cast<PlatformSurface*>(&surfaceToken);
}

void platformReleaseSurface(PlatformWindow*, PlatformSurface*) { log("releaseSurface"); }

int platformCheckPixelFormat(PlatformSurface*, const PixelFormatRequest& request, PixelFormatInfo* info) {
    log("checkPixelFormat");
    info->colorBits = request.colorBits;
    info->depthBits = 24;
    info->doubleBuffer = request.doubleBuffer;
    return fake.failPixelFormat ? 0 : 1;
}

PlatformGlContext* platformCreateGlContext(PlatformSurface*) {
    log("createGlContext");
    return fake.failCreateContext ? nullptr : reinterpret_cast<PlatformGlContext*>(&contextToken);
}

int platformMakeCurrent(PlatformSurface* surface, PlatformGlContext* context) {
    log(surface || context ? "makeCurrent" : "makeNoneCurrent");
    return (surface || context) && fake.failMakeCurrent ? 0 : 1;
}

void platformDeleteGlContext(PlatformGlContext*) { log("deleteGlContext"); }

void platformSwapBuffers(PlatformSurface*) {
    log("swapBuffers");
    ++fake.swaps;
}

void platformBringToFront(PlatformWindow*) { log("bringToFront"); }

void platformClientSize(PlatformWindow*, int* width, int* height) {
    *width = 0;
    *height = 0;
}

void* platformGetGlProcAddress(const char* name) {
    static char entryPointToken;
    return fake.missingGlNames.count(name) ? nullptr : &entryPointToken;
}

int platformPeekMessage(PlatformMessage* message) {
    if (!fake.queue.empty()) {
        *message = fake.queue.front();
        fake.queue.pop_front();
        return 1;
    }
    if (fake.quitPending) {
        fake.quitPending = false;
        *message = PlatformMessage{nullptr, MSG_QUIT, 0};
        return 1;
    }
    return 0;
}

intptr_t platformDispatchMessage(const PlatformMessage& message) {
    if (!message.window || !fake.windowProc) return 0;
    return fake.windowProc(message.window, message);
}

intptr_t platformDefaultWindowProc(PlatformWindow*, const PlatformMessage&) {
    log("defaultWindowProc");
    return 7;  // a value no handled message returns
}

void platformPostQuitMessage(int) {
    log("postQuit");
    ++fake.quitPosts;
    fake.quitPending = true;
}

int64_t platformPerformanceCounter() {
    // Messages scripted for this pass arrive with its clock reading.
    auto scripted = fake.messagesAtPass.find(fake.counterReads);
    if (scripted != fake.messagesAtPass.end()) {
        for (const PlatformMessage& m : scripted->second) fake.queue.push_back(m);
    }
    ++fake.counterReads;
    if (fake.counterReadings.empty()) return 0;
    int64_t value = fake.counterReadings.front();
    if (fake.counterReadings.size() > 1) fake.counterReadings.pop_front();
    return value;
}

int64_t platformPerformanceFrequency() {
    ++fake.frequencyReads;
    return fake.frequency;
}

int platformOpenWaveOutput() {
    log("openWaveOutput");
    return fake.waveOpens ? 1 : 0;
}

void platformPlayWaveBuffer(const std::atomic<float>* samples, uint32_t frameCount) {
    log("playWaveBuffer");
    fake.playedBuffer = samples;
    fake.playedFrames = frameCount;
}

uint32_t platformWavePosition() { return fake.wavePosition; }

int platformStartThread(void (*routine)(void*), void* argument) {
    // Recorded, not run: a test that wants the routine calls it itself.
    log("startThread");
    ++fake.threadsStarted;
    fake.lastThreadRoutine = routine;
    fake.lastThreadArgument = argument;
    return 1;
}

int platformFindResource(const char*, int, const unsigned char**, size_t*) { return 0; }

void platformExitProcess(int exitCode) {
    log("exitProcess");
    std::exit(exitCode);
}

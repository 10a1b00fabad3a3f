#include "tests/gl/support/gl_test_window.h"

#include "gfx/gl_entry_points.h"

#include <cstdio>

std::vector<RecordedBox> recordedBoxes;

void clearRecordedBoxes() { recordedBoxes.clear(); }

int platformAskYesNo(const char* text, const char*) {
    recordedBoxes.push_back(RecordedBox{"question", text});
    return 0;
}

void platformShowWarningBox(const char* text) { recordedBoxes.push_back(RecordedBox{"warning", text}); }

void platformShowErrorBox(const char* text) { recordedBoxes.push_back(RecordedBox{"error", text}); }

bool openGlTestWindow(int width, int height, GlTestWindow* out) {
    *out = GlTestWindow();
    out->instance = platformStartWindowSystem("Quorvel");
    if (!out->instance) {
        std::fprintf(stderr, "gl test: no window system (is DISPLAY set?)\n");
        return false;
    }
    PlatformWindowRequest request = {};
    request.title = "Quorvel test";
    request.width = width;
    request.height = height;
    request.pixelFormat = PixelFormatRequest{32, 32, 1};
    out->window = platformCreateWindow(request);
    out->surface = out->window ? platformGetSurface(out->window) : nullptr;
    out->context = out->surface ? platformCreateGlContext(out->surface) : nullptr;
    if (!out->context || !platformMakeCurrent(out->surface, out->context)) {
        std::fprintf(stderr, "gl test: no OpenGL context\n");
        return false;
    }
    if (!initGraphics(out->window, 0)) {
        std::fprintf(stderr, "gl test: an OpenGL entry point is missing\n");
        return false;
    }
    out->width = width;
    out->height = height;
    return true;
}

void closeGlTestWindow(GlTestWindow* window) {
    if (window->context) {
        platformMakeCurrent(nullptr, nullptr);
        platformDeleteGlContext(window->context);
    }
    if (window->window) platformDestroyWindow(window->window);
    platformStopWindowSystem(window->instance);
    *window = GlTestWindow();
}

Picture readPixels(int x, int y, int width, int height) {
    Picture picture{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 4)};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, picture.rgba.data());
    return picture;
}

void GlTest::SetUp() {
    clearRecordedBoxes();
    ASSERT_TRUE(openGlTestWindow(1109, 693, &glWindow));
}

void GlTest::TearDown() { closeGlTestWindow(&glWindow); }

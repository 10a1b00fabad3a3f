#include "app/entry.h"

#include "app/app_window.h"
#include "app/main_loop.h"
#include "gfx/gl_entry_points.h"
#include "platform/platform.h"

namespace {

const int WINDOWED_WIDTH = 1109;
const int WINDOWED_HEIGHT = 693;

WindowContext windowContext;

void ignoreProgress(void*, int) {}

void chooseDisplay(DisplayConfig* display) {
    display->fullscreen = 0;
    if (platformAskYesNo("Run Fullscreen?", "Quorvel")) {
        display->fullscreen = 1;
        platformPrimaryScreenSize(&display->width, &display->height);
    } else {
        display->width = WINDOWED_WIDTH;
        display->height = WINDOWED_HEIGHT;
    }
    display->aspect = static_cast<float>(static_cast<double>(display->width) / display->height);
}

int startUp(const DemoHooks& demo) {
    windowContext = WindowContext();
    windowContext.display = &displayConfig;
    if (!createAppWindow(&windowContext)) return 0;
    if (!initGraphics(windowContext.window, 0)) return 0;
    LoadProgress progress = {&windowContext, ignoreProgress};
    return demo.start(progress, &displayConfig);
}

}  // namespace

int runQuorvel(const DemoHooks& demo) {
    chooseDisplay(&displayConfig);
    if (!startUp(demo)) {
        destroyAppWindow(&windowContext);
        platformShowWarningBox("Something went bang...");
        return 0;
    }
    runMainLoop(&windowContext, demo);
    destroyAppWindow(&windowContext);
    return 0;
}

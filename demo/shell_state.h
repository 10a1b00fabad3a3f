// The state the application shell shares with the show: the display
// settings and the start-up progress hook.
// The shell fills it, the show reads it. All of it lives on the main thread.
#pragma once

#include <cstdint>

struct DisplayConfig {
    int32_t width;       // client size in pixels
    int32_t height;
    int32_t fullscreen;  // 1 when the user answered Yes
    float aspect;        // width / height
};

// Filled once before the window exists.
extern DisplayConfig displayConfig;

// The start-up progress hook handed to the demo.
struct LoadProgress {
    void* context;
    void (*report)(void* context, int percent);
};

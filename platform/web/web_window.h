// The browser backend's one window (the page's canvas) and its procedure,
// for the message queue.
#pragma once

#include "platform/platform.h"

// The canvas as the program knows it; null before platformCreateWindow.
PlatformWindow* webWindow();

PlatformWindowProc webWindowProc();

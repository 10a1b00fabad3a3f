// The closing fade: once quit is asked for, the picture is squeezed to a line,
// then to a dot, brightening, like a picture tube switched off.
#pragma once

struct FadeValues {
    float scaleX;  // horizontal scale of the picture quad
    float scaleY;  // vertical scale
    float flash;   // brightness added to every channel
};

// One frame of the fade, secondsSinceQuit after the (latest) quit message.
// Returns 1 when the fade has finished with this frame.
int stepClosingFade(FadeValues* fade, double secondsSinceQuit);

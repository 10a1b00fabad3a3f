#include "demo/post/closing_fade.h"

int stepClosingFade(FadeValues* fade, double secondsSinceQuit) {
    const float squeeze = static_cast<float>(2.0 * secondsSinceQuit);
    const float height = 1.0f - squeeze;
    fade->scaleY = height;
    fade->flash = 1.0f - height;

    // The width follows only once the picture is nearly a line (below 0.21 of
    // its height); until then it keeps whatever it had, which after a second
    // quit is the narrowed width of the first fade.
    bool widthSet = false;
    if (height < 0.005f) {
        fade->scaleY = 0.005f;
        fade->scaleX = 2.0f - squeeze;
        widthSet = true;
    } else if (height < 0.21f) {
        fade->scaleX = 2.0f - squeeze;
        widthSet = true;
    }
    if (widthSet && fade->scaleX < 0.001f) {
        fade->scaleX = 0.001f;
        return 1;
    }
    return 0;
}

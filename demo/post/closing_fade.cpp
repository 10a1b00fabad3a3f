#include "demo/post/closing_fade.h"

#include "demo/show_timeline.h"

namespace {

// Over the fade the squeeze runs from 0 to 2: the height is 1 - squeeze, the
// width (once the picture is nearly a line) 2 - squeeze.
const double FULL_SQUEEZE = 2.0;

}  // namespace

int stepClosingFade(FadeValues* fade, double secondsSinceQuit) {
    const float squeeze = static_cast<float>(FULL_SQUEEZE * secondsSinceQuit / CLOSING_FADE_SECONDS);
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

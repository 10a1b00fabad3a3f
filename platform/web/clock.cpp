#include "platform/common/fixed_rate_clock.h"
#include "platform/platform.h"
#include "platform/web/web_clock.h"

#include <emscripten/emscripten.h>

// clang-format off
EM_JS(int, quorvelFixedFrameRate, (), { return QuorvelWeb.page.fixedFrameRate | 0; });
EM_JS(double, quorvelFramesShown, (), { return QuorvelWeb.framesShown; });
// clang-format on

int webFixedFrameRate() {
    static const int rate = quorvelFixedFrameRate();
    return rate;
}

int64_t webFramesShown() { return static_cast<int64_t>(quorvelFramesShown()); }

// Microseconds: performance.now() counts milliseconds with a fraction.
int64_t platformPerformanceCounter() {
    const int rate = webFixedFrameRate();
    if (rate) return fixedRateCounterAt(rate, webFramesShown());
    return static_cast<int64_t>(emscripten_get_now() * 1000.0);
}

int64_t platformPerformanceFrequency() {
    const int rate = webFixedFrameRate();
    return rate ? fixedRateFrequency(rate) : 1000000;
}

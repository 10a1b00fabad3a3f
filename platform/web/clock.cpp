#include "platform/common/fixed_rate_clock.h"
#include "platform/platform.h"
#include "platform/web/web_clock.h"

#include <emscripten/emscripten.h>

// clang-format off
EM_JS(int, quorvelFixedFrameRate, (), { return QuorvelWeb.page.fixedFrameRate | 0; });
EM_JS(double, quorvelFramesShown, (), { return QuorvelWeb.framesShown; });
EM_JS(double, quorvelHeardSeconds, (), { return QuorvelWeb.wave.heardSeconds(); });
EM_JS(void, quorvelShowSongClock, (double seconds), {
    QuorvelWeb.page.status.songClock = [seconds, QuorvelWeb.wave.played];
});
// clang-format on

namespace {

// A browser frame at 60 Hz: the sound may lag the picture by less, unseen.
constexpr int64_t FRAME_MICROSECONDS = 1000000 / 60;

bool followingSound = false;
int64_t songStart = 0;
int64_t waited = 0;  // microseconds the clock has stood still for the sound

}  // namespace

int webFixedFrameRate() {
    static const int rate = quorvelFixedFrameRate();
    return rate;
}

int64_t webFramesShown() { return static_cast<int64_t>(quorvelFramesShown()); }

void webClockFollowsSound(int64_t songStartCounter) {
    followingSound = true;
    songStart = songStartCounter;
}

// Microseconds: performance.now() counts milliseconds with a fraction. A
// frozen page, or a render too slow for the sound, starves the sound while
// time runs on; the clock then waits for it, and the picture stays with what
// is heard instead of running ahead for good.
int64_t platformPerformanceCounter() {
    const int rate = webFixedFrameRate();
    if (rate) return fixedRateCounterAt(rate, webFramesShown());
    int64_t counter = static_cast<int64_t>(emscripten_get_now() * 1000.0) - waited;
    if (!followingSound) return counter;
    const double heard = quorvelHeardSeconds();
    if (heard >= 0.0) {
        const int64_t limit = songStart + static_cast<int64_t>(heard * 1e6) + FRAME_MICROSECONDS;
        if (counter > limit) {
            waited += counter - limit;
            counter = limit;
        }
    }
    quorvelShowSongClock(static_cast<double>(counter - songStart) / 1e6);
    return counter;
}

int64_t platformPerformanceFrequency() {
    const int rate = webFixedFrameRate();
    return rate ? fixedRateFrequency(rate) : 1000000;
}

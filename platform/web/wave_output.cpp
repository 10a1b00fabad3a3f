// Wave output in the browser: an AudioWorklet plays the buffer, fed with the
// frames the render has finished (web_platform.js); the position is the
// frames it has played. At a fixed frame rate nothing plays: the position
// follows the fixed-rate clock, as quorvel-capture's virtual device does.
#include "platform/common/fixed_rate_clock.h"
#include "platform/platform.h"
#include "platform/web/web_clock.h"

#include <emscripten/emscripten.h>

// clang-format off
EM_JS(int, quorvelOpenWave, (), { return QuorvelWeb.wave.open(); });
EM_JS(void, quorvelPlayWave, (const void* samples, uint32_t frameCount, const void* written), {
    QuorvelWeb.wave.play(samples, frameCount, written);
});
EM_JS(double, quorvelWavePlayed, (), { return QuorvelWeb.wave.played; });
EM_JS(double, quorvelWaveUnderruns, (), { return QuorvelWeb.wave.underruns; });
// clang-format on

namespace {

bool opened = false;
bool playing = false;
uint32_t songFrames = 0;
int64_t startCounter = 0;

}  // namespace

int platformOpenWaveOutput() {
    opened = webFixedFrameRate() ? 1 : quorvelOpenWave();
    return opened ? 1 : 0;
}

void platformPlayWaveBuffer(const std::atomic<float>* samples, uint32_t frameCount,
                            const std::atomic<int32_t>* framesWritten) {
    if (!opened) return;
    playing = true;
    songFrames = frameCount;
    startCounter = platformPerformanceCounter();
    if (webFixedFrameRate()) return;
    quorvelPlayWave(samples, frameCount, framesWritten);
    webClockFollowsSound(startCounter);
}

uint32_t platformWavePosition() {
    if (!playing) return 0;
    const int rate = webFixedFrameRate();
    if (!rate) return static_cast<uint32_t>(quorvelWavePlayed());
    const int64_t played = fixedRateSoundFrames(rate, startCounter, platformPerformanceCounter());
    return played < songFrames ? static_cast<uint32_t>(played) : songFrames;
}

// At a fixed frame rate nothing plays, so nothing waits.
uint32_t platformWaveUnderruns() {
    return playing && !webFixedFrameRate() ? static_cast<uint32_t>(quorvelWaveUnderruns()) : 0;
}

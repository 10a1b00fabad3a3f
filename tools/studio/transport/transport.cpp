#include "tools/studio/transport/transport.h"

namespace {

int64_t clampFrame(const Transport& transport, int64_t frame) {
    if (frame < 0) return 0;
    return frame > transport.lastFrame ? transport.lastFrame : frame;
}

int seekTo(Transport* transport, int64_t frame) {
    transport->frame = clampFrame(*transport, frame);
    return 1;
}

}  // namespace

Transport startTransport(int framesPerSecond, int64_t lastFrame) {
    return Transport{framesPerSecond, lastFrame, 0, false, NO_MARK, NO_MARK, false};
}

bool loopActive(const Transport& transport) {
    return transport.loopOn && transport.loopStart != NO_MARK && transport.loopEnd != NO_MARK &&
           transport.loopStart < transport.loopEnd;
}

int applyTransportCommand(Transport* transport, TransportCommand command) {
    const int64_t second = transport->framesPerSecond;
    switch (command) {
        case TRANSPORT_PLAY_PAUSE:
            transport->paused = !transport->paused;
            return 0;
        case TRANSPORT_BACK_SECOND: return seekTo(transport, transport->frame - second);
        case TRANSPORT_FORWARD_SECOND: return seekTo(transport, transport->frame + second);
        case TRANSPORT_BACK_10_SECONDS: return seekTo(transport, transport->frame - 10 * second);
        case TRANSPORT_FORWARD_10_SECONDS: return seekTo(transport, transport->frame + 10 * second);
        case TRANSPORT_TO_START: return seekTo(transport, 0);
        case TRANSPORT_STEP_BACK:
            // Stepping is for looking at one frame: while playing it would be lost at once.
            if (!transport->paused || transport->frame == 0) return 0;
            return seekTo(transport, transport->frame - 1);
        case TRANSPORT_STEP_FORWARD:
            if (!transport->paused || transport->frame == transport->lastFrame) return 0;
            return seekTo(transport, transport->frame + 1);
        case TRANSPORT_MARK_LOOP_START:
            transport->loopStart = transport->frame;
            return 0;
        case TRANSPORT_MARK_LOOP_END:
            transport->loopEnd = transport->frame;
            return 0;
        case TRANSPORT_TOGGLE_LOOP:
            transport->loopOn = !transport->loopOn;
            return 0;
    }
    return 0;
}

int64_t framePlayedAfter(const Transport& transport, int64_t elapsedFrames, bool* wrapped) {
    *wrapped = false;
    if (transport.paused) return transport.frame;
    int64_t frame = transport.frame + elapsedFrames;
    if (loopActive(transport) && transport.frame <= transport.loopEnd && frame > transport.loopEnd) {
        const int64_t length = transport.loopEnd - transport.loopStart + 1;
        frame = transport.loopStart + (frame - transport.loopEnd - 1) % length;
        *wrapped = true;
    }
    return clampFrame(transport, frame);
}

#include "platform/sdl/song_device.h"

SDL_AudioDeviceID openSongDevice(SDL_AudioCallback fill) {
    if (!SDL_WasInit(SDL_INIT_AUDIO) && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = SONG_WAVE_FORMAT.framesPerSecond;
    want.format = AUDIO_F32SYS;
    want.channels = SONG_DEVICE_CHANNELS;
    want.samples = SONG_DEVICE_BUFFER_FRAMES;
    want.callback = fill;
    // No changes allowed: when the hardware wants another format, SDL converts,
    // and the callback still sees exactly this one.
    return SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
}

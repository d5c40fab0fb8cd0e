// Sound: the SDL playback device, its callback, the volumes and the lock.
#include <SDL.h>
#include "sound/local.h"

void lock_audio()
{
    if (audio_device)
        SDL_LockAudioDevice(audio_device);
}

void unlock_audio()
{
    if (audio_device)
        SDL_UnlockAudioDevice(audio_device);
}

void audio_callback(void*, uint8_t* stream, int len)
{
    audio_render(reinterpret_cast<int16_t*>(stream), len / 2);
}

void audio_open()
{
    SDL_AudioSpec want{};
    SDL_AudioSpec have{};
    want.freq = SAMPLE_RATE;
    want.format = AUDIO_S16LSB;
    want.channels = 1;
    want.samples = 1024;
    want.callback = audio_callback;
    audio_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (audio_device)
        SDL_PauseAudioDevice(audio_device, 0);
}

void set_volumes(int music_percent, int effect_percent)
{
    lock_audio();
    music_volume = (float)music_percent / 100.0f;
    music_gain = music_volume;
    effect_volume = (float)effect_percent / 100.0f;
    unlock_audio();
}

void fade_music(int music_percent)
{
    lock_audio();
    music_volume = (float)music_percent / 100.0f;
    unlock_audio();
}

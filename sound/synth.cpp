// Sound: the synthesiser state, the tone generator and the mix.
#include <cmath>
#include <cstring>
#include "sound/local.h"

Voice music_voices[MUSIC_VOICES];
Voice effect_voices[EFFECT_VOICES];
int32_t current_song = -1;
double samples_per_step;
float music_volume = 0.8f;
float effect_volume = 1.0f;
uint32_t audio_device;

float voice_sample(Oscillator* osc)
{
    if (!osc->active)
        return 0.0f;
    if (osc->pos >= osc->length) {
        osc->active = 0;
        return 0.0f;
    }
    float t = (float)osc->pos / (float)osc->length;
    float f = (float)(osc->f_start + (double)t * (osc->f_end - osc->f_start));
    if (osc->vibrato != 0.0f) {
        float x = (float)(2 * osc->pos) * 3.14159f * 5.5f / 48000.0f;
        f = f * exp2f(sinf(x) * osc->vibrato / 12.0f);
    }
    float a = osc->amp_start + (osc->amp_end - osc->amp_start) * t;
    if (osc->pos < 96)
        a = a * ((float)osc->pos / 96.0f);
    int32_t r = osc->length - osc->pos;
    if (r < 240)
        a = a * ((float)r / 240.0f);
    osc->pos++;

    float w;
    if (osc->wave == 2) {
        osc->noise_hold++;
        int32_t h = (int32_t)(48000.0f / (f + 1.0f));
        if (osc->noise_hold >= h) {
            osc->noise_hold = 0;
            osc->noise_seed = osc->noise_seed * 1103515245u + 12345u;
            osc->noise_value = (float)((osc->noise_seed >> 16) & 0x7FFF) * (1.0f / 16384.0f) - 1.0f;
        }
        w = osc->noise_value;
    } else {
        osc->phase = osc->phase + (double)(f / 48000.0f);
        osc->phase = osc->phase - floor(osc->phase);
        float p = (float)osc->phase;
        if (osc->wave == 0)
            w = p < osc->duty ? 1.0f : -1.0f;
        else if (osc->wave == 1)
            w = p < 0.5f ? 4.0f * p - 1.0f : 3.0f - 4.0f * p;
        else
            w = 2.0f * p - 1.0f;
    }
    return a * w;
}

void audio_render(int16_t* out, int n)
{
    for (int k = 0; k < n; k++) {
        float m = 0.0f;
        float e = 0.0f;
        if (current_song >= 0) {
            int c = songs[current_song].track_count;
            if (c < 1)
                c = 1;
            for (int i = 0; i < c; i++) {
                Voice* v = &music_voices[i];
                v->note_left--;
                if (v->note_left < 1)
                    read_token(v, &songs[current_song].tracks[i]);
                m = m + voice_sample(&v->osc);
            }
        }
        for (int j = 0; j < EFFECT_VOICES; j++) {
            Voice* v = &effect_voices[j];
            if (!v->effect)
                continue;
            e = e + voice_sample(&v->osc);
            v->segment_left--;
            if (v->segment_left <= 0) {
                v->segment++;
                if (v->segment >= v->effect->segment_count)
                    v->effect = nullptr;
                else
                    load_segment(v);
            }
        }
        float s = (m * music_volume) * 0.6f + (e * effect_volume) * 0.7f;
        if (s > 1.0f)
            s = 1.0f;
        else if (s < -1.0f)
            s = -1.0f;
        out[k] = (int16_t)(int32_t)(s * 30000.0f);
    }
}

void sound_reset()
{
    lock_audio();
    std::memset(music_voices, 0, sizeof music_voices);
    std::memset(effect_voices, 0, sizeof effect_voices);
    current_song = -1;
    samples_per_step = 0.0;
    music_volume = 0.8f;
    effect_volume = 1.0f;
    unlock_audio();
}

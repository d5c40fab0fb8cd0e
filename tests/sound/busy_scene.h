// The synthesiser with all eight voices busy, shared by the test that pins
// its output and the benchmark that times it, so that both see one scene.
#pragma once
#include <algorithm>
#include "sound/sound.h"

// All eight voices busy: four long music tones with vibrato, four effects
// started again whenever one ends.
inline void start_full_scene()
{
    static const uint32_t waves[MUSIC_VOICES] = {0, 1, 3, 2};
    static const double hz[MUSIC_VOICES] = {523.25, 329.63, 196.0, 110.0};
    sound_reset();
    play_music(0);
    for (int i = 0; i < MUSIC_VOICES; i++) {
        Voice* v = &music_voices[i];
        v->note_left = 1 << 30;
        v->osc.active = 1;
        v->osc.wave = waves[i];
        v->osc.f_start = hz[i];
        v->osc.f_end = hz[i];
        v->osc.duty = 0.25f;
        v->osc.amp_start = 0.3f;
        v->osc.amp_end = 0.1f;
        v->osc.length = 1 << 30;
        v->osc.vibrato = 0.12f;
    }
}

inline void render_full_second(int16_t* out)
{
    static const int effects[EFFECT_VOICES] = {8, 13, 2, 11};
    for (int done = 0; done < SAMPLE_RATE; done += 1024) {
        for (int j = 0; j < EFFECT_VOICES; j++)
            if (!effect_voices[j].effect)
                play_effect(effects[j]);
        audio_render(out + done, std::min(1024, SAMPLE_RATE - done));
    }
}

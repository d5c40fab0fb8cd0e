// Sound: starting effects on the four effect voices and loading their segments.
#include "sound/local.h"

// A segment's amplitude falls to this share of its volume over the segment.
static const float SEGMENT_DECAY = 0.7f;

void load_segment(Voice* voice)
{
    const EffectSegment* s = &voice->effect->segments[voice->segment];
    Oscillator* osc = &voice->osc;
    osc->active = 1;
    osc->wave = s->wave;
    osc->f_start = s->f_start;
    osc->f_end = s->f_end;
    osc->duty = s->duty;
    osc->amp_start = s->volume;
    osc->amp_end = s->volume * SEGMENT_DECAY;
    int32_t length = (int32_t)((s->ms * (float)SAMPLE_RATE) / 1000.0f);
    osc->length = length;
    voice->segment_left = length;
    osc->pos = 0;
    osc->vibrato = 0.0f;
}

void play_effect(int n)
{
    if ((unsigned)n >= EFFECT_COUNT)
        return;
    lock_audio();
    Voice* chosen = nullptr;
    for (int j = 0; j < EFFECT_VOICES && !chosen; j++)
        if (!effect_voices[j].effect)
            chosen = &effect_voices[j];
    if (!chosen) {
        // All busy: take the voice nearest the end of its current segment.
        chosen = &effect_voices[0];
        for (int j = 1; j < EFFECT_VOICES; j++)
            if (effect_voices[j].segment_left < chosen->segment_left)
                chosen = &effect_voices[j];
    }
    chosen->effect = &sound_effects[n];
    chosen->segment = 0;
    load_segment(chosen);
    unlock_audio();
}

// Sound: the synthesiser state, the tone generator and the mix.
#include <bit>
#include <cmath>
#include <cstring>
#include "sound/local.h"

Voice music_voices[MUSIC_VOICES];
Voice effect_voices[EFFECT_VOICES];
int32_t current_song = SONG_NONE;
double samples_per_step;
float music_volume = MUSIC_ON_VOLUME;
float music_gain = MUSIC_ON_VOLUME;
float effect_volume = 1.0f;
uint32_t audio_device;

// The vibrato's pitch factor by position for the depth that notes carry,
// long enough for the longest note of any song; filled once, before the
// first song plays.
enum { VIBRATO_TABLE = 131072 };
static float vibrato_table[VIBRATO_TABLE];
static bool vibrato_table_ready;

// How fast the vibrato swings, in Hz.
static const float VIBRATO_RATE = 5.5f;

static float vibrato_factor(int32_t pos, float depth)
{
    float x = (float)(2 * pos) * 3.14159f * VIBRATO_RATE / (float)SAMPLE_RATE;
    return exp2f(sinf(x) * depth / 12.0f);
}

void prepare_vibrato()
{
    if (vibrato_table_ready)
        return;
    for (int32_t pos = 0; pos < VIBRATO_TABLE; pos++)
        vibrato_table[pos] = vibrato_factor(pos, NOTE_VIBRATO);
    vibrato_table_ready = true;
}

// What stays the same over a tone whose frequency neither slides nor
// swings: the frequency, the phase step and the noise hold.
struct SteadyTone {
    float f;
    double step;
    int32_t hold;
};

static bool is_steady(const Oscillator& o)
{
    return o.f_end == o.f_start && o.vibrato == 0.0f;
}

static SteadyTone steady_tone(const Oscillator& o)
{
    SteadyTone s{};
    float t = (float)o.pos / (float)o.length;
    s.f = (float)(o.f_start + (double)t * (o.f_end - o.f_start));
    if (o.wave == WAVE_NOISE)
        s.hold = (int32_t)((float)SAMPLE_RATE / (s.f + 1.0f));
    else
        s.step = (double)(s.f / (float)SAMPLE_RATE);
    return s;
}

// Every tone fades in over its first 2 ms and out over its last 5 ms, so
// that no tone starts or stops with a click.
enum { FADE_IN = 96, FADE_OUT = 240 };

// One sample of an active tone. With STEADY the frequency terms come from
// steady, which holds exactly what they evaluate to for such a tone.
template <bool STEADY>
static inline float tone_step(Oscillator& o, const SteadyTone& steady)
{
    if (o.pos >= o.length) {
        o.active = 0;
        return 0.0f;
    }
    float t = (float)o.pos / (float)o.length;
    float f = 0.0f;
    if (!STEADY) {
        f = (float)(o.f_start + (double)t * (o.f_end - o.f_start));
        if (o.vibrato != 0.0f) {
            if (o.vibrato == NOTE_VIBRATO && o.pos < VIBRATO_TABLE && vibrato_table_ready)
                f = f * vibrato_table[o.pos];
            else
                f = f * vibrato_factor(o.pos, o.vibrato);
        }
    }
    float a = o.amp_start + (o.amp_end - o.amp_start) * t;
    if (o.pos < FADE_IN)
        a = a * ((float)o.pos / (float)FADE_IN);
    int32_t r = o.length - o.pos;
    if (r < FADE_OUT)
        a = a * ((float)r / (float)FADE_OUT);
    o.pos++;

    float w;
    if (o.wave == WAVE_NOISE) {
        o.noise_hold++;
        int32_t h = STEADY ? steady.hold : (int32_t)((float)SAMPLE_RATE / (f + 1.0f));
        if (o.noise_hold >= h) {
            o.noise_hold = 0;
            o.noise_seed = o.noise_seed * 1103515245u + 12345u;
            o.noise_value = (float)((o.noise_seed >> 16) & 0x7FFF) * (1.0f / 16384.0f) - 1.0f;
        }
        w = o.noise_value;
    } else {
        o.phase = o.phase + (STEADY ? steady.step : (double)(f / (float)SAMPLE_RATE));
        // phase - floor(phase), without the call while the phase is in 0..2.
        if (o.phase >= 1.0 && o.phase < 2.0)
            o.phase = o.phase - 1.0;
        else if (!(o.phase >= 0.0 && o.phase < 1.0))
            o.phase = o.phase - floor(o.phase);
        float p = (float)o.phase;
        if (o.wave == WAVE_PULSE)
            w = p < o.duty ? 1.0f : -1.0f;
        else if (o.wave == WAVE_TRIANGLE)
            w = p < 0.5f ? 4.0f * p - 1.0f : 3.0f - 4.0f * p;
        else
            w = 2.0f * p - 1.0f;
    }
    return a * w;
}

float voice_sample(Oscillator* osc)
{
    if (!osc->active)
        return 0.0f;
    return tone_step<false>(*osc, SteadyTone{});
}

// How many samples from the tone's position on lie clear of both fades, at
// most count: there tone_step's amplitude is the bare slide.
static int clear_of_fades(const Oscillator& o, int count)
{
    if (o.pos < FADE_IN || o.pos > o.length - FADE_OUT)
        return 0;
    int clear = o.length - (FADE_OUT - 1) - o.pos;
    return clear < count ? clear : count;
}

// A clear stretch of a tone is rendered this many samples at a time.
enum { CHUNK = 256 };

// The stretch's loops are built a second time for AVX2, chosen at start-up
// where the processor has it: the same single operations on twice as many
// samples at once, so the same samples (no fused multiply-add either way).
#define WIDE_WHERE_ABLE __attribute__((target_clones("avx2", "default")))

// The bits of 1.0 and the fraction bits of a double in 1..2. A phase and
// steps in 0..1 that are whole multiples of 2^-52 (every step of a tone
// between a ten-thousandth of a hertz and the sample rate, and every phase
// they lead to from 0) add up without rounding, and the phase then is a
// 52-bit fixed-point fraction.
static const uint64_t ONE_BITS = 0x3FF0000000000000u;
static const uint64_t FRACTION_BITS = 0x000FFFFFFFFFFFFFu;

// Zero when x is in 0..1 and 1 + x holds it exactly: then the fraction bits
// of 1 + x are x in 52-bit fixed point.
static uint64_t off_grid(double x)
{
    const double one_plus = 1.0 + x;
    return ((std::bit_cast<uint64_t>(one_plus) & ~FRACTION_BITS) ^ ONE_BITS) |
           (std::bit_cast<uint64_t>(one_plus - 1.0) ^ std::bit_cast<uint64_t>(x));
}

// Takes the phase through n steps, as tone_step does one by one, and gives
// the phase after each as a float in p; returns the last phase. While every
// sum is exact, the phase runs as a fraction of 52 bits whose carry out is
// the wrap round 1: one integer add a sample instead of a double add that
// each next sample waits for. The running sum of at most CHUNK steps below 1
// stays under 2^60, so the carries are dropped only at the end.
WIDE_WHERE_ABLE static double advance_phase(double phase, const double* step, float* p, int n)
{
    uint64_t fraction[CHUNK];
    uint64_t off = off_grid(phase);
    for (int j = 0; j < n; j++) {
        off |= off_grid(step[j]);
        fraction[j] = std::bit_cast<uint64_t>(1.0 + step[j]) & FRACTION_BITS;
    }
    if (off == 0) {
        uint64_t sum = std::bit_cast<uint64_t>(1.0 + phase) & FRACTION_BITS;
        for (int j = 0; j < n; j++) {
            sum += fraction[j];
            fraction[j] = sum;
        }
        for (int j = 0; j < n; j++)
            p[j] = (float)(std::bit_cast<double>((fraction[j] & FRACTION_BITS) | ONE_BITS) - 1.0);
        return std::bit_cast<double>((sum & FRACTION_BITS) | ONE_BITS) - 1.0;
    }
    for (int j = 0; j < n; j++) {
        phase = phase + step[j];
        if (phase >= 1.0 && phase < 2.0)
            phase = phase - 1.0;
        else if (!(phase >= 0.0 && phase < 1.0))
            phase = phase - floor(phase);
        p[j] = (float)phase;
    }
    return phase;
}

// Adds the next count samples of a tone that lie clear of both fades to mix,
// as tone_step would: first every sample's amplitude and step, which depend
// on its position alone and so run side by side, then the phase or the
// noise, which runs on from sample to sample, then the wave. steady is null
// unless the tone is steady, when it holds the frequency terms.
WIDE_WHERE_ABLE static void render_clear(Oscillator& o, const SteadyTone* steady, float* mix, int count)
{
    float t[CHUNK];
    float amp[CHUNK];
    float f[CHUNK];
    double step[CHUNK];
    int32_t hold[CHUNK];
    float p[CHUNK];
    const bool noise = o.wave == WAVE_NOISE;
    for (int done = 0; done < count; done += CHUNK) {
        const int n = count - done < CHUNK ? count - done : CHUNK;
        const int32_t pos = o.pos;
        const float length = (float)o.length;
        // Without a slide the slide's term is +0 (the position is not
        // negative), and the frequency before the vibrato is the same throughout.
        const double slide = o.f_end - o.f_start;
        const float unslid = (float)(o.f_start + 0.0);
        for (int j = 0; j < n; j++) {
            t[j] = (float)(pos + j) / length;
            amp[j] = o.amp_start + (o.amp_end - o.amp_start) * t[j];
        }
        if (steady || slide == 0.0) {
            const float flat = steady ? steady->f : unslid;
            for (int j = 0; j < n; j++)
                f[j] = flat;
        } else
            for (int j = 0; j < n; j++)
                f[j] = (float)(o.f_start + (double)t[j] * slide);
        if (!steady && o.vibrato != 0.0f) {
            if (o.vibrato == NOTE_VIBRATO && pos + n <= VIBRATO_TABLE && vibrato_table_ready)
                for (int j = 0; j < n; j++)
                    f[j] = f[j] * vibrato_table[pos + j];
            else
                for (int j = 0; j < n; j++)
                    f[j] = f[j] * (o.vibrato == NOTE_VIBRATO && pos + j < VIBRATO_TABLE && vibrato_table_ready
                                       ? vibrato_table[pos + j]
                                       : vibrato_factor(pos + j, o.vibrato));
        }
        o.pos = pos + n;

        if (noise) {
            if (steady)
                for (int j = 0; j < n; j++)
                    hold[j] = steady->hold;
            else
                for (int j = 0; j < n; j++)
                    hold[j] = (int32_t)((float)SAMPLE_RATE / (f[j] + 1.0f));
            for (int j = 0; j < n; j++) {
                o.noise_hold++;
                if (o.noise_hold >= hold[j]) {
                    o.noise_hold = 0;
                    o.noise_seed = o.noise_seed * 1103515245u + 12345u;
                    o.noise_value = (float)((o.noise_seed >> 16) & 0x7FFF) * (1.0f / 16384.0f) - 1.0f;
                }
                p[j] = o.noise_value;
            }
            float* out = mix + done;
            for (int j = 0; j < n; j++)
                out[j] = out[j] + amp[j] * p[j];
            continue;
        }
        if (steady)
            for (int j = 0; j < n; j++)
                step[j] = steady->step;
        else
            for (int j = 0; j < n; j++)
                step[j] = (double)(f[j] / (float)SAMPLE_RATE);
        o.phase = advance_phase(o.phase, step, p, n);
        float* out = mix + done;
        if (o.wave == WAVE_PULSE) {
            const float duty = o.duty;
            for (int j = 0; j < n; j++)
                out[j] = out[j] + amp[j] * (p[j] < duty ? 1.0f : -1.0f);
        } else if (o.wave == WAVE_TRIANGLE) {
            for (int j = 0; j < n; j++)
                out[j] = out[j] + amp[j] * (p[j] < 0.5f ? 4.0f * p[j] - 1.0f : 3.0f - 4.0f * p[j]);
        } else {
            for (int j = 0; j < n; j++)
                out[j] = out[j] + amp[j] * (2.0f * p[j] - 1.0f);
        }
    }
}

// Adds the next count samples of a tone to mix, as count calls of voice_sample would.
static void render_tone(Oscillator* osc, float* mix, int count)
{
    if (!osc->active)
        return;
    Oscillator o = *osc;
    const bool steady = is_steady(o) && o.pos < o.length;
    const SteadyTone tone = steady ? steady_tone(o) : SteadyTone{};
    int k = 0;
    while (k < count && o.active) {
        const int clear = clear_of_fades(o, count - k);
        if (clear > 0) {
            render_clear(o, steady ? &tone : nullptr, mix + k, clear);
            k += clear;
        } else {
            mix[k] = mix[k] + (steady ? tone_step<true>(o, tone) : tone_step<false>(o, tone));
            k++;
        }
    }
    *osc = o;
}

// Music voice: each sample counts its token down and reads the next one
// where it runs out, then sounds.
static void render_music_voice(Voice* v, const SongTrack* track, float* mix, int count)
{
    int k = 0;
    while (k < count) {
        if (v->note_left <= 1) {
            v->note_left--;
            read_token(v, track);
            render_tone(&v->osc, mix + k, 1);
            k++;
        } else {
            int run = count - k < v->note_left - 1 ? count - k : v->note_left - 1;
            v->note_left -= run;
            render_tone(&v->osc, mix + k, run);
            k += run;
        }
    }
}

// Effect voice: each sample sounds, then counts the segment down and moves
// to the next segment, or frees the voice, where it runs out.
static void render_effect_voice(Voice* v, float* mix, int count)
{
    int k = 0;
    while (k < count && v->effect) {
        int run = v->segment_left > 1 ? v->segment_left : 1;
        if (run > count - k)
            run = count - k;
        render_tone(&v->osc, mix + k, run);
        k += run;
        v->segment_left -= run;
        if (v->segment_left <= 0) {
            v->segment++;
            if (v->segment >= v->effect->segment_count)
                v->effect = nullptr;
            else
                load_segment(v);
        }
    }
}

// One output sample: the music and the effects each at their gain, clipped.
static inline int16_t mix_sample(float music, float gain, float effects)
{
    float s = (music * gain) * 0.6f + (effects * effect_volume) * 0.7f;
    if (s > 1.0f)
        s = 1.0f;
    else if (s < -1.0f)
        s = -1.0f;
    return (int16_t)(int32_t)(s * 30000.0f);
}

// A switched music gain moves by at most this much a sample, so the whole
// way from silence to full scale takes 5 ms and never clicks.
static const float MUSIC_GAIN_STEP = 1.0f / 240.0f;

static float step_music_gain(float gain, float wanted)
{
    if (gain < wanted)
        return gain + MUSIC_GAIN_STEP < wanted ? gain + MUSIC_GAIN_STEP : wanted;
    return gain - MUSIC_GAIN_STEP > wanted ? gain - MUSIC_GAIN_STEP : wanted;
}

void audio_render(int16_t* out, int n)
{
    // Voices are independent of each other between two calls, so each one
    // renders a block on its own; the sums keep the order of the voices.
    enum { BLOCK = 1024 };
    float m[BLOCK];
    float e[BLOCK];
    for (int done = 0; done < n; done += BLOCK) {
        int count = n - done < BLOCK ? n - done : BLOCK;
        for (int k = 0; k < count; k++) {
            m[k] = 0.0f;
            e[k] = 0.0f;
        }
        if (current_song >= 0) {
            int c = songs[current_song].track_count;
            if (c < 1)
                c = 1;
            for (int i = 0; i < c; i++)
                render_music_voice(&music_voices[i], &songs[current_song].tracks[i], m, count);
        }
        for (int j = 0; j < EFFECT_VOICES; j++)
            render_effect_voice(&effect_voices[j], e, count);
        if (music_gain == music_volume) {
            for (int k = 0; k < count; k++)
                out[done + k] = mix_sample(m[k], music_gain, e[k]);
        } else {
            for (int k = 0; k < count; k++) {
                music_gain = step_music_gain(music_gain, music_volume);
                out[done + k] = mix_sample(m[k], music_gain, e[k]);
            }
        }
    }
}

void sound_reset()
{
    lock_audio();
    std::memset(music_voices, 0, sizeof music_voices);
    std::memset(effect_voices, 0, sizeof effect_voices);
    current_song = SONG_NONE;
    samples_per_step = 0.0;
    music_volume = MUSIC_ON_VOLUME;
    music_gain = MUSIC_ON_VOLUME;
    effect_volume = 1.0f;
    unlock_audio();
}

// Sound: the synthesiser, the 16 effects, the 6 songs and the audio device.
#pragma once
#include <cstdint>

enum { SAMPLE_RATE = 48000, MUSIC_VOICES = 4, EFFECT_VOICES = 4, EFFECT_COUNT = 16, SONG_COUNT = 6 };

// One tone generator; phase and the noise fields run on from tone to tone.
struct Oscillator {
    uint32_t active;      // 1 while the tone sounds
    uint32_t wave;        // 0 pulse, 1 triangle, 2 noise, anything else saw
    double phase;         // 0 <= phase < 1 (not used by noise)
    double f_start;       // Hz at the first sample
    double f_end;         // Hz towards which the tone slides over its length
    float duty;           // pulse: the part of the period at +1
    float amp_start;
    float amp_end;
    int32_t length;       // samples
    int32_t pos;          // samples produced so far
    uint32_t noise_seed;
    float noise_value;    // the value being held, -1 <= v < 1
    int32_t noise_hold;   // samples since the value was renewed
    float vibrato;        // depth in semitones; 0 = none
};

struct EffectSegment {
    uint32_t wave;
    float f_start;
    float f_end;
    float ms;       // lasts ms * 48 samples
    float volume;   // falls linearly to volume * 0.7 over the segment
    float duty;
};

struct SoundEffect {
    int32_t segment_count;  // 1..6
    EffectSegment segments[6];
};

struct SongTrack {
    uint32_t wave;       // 0 pulse, 1 triangle, 2 drums
    float duty;
    float volume;
    const char* notes;   // note text; null for a track the song does not have
};

struct Song {
    int32_t tempo;        // quarter notes per minute
    int32_t track_count;  // 2 or 4
    SongTrack tracks[4];
};

// A music voice reads its track through cursor and counts note_left down;
// an effect voice plays effect (null = free), segment by segment.
struct Voice {
    union {
        const char* cursor;
        const SoundEffect* effect;
    };
    union {
        int32_t note_left;
        int32_t segment;
    };
    int32_t segment_left;
    Oscillator osc;
};

extern const SoundEffect sound_effects[EFFECT_COUNT];
extern const Song songs[SONG_COUNT];
extern const int32_t note_semitones[7];  // by note letter from 'a'

// The synthesiser state; the main thread changes it only under the device lock.
extern Voice music_voices[MUSIC_VOICES];
extern Voice effect_voices[EFFECT_VOICES];
extern int32_t current_song;       // -1 = no music
extern double samples_per_step;    // one sixteenth note of the current song
extern float music_volume;
extern float effect_volume;
extern uint32_t audio_device;      // the open SDL audio device, 0 = none

// Starts sound effect n (0..15; any other number is ignored).
void play_effect(int n);

// Selects song n (0..5); any other number stops the music.
void play_music(int n);

// Sets the music and effect gains in percent.
void set_volumes(int music_percent, int effect_percent);

// Produces the next sample of one oscillator and advances it by one sample.
float voice_sample(Oscillator* osc);

// Reads a music voice's next token of track and loads its oscillator.
void read_token(Voice* voice, const SongTrack* track);

// Writes n samples to out, advancing the synthesiser; takes no lock.
void audio_render(int16_t* out, int n);

// SDL's audio callback: fills len bytes of stream with audio_render.
void audio_callback(void* userdata, uint8_t* stream, int len);

// Opens and starts the default playback device; without one the game is silent.
void audio_open();

// Puts the synthesiser back as at program start (the device is left as it is).
void sound_reset();

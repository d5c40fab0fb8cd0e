// Sound: the synthesiser, the 16 effects, the 6 songs and the audio device.
#pragma once
#include <cstdint>

enum { SAMPLE_RATE = 48000, MUSIC_VOICES = 4, EFFECT_VOICES = 4, EFFECT_COUNT = 16, SONG_COUNT = 6 };

// The waveforms a tone is made of; a song track of noise is its drums.
enum : uint32_t {
    WAVE_PULSE = 0,
    WAVE_TRIANGLE = 1,
    WAVE_NOISE = 2,
    WAVE_SAW = 3,  // and any number not named here
};

// The music's volume while it is switched on, and that as the gain it gives,
// which is also the gain the synthesiser starts with.
enum { MUSIC_ON_PERCENT = 80 };
constexpr float MUSIC_ON_VOLUME = (float)MUSIC_ON_PERCENT / 100.0f;

// Sound effects, by what they sound for.
enum {
    EFFECT_JUMP = 0,         // the hero takes off
    EFFECT_MAKE_ICE = 1,     // an ice block is made
    EFFECT_SHATTER = 2,      // an ice block or a falling icicle breaks
    EFFECT_BUMP = 3,         // the hero's head or action meets something it cannot change
    EFFECT_CRACK = 4,        // an ice block cracks; an icicle starts shaking
    EFFECT_PICK_UP = 5,      // an item is taken
    EFFECT_KEY = 6,          // the key is taken
    EFFECT_DOOR = 7,         // the hero goes through the door
    EFFECT_DEATH = 8,        // the hero dies
    EFFECT_THROW = 9,        // a snowball is thrown
    EFFECT_KILL = 10,        // a snowball kills an enemy
    EFFECT_EXTRA_LIFE = 11,  // a life is won
    EFFECT_TIME = 12,        // time runs short; the hourglass or the snowflake is taken
    EFFECT_THREAT = 13,      // a portal sends an enemy; a polar bear charges
    EFFECT_BONUS = 14,       // the bonus counts over into the score
    EFFECT_MENU = 15,        // a menu action
};

// Songs, by where they play; SONG_NONE stops the music.
enum {
    SONG_NONE = -1,
    SONG_TITLE = 0,         // the title screen
    SONG_FIRST_WORLD_EVEN = 1,  // the first world's levels at even indexes of the table
    SONG_FIRST_WORLD_ODD = 2,   // and at odd ones
    SONG_ALL_DONE = 3,      // the fanfare after the last level
    SONG_SECOND_WORLD = 4,  // the levels of the second world
    SONG_LATER_WORLDS = 5,  // the levels of every world after it
};

// One tone generator; phase and the noise fields run on from tone to tone.
struct Oscillator {
    uint32_t active;      // 1 while the tone sounds
    uint32_t wave;        // a WAVE_ code
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
    uint32_t wave;  // a WAVE_ code
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
    uint32_t wave;       // WAVE_PULSE, WAVE_TRIANGLE or, for the drums, WAVE_NOISE
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

// The synthesiser state; the main thread changes it only under the device lock.
extern Voice music_voices[MUSIC_VOICES];
extern Voice effect_voices[EFFECT_VOICES];
extern int32_t current_song;       // SONG_NONE = no music
extern double samples_per_step;    // one sixteenth note of the current song
extern float music_volume;        // the music gain asked for
extern float music_gain;          // the music gain sounding now, on its way to music_volume
extern float effect_volume;
extern uint32_t audio_device;      // the open SDL audio device, 0 = none

// Starts sound effect n (an EFFECT_ code; any other number is ignored).
void play_effect(int n);

// Selects song n (a SONG_ code); any other number stops the music.
void play_music(int n);

// Sets the music and effect gains in percent, at once.
void set_volumes(int music_percent, int effect_percent);

// Moves the music gain to percent over a few milliseconds, as a switch of the music should.
void fade_music(int music_percent);

// Writes n samples to out, advancing the synthesiser; takes no lock.
void audio_render(int16_t* out, int n);

// SDL's audio callback: fills len bytes of stream with audio_render.
void audio_callback(void* userdata, uint8_t* stream, int len);

// Opens and starts the default playback device; without one the game is silent.
void audio_open();

// Puts the synthesiser back as at program start (the device is left as it is).
void sound_reset();

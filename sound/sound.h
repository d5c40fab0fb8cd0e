// Sound: the synthesiser, the 16 effects, the 6 songs and the audio device.
#pragma once
#include <cstdint>

// Starts sound effect n (0..15; any other number is ignored).
void play_effect(int n);

// Selects song n (0..5); any other number stops the music.
void play_music(int n);

// Sets the music and effect gains in percent.
void set_volumes(int music_percent, int effect_percent);

// Writes n samples to out, advancing the synthesiser; takes no lock.
void audio_render(int16_t* out, int n);

// Opens and starts the default playback device; without one the game is silent.
void audio_open();

// The synthesiser's inner steps: used by the files of the sound folder and
// by the tests that pin them, never by the rest of the game.
#pragma once
#include "sound/sound.h"

// The vibrato depth, in semitones, that long notes carry.
constexpr float NOTE_VIBRATO = 0.12f;

// Semitones above c of each note letter, by letter from 'a'.
extern const int32_t note_semitones[7];

// Produces the next sample of one oscillator and advances it by one sample.
float voice_sample(Oscillator* osc);

// Reads a music voice's next token of track and loads its oscillator.
void read_token(Voice* voice, const SongTrack* track);

// Sound: operations shared by the files of this folder only.
#pragma once
#include "sound/synth_internal.h"

// Takes and releases the audio device's lock, only while a device is open.
void lock_audio();
void unlock_audio();

// Fills the table of the notes' vibrato, once; before the first song sounds.
void prepare_vibrato();

// Loads segment voice->segment of voice->effect into the voice's oscillator.
void load_segment(Voice* voice);

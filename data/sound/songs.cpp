// The six songs as note text: tokens such as c5/4 (note c, octave 5, four
// sixteenths long), f#4/1, r/4 (rest) and, on drum tracks, k, s and h
// (kick, snare, hi-hat). Each track loops at its own end.
#include "sound/sound.h"

const Song songs[SONG_COUNT] = {
    // 0: title; A minor over an A pedal
    {92, 4, {
        // melody
        {WAVE_TRIANGLE, 0.5f, 0.55f,
         "a4/4 c5/4 e5/4 d5/2 c5/2 "
         "b4/8 g4/4 b4/4 "
         "c5/4 d5/4 e5/12 r/4 f5/4 e5/4 "
         "d5/4 c5/4 b4/4 c5/2 d5/2 "
         "e5/8 a4/4 b4/4 "
         "c5/4 b4/4 a4/16 "},
        // broken chords over the pedal: A minor, coloured by its seventh and
        // eleventh, with only a, d, e and g on the beats (the melody may be on
        // any of its notes there) and c between them
        {WAVE_PULSE, 0.125f, 0.12f,
         "a3/1 e4/1 a4/1 c5/1 e5/1 c5/1 a4/1 e4/1 a3/1 d4/1 g4/1 c5/1 e5/1 c5/1 g4/1 e4/1 "
         "a3/1 e4/1 g4/1 c5/1 e5/1 c5/1 g4/1 e4/1 a3/1 e4/1 g4/1 c5/1 d5/1 c5/1 g4/1 e4/1 "
         "a3/1 d4/1 a4/1 c5/1 e5/1 c5/1 a4/1 d4/1 a3/1 d4/1 g4/1 c5/1 d5/1 c5/1 g4/1 e4/1 "
         "a3/1 e4/1 a4/1 c5/1 e5/1 c5/1 a4/1 e4/1 a3/1 d4/1 g4/1 c5/1 e5/1 a4/1 e4/1 a3/1 "},
        // bass: an A pedal, so that the melody, which slips 8 steps against
        // these tracks on every pass, meets the same harmony wherever it is
        {WAVE_TRIANGLE, 0.5f, 0.35f,
         "a2/16 "
         "a2/16 "
         "a2/16 "
         "a2/16 "},
        // drums
        {WAVE_NOISE, 0, 0,
         ""},
    }},
    // 1: levels of the first world, even level index; C major, C Am F G C Am D7 G
    {132, 4, {
        // melody
        {WAVE_PULSE, 0.25f, 0.22f,
         "g4/2 c5/2 e5/2 g5/2 e5/4 d5/2 c5/2 "
         "a4/2 c5/2 e5/2 a5/10 "
         "a5/2 g5/2 f5/2 e5/2 f5/4 a5/4 "
         "g5/4 d5/12 "
         "g4/2 c5/2 e5/2 g5/2 c6/4 b5/2 a5/2 "
         "a5/2 g5/2 e5/4 c5/4 e5/4 "
         "f#5/2 e5/2 d5/2 f#5/2 a5/4 c6/4 "
         "b5/12 r/4 "},
        // broken chords
        {WAVE_PULSE, 0.125f, 0.08f,
         "c4/1 e4/1 g4/1 c5/1 g4/1 e4/1 c4/1 e4/1 c4/1 e4/1 g4/1 c5/1 g4/1 e4/1 c4/1 e4/1 "
         "a3/1 c4/1 e4/1 a4/1 e4/1 c4/1 a3/1 c4/1 a3/1 c4/1 e4/1 a4/1 e4/1 c4/1 a3/1 c4/1 "
         "f3/1 a3/1 c4/1 f4/1 c4/1 a3/1 f3/1 a3/1 f3/1 a3/1 c4/1 f4/1 c4/1 a3/1 f3/1 a3/1 "
         "g3/1 b3/1 d4/1 g4/1 d4/1 b3/1 g3/1 b3/1 g3/1 b3/1 d4/1 g4/1 d4/1 b3/1 g3/1 b3/1 "
         "c4/1 e4/1 g4/1 c5/1 g4/1 e4/1 c4/1 e4/1 c4/1 e4/1 g4/1 c5/1 g4/1 e4/1 c4/1 e4/1 "
         "a3/1 c4/1 e4/1 a4/1 e4/1 c4/1 a3/1 c4/1 a3/1 c4/1 e4/1 a4/1 e4/1 c4/1 a3/1 c4/1 "
         "d4/1 f#4/1 a4/1 c5/1 a4/1 f#4/1 d4/1 f#4/1 d4/1 f#4/1 a4/1 c5/1 a4/1 f#4/1 d4/1 f#4/1 "
         "g3/1 b3/1 d4/1 g4/1 d4/1 b3/1 g3/1 b3/1 g3/1 b3/1 d4/1 g4/1 d4/1 b3/1 g3/1 b3/1 "},
        // bass
        {WAVE_TRIANGLE, 0.5f, 0.45f,
         "c2/2 c3/2 g2/2 c3/2 c2/2 c3/2 g2/2 c3/2 "
         "a2/2 a3/2 e3/2 a3/2 a2/2 a3/2 e3/2 a3/2 "
         "f2/2 f3/2 c3/2 f3/2 f2/2 f3/2 c3/2 f3/2 "
         "g2/2 g3/2 d3/2 g3/2 g2/2 g3/2 d3/2 b2/2 "
         "c2/2 c3/2 g2/2 c3/2 c2/2 c3/2 g2/2 c3/2 "
         "a2/2 a3/2 e3/2 a3/2 a2/2 a3/2 e3/2 a3/2 "
         "d2/2 d3/2 a2/2 d3/2 d2/2 d3/2 a2/2 c3/2 "
         "g2/2 g3/2 d3/2 g3/2 g2/2 g3/2 d3/2 b2/2 "},
        // drums
        {WAVE_NOISE, 0, 0.25f,
         "k/2 h/2 s/2 h/2 k/2 h/2 s/2 h/1 h/1 "},
    }},
    // 2: levels of the first world, odd level index; C major, F G Em Am F G C C
    {120, 4, {
        // melody
        {WAVE_PULSE, 0.5f, 0.16f,
         "c5/4 a4/2 c5/2 f5/4 c5/4 "
         "d5/4 b4/2 d5/2 g5/4 f5/4 "
         "e5/2 g5/2 b5/4 a5/2 g5/2 e5/4 "
         "a5/8 g5/2 f5/2 e5/4 "
         "c5/4 a4/2 c5/2 f5/2 g5/2 a5/4 "
         "b5/4 g5/2 d5/2 g5/4 a5/2 b5/2 "
         "c6/4 g5/2 a5/2 g5/2 e5/2 d5/2 e5/2 "
         "c5/12 r/4 "},
        // broken chords
        {WAVE_PULSE, 0.25f, 0.07f,
         "f3/2 c4/2 f4/2 a4/2 f3/2 c4/2 f4/2 a4/2 "
         "g3/2 d4/2 g4/2 b4/2 g3/2 d4/2 g4/2 b4/2 "
         "e3/2 b3/2 e4/2 g4/2 e3/2 b3/2 e4/2 g4/2 "
         "a3/2 e4/2 a4/2 c5/2 a3/2 e4/2 a4/2 c5/2 "
         "f3/2 c4/2 f4/2 a4/2 f3/2 c4/2 f4/2 a4/2 "
         "g3/2 d4/2 g4/2 b4/2 g3/2 d4/2 g4/2 b4/2 "
         "c4/2 g4/2 c5/2 e5/2 c4/2 g4/2 c5/2 e5/2 "
         "c4/2 g4/2 c5/2 e5/2 c4/2 g4/2 c5/2 e5/2 "},
        // bass
        {WAVE_TRIANGLE, 0.5f, 0.45f,
         "f2/4 c3/4 f3/4 c3/4 "
         "g2/4 d3/4 g3/4 d3/4 "
         "e2/4 b2/4 e3/4 b2/4 "
         "a2/4 e3/4 a3/4 e3/4 "
         "f2/4 c3/4 f3/4 c3/4 "
         "g2/4 d3/4 g3/4 d3/4 "
         "c2/4 g2/4 c3/4 g2/4 "
         "c3/4 g2/4 e2/4 g2/4 "},
        // drums
        {WAVE_NOISE, 0, 0.22f,
         "k/3 h/1 h/2 h/2 s/2 h/2 k/2 h/2 "
         "k/2 h/2 h/2 h/2 s/2 h/2 h/1 h/1 h/2 "},
    }},
    // 3: all levels done: a bugle fanfare on the C major triad. It loops on
    // through name entry with its two tracks 76 and 80 steps long, so the
    // melody meets the bass at every shift of 4 steps: one chord throughout
    // keeps every one of those meetings consonant.
    {140, 2, {
        // melody
        {WAVE_PULSE, 0.25f, 0.25f,
         "g4/2 g4/2 c5/4 e5/2 e5/2 g5/4 "
         "e5/2 g5/2 a5/2 g5/2 c6/4 e6/4 "
         "c6/12 r/32 "},
        // bass: the triad broken, its low c held across a bar line so that
        // each bar sounds more than one note of the chord
        {WAVE_TRIANGLE, 0.5f, 0.4f,
         "c3/4 e3/4 g2/4 c2/16 "
         "g2/4 c3/4 e3/4 g3/4 c3/4 "
         "r/32 "},
        {},  // no third track
        {},  // nor a fourth
    }},
    // 4: levels after one change of world; E minor, Em C G D Em C Am D
    {108, 4, {
        // melody
        {WAVE_TRIANGLE, 0.5f, 0.5f,
         "b4/6 e5/2 g5/6 b5/2 "
         "e5/2 g5/6 c6/2 g5/6 "
         "b5/6 a5/2 g5/8 "
         "a5/2 f#5/2 d5/2 f#5/2 a5/8 "
         "e5/6 g5/2 b5/6 a5/2 "
         "g5/2 e5/6 g5/2 c5/6 "
         "c6/8 a5/4 e5/4 "
         "d5/16 "},
        // broken chords
        {WAVE_PULSE, 0.125f, 0.07f,
         "e3/1 b3/1 e4/1 g4/1 e4/1 b3/1 e3/1 g3/1 e3/1 b3/1 e4/1 g4/1 e4/1 b3/1 e3/1 g3/1 "
         "c4/1 g4/1 c5/1 e5/1 c5/1 g4/1 c4/1 e4/1 c4/1 g4/1 c5/1 e5/1 c5/1 g4/1 c4/1 e4/1 "
         "g3/1 d4/1 g4/1 b4/1 g4/1 d4/1 g3/1 b3/1 g3/1 d4/1 g4/1 b4/1 g4/1 d4/1 g3/1 b3/1 "
         "d4/1 a4/1 d5/1 f#5/1 d5/1 a4/1 d4/1 f#4/1 d4/1 a4/1 d5/1 f#5/1 d5/1 a4/1 d4/1 f#4/1 "
         "e3/1 b3/1 e4/1 g4/1 e4/1 b3/1 e3/1 g3/1 e3/1 b3/1 e4/1 g4/1 e4/1 b3/1 e3/1 g3/1 "
         "c4/1 g4/1 c5/1 e5/1 c5/1 g4/1 c4/1 e4/1 c4/1 g4/1 c5/1 e5/1 c5/1 g4/1 c4/1 e4/1 "
         "a3/1 e4/1 a4/1 c5/1 a4/1 e4/1 a3/1 c4/1 a3/1 e4/1 a4/1 c5/1 a4/1 e4/1 a3/1 c4/1 "
         "d4/1 a4/1 d5/1 f#5/1 d5/1 a4/1 d4/1 f#4/1 d4/1 a4/1 d5/1 f#5/1 d5/1 a4/1 d4/1 f#4/1 "},
        // bass
        {WAVE_TRIANGLE, 0.5f, 0.42f,
         "e2/2 b2/2 e3/2 b2/2 e2/2 b2/2 e3/2 b2/2 "
         "c2/2 g2/2 c3/2 g2/2 c2/2 g2/2 c3/2 g2/2 "
         "g2/2 d3/2 g3/2 d3/2 g2/2 d3/2 g3/2 d3/2 "
         "d2/2 a2/2 d3/2 a2/2 d2/2 a2/2 d3/2 a2/2 "
         "e2/2 b2/2 e3/2 b2/2 e2/2 b2/2 e3/2 b2/2 "
         "c2/2 g2/2 c3/2 g2/2 c2/2 g2/2 c3/2 g2/2 "
         "a2/2 e3/2 a3/2 e3/2 a2/2 e3/2 a3/2 e3/2 "
         "d2/2 a2/2 d3/2 a2/2 d2/2 a2/2 d3/2 a2/2 "},
        // drums
        {WAVE_NOISE, 0, 0.18f,
         "k/4 h/2 h/2 s/4 h/2 h/2 "},
    }},
    // 5: levels after more changes of world; D dorian, Dm G Dm C F G Em Am,
    // driven by a 3 + 3 + 2 figure in the broken chords and the tune
    {126, 4, {
        // melody
        {WAVE_PULSE, 0.25f, 0.2f,
         "a4/3 d5/3 f5/2 a5/8 "
         "b5/3 a5/3 g5/2 d5/4 e5/4 "
         "f5/6 e5/2 d5/4 a4/4 "
         "c5/2 d5/2 e5/4 r/4 g5/4 "
         "a5/3 c6/3 a5/4 g5/2 f5/4 "
         "b5/3 d6/3 b5/2 a5/4 g5/4 "
         "g5/6 e5/2 b4/4 e5/4 "
         "c5/3 e5/3 a5/10 "},
        // broken chords: root, fifth, octave twice, then the third
        {WAVE_PULSE, 0.125f, 0.07f,
         "d4/1 a4/1 d5/1 d4/1 a4/1 d5/1 f4/1 a4/1 d4/1 a4/1 d5/1 d4/1 a4/1 d5/1 f5/1 d5/1 "
         "g3/1 d4/1 g4/1 g3/1 d4/1 g4/1 b3/1 d4/1 g3/1 d4/1 g4/1 g3/1 d4/1 g4/1 b4/1 g4/1 "
         "d4/1 a4/1 d5/1 d4/1 a4/1 d5/1 f4/1 a4/1 d4/1 a4/1 d5/1 d4/1 a4/1 d5/1 f5/1 d5/1 "
         "c4/1 g4/1 c5/1 c4/1 g4/1 c5/1 e4/1 g4/1 c4/1 g4/1 c5/1 c4/1 g4/1 c5/1 e5/1 c5/1 "
         "f3/1 c4/1 f4/1 f3/1 c4/1 f4/1 a3/1 c4/1 f3/1 c4/1 f4/1 f3/1 c4/1 f4/1 a4/1 f4/1 "
         "g3/1 d4/1 g4/1 g3/1 d4/1 g4/1 b3/1 d4/1 g3/1 d4/1 g4/1 g3/1 d4/1 g4/1 b4/1 g4/1 "
         "e3/1 b3/1 e4/1 e3/1 b3/1 e4/1 g3/1 b3/1 e3/1 b3/1 e4/1 e3/1 b3/1 e4/1 g4/1 e4/1 "
         "a3/1 e4/1 a4/1 a3/1 e4/1 a4/1 c4/1 e4/1 a3/1 e4/1 a4/1 a3/1 e4/1 a4/1 c5/1 a4/1 "},
        // bass: root held, root and fifth, octave, fifth and third
        {WAVE_TRIANGLE, 0.5f, 0.45f,
         "d2/4 d2/2 a2/2 d3/4 a2/2 f2/2 "
         "g2/4 g2/2 d3/2 g3/4 d3/2 b2/2 "
         "d2/4 d2/2 a2/2 d3/4 a2/2 f2/2 "
         "c2/4 c2/2 g2/2 c3/4 g2/2 e2/2 "
         "f2/4 f2/2 c3/2 f3/4 c3/2 a2/2 "
         "g2/4 g2/2 d3/2 g3/4 d3/2 b2/2 "
         "e2/4 e2/2 b2/2 e3/4 b2/2 g2/2 "
         "a2/4 a2/2 e3/2 a3/4 e3/2 c3/2 "},
        // drums
        {WAVE_NOISE, 0, 0.2f,
         "k/4 h/1 h/1 h/2 s/4 h/1 h/1 h/1 h/1 "},
    }},
};

// Sound: selecting a song and reading the note text of its tracks.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include "sound/local.h"

const int32_t note_semitones[7] = {9, 11, 0, 2, 4, 5, 7};

// The longest token, in samples; also how long a track with nothing to play waits.
static const int32_t LONGEST_TOKEN = 1 << 30;

// Music voice i's noise starts from this seed plus i, the same on every start of a song.
static const uint32_t FIRST_NOISE_SEED = 12345u;

void play_music(int n)
{
    lock_audio();
    if ((unsigned)n >= SONG_COUNT) {
        current_song = SONG_NONE;
        unlock_audio();
        return;
    }
    if (n == current_song) {
        unlock_audio();
        return;
    }
    prepare_vibrato();
    current_song = n;
    samples_per_step = (60.0 * (double)SAMPLE_RATE / songs[n].tempo) * 0.25;
    std::memset(music_voices, 0, sizeof music_voices);
    for (int i = 0; i < MUSIC_VOICES; i++) {
        const char* notes = songs[n].tracks[i].notes;
        music_voices[i].cursor = notes ? notes : "";
        music_voices[i].osc.noise_seed = FIRST_NOISE_SEED + (uint32_t)i;
    }
    unlock_audio();
}

static bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

// The most characters of a token that are read; the rest of a longer run
// is read as a token of its own.
enum { TOKEN_CHARS = 15 };

// Notes at least this many sixteenths long swing with the vibrato.
enum { VIBRATO_STEPS = 6 };

// Pitch: a4 sounds at 440 Hz and lies this many semitones above c0.
static const double A4_HZ = 440.0;
enum { A4_SEMITONES = 57 };

// A note's amplitude falls to this share of the track's volume over the note.
static const float NOTE_DECAY = 0.55f;

// The drums of a drum track, named by the first letter of their tokens: each
// a burst of noise that slides from f_start to f_end and dies away over its
// own length, whatever the token's length. The last one is also what any
// other letter plays.
struct Drum {
    char letter;
    double f_start;
    double f_end;
    int32_t length;  // samples
    float loudness;  // times the track's volume
};

static const Drum drums[] = {
    {'k', 220.0, 40.0, SAMPLE_RATE * 120 / 1000, 1.6f},     // kick
    {'s', 3000.0, 1500.0, SAMPLE_RATE * 100 / 1000, 1.1f},  // snare
    {'h', 9000.0, 9000.0, SAMPLE_RATE * 35 / 1000, 0.45f},  // hi-hat
};

// Moves the cursor to the next token, going round to the start of the text
// at its end; false once the text has shown that it has nothing to play.
static bool find_token(Voice* v, const char* text, int* ends_met)
{
    for (;;) {
        while (*v->cursor == ' ')
            v->cursor++;
        if (*v->cursor != '\0')
            return true;
        v->cursor = text;
        if (*text == '\0' || ++*ends_met == 2)
            return false;
    }
}

// Copies the token at the cursor, at most TOKEN_CHARS of it, into token and
// moves the cursor past what it took.
static void take_token(Voice* v, char token[TOKEN_CHARS + 1])
{
    int len = 0;
    while (len < TOKEN_CHARS && v->cursor[len] != ' ' && v->cursor[len] != '\0') {
        token[len] = v->cursor[len];
        len++;
    }
    token[len] = '\0';
    v->cursor += len;
}

// The token's length in sixteenths, the number after its slash or 1 without
// one; cuts the token off at the slash.
static long token_steps(char* token)
{
    char* slash = std::strchr(token, '/');
    if (!slash)
        return 1;
    *slash = '\0';
    return std::strtol(slash + 1, nullptr, 10);
}

// A length of steps sixteenths in samples, held within a token's longest.
static int32_t token_samples(long steps)
{
    double samples = (double)steps * samples_per_step;
    if (samples >= LONGEST_TOKEN)
        return LONGEST_TOKEN;
    if (samples <= -LONGEST_TOKEN)
        return -LONGEST_TOKEN;
    return (int32_t)samples;
}

// The drum a drum token's first letter names.
static const Drum* drum_of(char letter)
{
    const Drum* d = drums;
    while (d->letter != letter && d + 1 < std::end(drums))
        d++;
    return d;
}

// Starts the drum on the oscillator at the track's volume.
static void load_drum(Oscillator* osc, const Drum* drum, const SongTrack* track)
{
    osc->active = 1;
    osc->wave = WAVE_NOISE;
    osc->amp_end = 0.0f;
    osc->f_start = drum->f_start;
    osc->f_end = drum->f_end;
    osc->length = drum->length;
    osc->amp_start = drum->loudness * track->volume;
}

// The pitch a note token names in semitones above c0: its letter in either
// case, a sharp (#) or a flat (b before a digit), then its octave; false for
// a token that names no note.
static bool note_pitch(const char* token, long* pitch)
{
    char letter = token[0];
    if (letter >= 'A' && letter <= 'Z')
        letter = (char)(letter - 'A' + 'a');
    if (letter < 'a' || letter > 'g')
        return false;
    long semitone = note_semitones[letter - 'a'];
    const char* octave_text = token + 1;
    if (token[1] == '#') {
        semitone++;
        octave_text = token + 2;
    } else if (token[1] == 'b' && is_digit(token[2])) {
        semitone--;
        octave_text = token + 2;
    }
    long octave = std::strtol(octave_text, nullptr, 10);
    *pitch = semitone + 12 * octave;
    return true;
}

// Starts a note of the pitch, steps sixteenths long, on the oscillator in
// the track's sound.
static void load_note(Oscillator* osc, long pitch, long steps, const SongTrack* track)
{
    double f = A4_HZ * exp2((double)(pitch - A4_SEMITONES) / 12.0);
    osc->f_start = f;
    osc->f_end = f;
    osc->active = 1;
    osc->wave = track->wave;
    osc->duty = track->duty;
    osc->amp_start = track->volume;
    osc->amp_end = track->volume * NOTE_DECAY;
    osc->vibrato = steps >= VIBRATO_STEPS ? NOTE_VIBRATO : 0.0f;
}

void read_token(Voice* v, const SongTrack* track)
{
    Oscillator* osc = &v->osc;
    const char* text = track->notes ? track->notes : "";
    int ends_met = 0;
    for (;;) {
        // A text with nothing to play, empty or not, must not keep the
        // reader going round: the track rests as long as a token can last.
        if (!find_token(v, text, &ends_met)) {
            v->note_left = LONGEST_TOKEN;
            return;
        }
        char token[TOKEN_CHARS + 1];
        take_token(v, token);
        // The length is set before the token's kind is known: a token that
        // is no note leaves it for the next one to set again.
        const long steps = token_steps(token);
        const int32_t length = token_samples(steps);
        v->note_left = length;
        osc->length = length;
        osc->pos = 0;

        if (token[0] == 'r') {
            osc->active = 0;
            return;
        }
        if (track->wave == WAVE_NOISE) {
            load_drum(osc, drum_of(token[0]), track);
            return;
        }
        long pitch;
        if (note_pitch(token, &pitch)) {
            load_note(osc, pitch, steps, track);
            return;
        }
    }
}

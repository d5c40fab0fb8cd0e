// Sound: selecting a song and reading the note text of its tracks.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include "sound/local.h"

const int32_t note_semitones[7] = {9, 11, 0, 2, 4, 5, 7};

// The longest token, in samples; also how long a track with nothing to play waits.
static const int32_t LONGEST_TOKEN = 1 << 30;

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
        music_voices[i].osc.noise_seed = 12345u + (uint32_t)i;
    }
    unlock_audio();
}

static bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

void read_token(Voice* v, const SongTrack* track)
{
    Oscillator* osc = &v->osc;
    const char* text = track->notes ? track->notes : "";
    int ends_met = 0;
    for (;;) {
        while (*v->cursor == ' ')
            v->cursor++;
        if (*v->cursor == '\0') {
            v->cursor = text;
            // A text with nothing to play, empty or not, must not keep the
            // reader going round: the track rests as long as a token can last.
            if (*text == '\0' || ++ends_met == 2) {
                v->note_left = LONGEST_TOKEN;
                return;
            }
            continue;
        }

        char token[16];
        int len = 0;
        while (len < 15 && v->cursor[len] != ' ' && v->cursor[len] != '\0') {
            token[len] = v->cursor[len];
            len++;
        }
        token[len] = '\0';
        v->cursor += len;

        long steps = 1;
        char* slash = std::strchr(token, '/');
        if (slash) {
            steps = std::strtol(slash + 1, nullptr, 10);
            *slash = '\0';
        }
        double samples = (double)steps * samples_per_step;
        int32_t length;
        if (samples >= LONGEST_TOKEN)
            length = LONGEST_TOKEN;
        else if (samples <= -LONGEST_TOKEN)
            length = -LONGEST_TOKEN;
        else
            length = (int32_t)samples;
        v->note_left = length;
        osc->length = length;
        osc->pos = 0;

        if (token[0] == 'r') {
            osc->active = 0;
            return;
        }
        if (track->wave == 2) {
            osc->active = 1;
            osc->wave = 2;
            osc->amp_end = 0.0f;
            if (token[0] == 'k') {
                osc->f_start = 220.0;
                osc->f_end = 40.0;
                osc->length = 5760;
                osc->amp_start = 1.6f * track->volume;
            } else if (token[0] == 's') {
                osc->f_start = 3000.0;
                osc->f_end = 1500.0;
                osc->length = 4800;
                osc->amp_start = 1.1f * track->volume;
            } else {
                osc->f_start = 9000.0;
                osc->f_end = 9000.0;
                osc->length = 1680;
                osc->amp_start = 0.45f * track->volume;
            }
            return;
        }

        char letter = token[0];
        if (letter >= 'A' && letter <= 'Z')
            letter = (char)(letter - 'A' + 'a');
        if (letter < 'a' || letter > 'g')
            continue;
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
        double f = 440.0 * exp2((double)(semitone + 12 * octave - 57) / 12.0);
        osc->f_start = f;
        osc->f_end = f;
        osc->active = 1;
        osc->wave = track->wave;
        osc->duty = track->duty;
        osc->amp_start = track->volume;
        osc->amp_end = track->volume * 0.55f;
        osc->vibrato = steps >= 6 ? 0.12f : 0.0f;
        return;
    }
}

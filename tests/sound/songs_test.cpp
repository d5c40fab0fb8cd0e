// Songs: the note-text reader, selecting and stopping songs, looping.
#include <gtest/gtest.h>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include "sound/synth_internal.h"

namespace {

const double STEP_AT_92 = (2880000.0 / 92) * 0.25;

const SongTrack tone_track = {WAVE_TRIANGLE, 0.5f, 0.55f, "c4/1 "};
const SongTrack drum_track = {WAVE_NOISE, 0.0f, 0.25f, "k/1 "};

struct Songs : ::testing::Test {
    void SetUp() override
    {
        sound_reset();
        samples_per_step = STEP_AT_92;
    }
};

Voice read_one(const char* text, const SongTrack& track)
{
    Voice v{};
    v.cursor = text;
    read_token(&v, &track);
    return v;
}

TEST_F(Songs, NoteTokensGivePitchLengthAndVibrato)
{
    struct Case { const char* text; double hz; int length; float vibrato; };
    const Case cases[] = {
        {"a4/4", 440.0, 31304, 0.0f},
        {"a4", 440.0, 7826, 0.0f},
        {"c4/1", 261.63, 7826, 0.0f},
        {"C4/1", 261.63, 7826, 0.0f},    // the letter may be upper case
        {"c#4/2", 277.18, 15652, 0.0f},
        {"g#5/3", 830.61, 23478, 0.0f},
        {"bb3", 233.08, 7826, 0.0f},
        {"b3", 246.94, 7826, 0.0f},
        {"ab", 27.5, 7826, 0.0f},        // no digit after the b: no flat, octave 0
        {"e5/12", 659.26, 93913, NOTE_VIBRATO},
        {"e5/6", 659.26, 46956, NOTE_VIBRATO},
        {"e5/5", 659.26, 39130, 0.0f},
        {"c4/0", 261.63, 0, 0.0f},
        {"c4/x", 261.63, 0, 0.0f},       // no digits: no steps
        {"c4/-3", 261.63, -23478, 0.0f},
        {"c4/+3", 261.63, 23478, 0.0f},
    };
    for (const Case& c : cases) {
        Voice v = read_one(c.text, tone_track);
        EXPECT_EQ(v.osc.active, 1u) << c.text;
        EXPECT_NEAR(v.osc.f_start, c.hz, 0.01) << c.text;
        EXPECT_EQ(v.osc.f_end, v.osc.f_start) << c.text;
        EXPECT_EQ(v.note_left, c.length) << c.text;
        EXPECT_EQ(v.osc.length, c.length) << c.text;
        EXPECT_EQ(v.osc.vibrato, c.vibrato) << c.text;
        EXPECT_EQ(v.osc.wave, WAVE_TRIANGLE) << c.text;
        EXPECT_EQ(v.osc.duty, 0.5f) << c.text;
        EXPECT_EQ(v.osc.amp_start, 0.55f) << c.text;
        EXPECT_FLOAT_EQ(v.osc.amp_end, 0.3025f) << c.text;
        EXPECT_EQ(v.cursor, c.text + std::strlen(c.text)) << c.text;
    }
}

TEST_F(Songs, RestSilencesTheVoiceForItsLength)
{
    Voice v{};
    v.cursor = "r/4 ";
    v.osc.active = 1;
    v.osc.pos = 500;
    v.osc.f_start = 123.0;
    read_token(&v, &tone_track);
    EXPECT_EQ(v.osc.active, 0u);
    EXPECT_EQ(v.note_left, 31304);
    EXPECT_EQ(v.osc.length, 31304);
    EXPECT_EQ(v.osc.pos, 0);
    EXPECT_EQ(v.osc.f_start, 123.0);
}

TEST_F(Songs, DrumTokensHitByTheirFirstLetter)
{
    struct Case { const char* text; double f_start, f_end; int length; float amp; uint32_t active; };
    const Case cases[] = {
        {"k/2", 220.0, 40.0, 5760, 1.6f * 0.25f, 1},
        {"s/2", 3000.0, 1500.0, 4800, 1.1f * 0.25f, 1},
        {"h/2", 9000.0, 9000.0, 1680, 0.45f * 0.25f, 1},
        {"x4/2", 9000.0, 9000.0, 1680, 0.45f * 0.25f, 1},  // anything else is a hi-hat
        {"K/2", 9000.0, 9000.0, 1680, 0.45f * 0.25f, 1},
        {"R/2", 9000.0, 9000.0, 1680, 0.45f * 0.25f, 1},
        {"r/2", 0.0, 0.0, 15652, 0.0f, 0},                 // a rest
    };
    for (const Case& c : cases) {
        Voice v{};
        v.cursor = c.text;
        v.osc.duty = 0.3f;
        v.osc.vibrato = 0.7f;
        read_token(&v, &drum_track);
        EXPECT_EQ(v.note_left, 15652) << "the token's own length: " << c.text;
        EXPECT_EQ(v.osc.active, c.active) << c.text;
        EXPECT_EQ(v.osc.length, c.length) << c.text;
        EXPECT_EQ(v.osc.f_start, c.f_start) << c.text;
        EXPECT_EQ(v.osc.f_end, c.f_end) << c.text;
        EXPECT_EQ(v.osc.amp_start, c.amp) << c.text;
        EXPECT_EQ(v.osc.amp_end, 0.0f) << c.text;
        if (c.active) {
            EXPECT_EQ(v.osc.wave, WAVE_NOISE) << c.text;
        }
        EXPECT_EQ(v.osc.duty, 0.3f) << c.text;
        EXPECT_EQ(v.osc.vibrato, 0.7f) << c.text;
    }
}

TEST_F(Songs, TokensThatAreNoNoteTakeNoTime)
{
    for (const char* text : {"x4/2 c4/1 ", "R/2 c4/1 ", "/4 c4/1 ", "  h  c4/1 "}) {
        Voice v = read_one(text, tone_track);
        EXPECT_NEAR(v.osc.f_start, 261.63, 0.01) << text;
        EXPECT_EQ(v.note_left, 7826) << text;
        EXPECT_EQ(std::string(v.cursor), " ") << text;
    }
}

TEST_F(Songs, LongRunOfCharactersIsCutAfterFifteen)
{
    const char* text = "c4/2xxxxxxxxxxxxx d4/1 ";
    Voice v = read_one(text, tone_track);
    EXPECT_EQ(v.cursor, text + 15);
    EXPECT_EQ(v.note_left, 15652);
    read_token(&v, &tone_track);  // the rest, "xx", is skipped as a token of its own
    EXPECT_NEAR(v.osc.f_start, 293.66, 0.01);
}

TEST_F(Songs, ReaderWrapsToTheStartOfItsTrack)
{
    const SongTrack track = {WAVE_PULSE, 0.25f, 0.2f, "c4/1 d4/1 "};
    Voice v{};
    v.cursor = track.notes + 9;  // at the trailing space
    read_token(&v, &track);
    EXPECT_NEAR(v.osc.f_start, 261.63, 0.01);
    EXPECT_EQ(v.cursor, track.notes + 4);
}

TEST_F(Songs, TrackWithNothingToPlayRestsInsteadOfReadingForEver)
{
    for (const char* text : {"", "    ", "x4/2 R/2 zz ", "/4 "}) {
        const SongTrack track = {WAVE_PULSE, 0.25f, 0.2f, text};
        Voice v{};
        v.cursor = text;
        v.osc.f_start = 123.0;
        read_token(&v, &track);
        EXPECT_EQ(v.note_left, 1 << 30) << '"' << text << '"';
        EXPECT_EQ(v.cursor, text) << '"' << text << '"';
        EXPECT_EQ(v.osc.active, 0u) << '"' << text << '"';
        EXPECT_EQ(v.osc.f_start, 123.0) << '"' << text << '"';
    }
}

TEST_F(Songs, StepCountTooLargeForASampleCountIsClamped)
{
    struct Case { const char* text; int length; };
    const Case cases[] = {
        {"c4/99999999999", 1 << 30},
        {"c4/-99999999999", -(1 << 30)},
        {"r/999999999999", 1 << 30},
        {"c4/137200", 1073739130},  // the longest that still fits at tempo 92
        {"c4/137201", 1 << 30},
    };
    for (const Case& c : cases) {
        Voice v = read_one(c.text, tone_track);
        EXPECT_EQ(v.note_left, c.length) << c.text;
        EXPECT_EQ(v.osc.length, c.length) << c.text;
    }
}

TEST_F(Songs, StepIsASixteenthOfTheSongsTempo)
{
    struct Case { int song; double step; };
    const Case cases[] = {{0, 7826.087}, {1, 5454.545}, {2, 6000.0}, {3, 5142.857}};
    for (const Case& c : cases) {
        play_music(c.song);
        EXPECT_NEAR(samples_per_step, c.step, 0.001) << c.song;
    }
}

TEST_F(Songs, SelectingASongStartsEveryTrackFromItsBeginning)
{
    std::vector<int16_t> out(20000);
    play_music(1);
    audio_render(out.data(), (int)out.size());
    play_music(3);
    EXPECT_EQ(current_song, 3);
    for (int i = 0; i < MUSIC_VOICES; i++) {
        const char* notes = songs[3].tracks[i].notes;
        EXPECT_STREQ(music_voices[i].cursor, notes ? notes : "") << i;
        EXPECT_EQ(music_voices[i].note_left, 0) << i;
        EXPECT_EQ(music_voices[i].osc.noise_seed, 12345u + i) << i;
        EXPECT_EQ(music_voices[i].osc.phase, 0.0) << i;
        EXPECT_EQ(music_voices[i].osc.active, 0u) << i;
    }
    // Song 3 has two tracks: the other two voices are not touched.
    audio_render(out.data(), 1000);
    EXPECT_EQ(music_voices[2].note_left, 0);
    EXPECT_EQ(music_voices[3].note_left, 0);
    EXPECT_NE(music_voices[1].note_left, 0);
}

TEST_F(Songs, SelectingThePlayingSongChangesNothing)
{
    std::vector<int16_t> out(30000);
    play_music(0);
    audio_render(out.data(), (int)out.size());
    Voice before[MUSIC_VOICES];
    std::memcpy(before, music_voices, sizeof before);
    play_music(0);
    EXPECT_EQ(std::memcmp(before, music_voices, sizeof before), 0);
}

TEST_F(Songs, StopBreaksOffAndTheSameSongThenStartsAfresh)
{
    std::vector<int16_t> fresh(4000), out(4000), played(25000);
    play_music(2);
    audio_render(fresh.data(), (int)fresh.size());
    for (int stop : {-1, 6, 100, INT_MIN}) {
        sound_reset();
        play_music(2);
        audio_render(played.data(), (int)played.size());
        Voice before[MUSIC_VOICES];
        std::memcpy(before, music_voices, sizeof before);
        play_music(stop);
        EXPECT_EQ(current_song, -1) << stop;
        audio_render(out.data(), 1000);
        for (int k = 0; k < 1000; k++)
            ASSERT_EQ(out[k], 0) << stop;
        EXPECT_EQ(std::memcmp(before, music_voices, sizeof before), 0) << "stopped voices are left as they are";
        play_music(2);
        audio_render(out.data(), (int)out.size());
        EXPECT_EQ(out, fresh) << stop;
    }
}

TEST_F(Songs, EmptyDrumTrackOfTheTitleSongStaysSilent)
{
    std::vector<int16_t> out(48000);
    play_music(0);
    for (int second = 0; second < 10; second++) {
        audio_render(out.data(), (int)out.size());
        EXPECT_EQ(music_voices[3].osc.active, 0u);
    }
    EXPECT_GT(music_voices[3].note_left, (1 << 30) - 500000);
}

// Samples in one pass of a track: every token's length truncated on its own.
int pass_length(const char* notes, double step)
{
    int total = 0;
    for (const char* p = notes; *p;) {
        if (*p == ' ') {
            p++;
            continue;
        }
        const char* slash = std::strchr(p, '/');
        const char* end = std::strchr(p, ' ');
        long steps = slash && slash < end ? std::strtol(slash + 1, nullptr, 10) : 1;
        total += (int)(steps * step);
        p = end;
    }
    return total;
}

TEST_F(Songs, EveryTrackLoopsToItsFirstTokenWithoutAPause)
{
    for (int n = 0; n < SONG_COUNT; n++) {
        sound_reset();
        play_music(n);
        int pass[MUSIC_VOICES] = {};
        int longest = 0;
        for (int i = 0; i < songs[n].track_count; i++) {
            const char* notes = songs[n].tracks[i].notes;
            pass[i] = notes && *notes ? pass_length(notes, samples_per_step) : -1;
            longest = std::max(longest, pass[i]);
        }
        std::vector<int16_t> out(longest + 2);
        for (int k = 0; k <= longest + 1; k++) {
            for (int i = 0; i < songs[n].track_count; i++) {
                if (pass[i] < 0 || (k != pass[i] && k != pass[i] + 1))
                    continue;
                const char* notes = songs[n].tracks[i].notes;
                const char* after_first = notes + std::strcspn(notes, " ");
                // After k samples: the first token comes back at sample pass, no earlier.
                if (k == pass[i]) {
                    EXPECT_NE(music_voices[i].cursor, after_first) << "song " << n << " track " << i;
                } else {
                    EXPECT_EQ(music_voices[i].cursor, after_first) << "song " << n << " track " << i;
                    EXPECT_EQ(music_voices[i].osc.pos, 1) << "song " << n << " track " << i;
                }
            }
            audio_render(&out[k], 1);
        }
    }
}

}  // namespace

// The song table keeps the shape every song is written to.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include "sound/sound.h"

namespace {

std::vector<std::string> tokens_of(const char* text)
{
    std::vector<std::string> tokens;
    std::string current;
    for (const char* p = text; *p; p++) {
        if (*p == ' ') {
            if (!current.empty())
                tokens.push_back(current);
            current.clear();
        } else {
            current += *p;
        }
    }
    if (!current.empty())
        tokens.push_back(current);
    return tokens;
}

int steps_of(const std::string& token)
{
    size_t slash = token.find('/');
    return slash == std::string::npos ? 1 : std::atoi(token.c_str() + slash + 1);
}

TEST(SongData, EveryTrackHasItsLengthInCharactersTokensAndSteps)
{
    struct Case { int song, track; uint32_t wave; float duty, volume; size_t chars, tokens; int steps; };
    const Case cases[] = {
        {0, 0, WAVE_TRIANGLE, 0.5f, 0.55f, 126, 25, 120}, {0, 1, WAVE_PULSE, 0.125f, 0.12f, 320, 64, 64},
        {0, 2, WAVE_TRIANGLE, 0.5f, 0.35f, 24, 4, 64},    {0, 3, WAVE_NOISE, 0.0f, 0.0f, 0, 0, 0},
        {1, 0, WAVE_PULSE, 0.25f, 0.22f, 199, 39, 128},   {1, 1, WAVE_PULSE, 0.125f, 0.08f, 646, 128, 128},
        {1, 2, WAVE_TRIANGLE, 0.5f, 0.45f, 320, 64, 128}, {1, 3, WAVE_NOISE, 0.0f, 0.25f, 36, 9, 16},
        {2, 0, WAVE_PULSE, 0.5f, 0.16f, 205, 41, 128},    {2, 1, WAVE_PULSE, 0.25f, 0.07f, 320, 64, 128},
        {2, 2, WAVE_TRIANGLE, 0.5f, 0.45f, 160, 32, 128}, {2, 3, WAVE_NOISE, 0.0f, 0.22f, 68, 17, 32},
        {3, 0, WAVE_PULSE, 0.25f, 0.25f, 71, 14, 76},     {3, 1, WAVE_TRIANGLE, 0.5f, 0.4f, 51, 10, 80},
        {4, 0, WAVE_TRIANGLE, 0.5f, 0.5f, 143, 28, 128},  {4, 1, WAVE_PULSE, 0.125f, 0.07f, 648, 128, 128},
        {4, 2, WAVE_TRIANGLE, 0.5f, 0.42f, 320, 64, 128}, {4, 3, WAVE_NOISE, 0.0f, 0.18f, 24, 6, 16},
        {5, 0, WAVE_PULSE, 0.25f, 0.2f, 175, 35, 128},    {5, 1, WAVE_PULSE, 0.125f, 0.07f, 640, 128, 128},
        {5, 2, WAVE_TRIANGLE, 0.5f, 0.45f, 240, 48, 128}, {5, 3, WAVE_NOISE, 0.0f, 0.2f, 36, 9, 16},
    };
    for (const Case& c : cases) {
        const SongTrack& t = songs[c.song].tracks[c.track];
        std::string where = "song " + std::to_string(c.song) + " track " + std::to_string(c.track);
        ASSERT_NE(t.notes, nullptr) << where;
        EXPECT_EQ(t.wave, c.wave) << where;
        EXPECT_EQ(t.duty, c.duty) << where;
        EXPECT_EQ(t.volume, c.volume) << where;
        EXPECT_EQ(std::strlen(t.notes), c.chars) << where;
        std::vector<std::string> tokens = tokens_of(t.notes);
        EXPECT_EQ(tokens.size(), c.tokens) << where;
        int steps = 0;
        for (const std::string& token : tokens)
            steps += steps_of(token);
        EXPECT_EQ(steps, c.steps) << where;
        if (c.chars) {
            EXPECT_EQ(t.notes[c.chars - 1], ' ') << where;
            EXPECT_EQ(std::strstr(t.notes, "  "), nullptr) << where;
        }
    }
    EXPECT_EQ(songs[3].track_count, 2);
    EXPECT_EQ(songs[3].tracks[2].notes, nullptr);
    EXPECT_EQ(songs[3].tracks[3].notes, nullptr);
}

TEST(SongData, TracksKeepTheirRangesLengthsAndAccidentals)
{
    // Melody, broken chords and bass: octaves and the note and rest lengths allowed.
    struct Rule { int low, high; int min_note, max_note; std::vector<int> note_lengths; int rest; };
    const Rule melody = {4, 6, 1, 16, {}, 4};
    const Rule chords = {3, 5, 1, 1, {}, 0};
    const Rule chords_of_two = {3, 5, 2, 2, {}, 0};
    const Rule bass = {2, 3, 2, 16, {2, 4, 16}, 0};
    const Rule melody_without_rests = {4, 6, 1, 16, {}, 0};
    const Rule fanfare = {4, 6, 2, 16, {}, 0};
    const Rule fanfare_bass = {2, 3, 4, 16, {4, 16}, 0};
    struct Case { int song, track; const Rule* rule; bool ends_in_long_rest; };
    const Case cases[] = {
        {0, 0, &melody, false}, {0, 1, &chords, false}, {0, 2, &bass, false},
        {1, 0, &melody, false}, {1, 1, &chords, false}, {1, 2, &bass, false},
        {2, 0, &melody, false}, {2, 1, &chords_of_two, false}, {2, 2, &bass, false},
        {3, 0, &fanfare, true}, {3, 1, &fanfare_bass, true},
        {4, 0, &melody_without_rests, false}, {4, 1, &chords, false}, {4, 2, &bass, false},
        {5, 0, &melody, false}, {5, 1, &chords, false}, {5, 2, &bass, false},
    };
    for (const Case& c : cases) {
        std::vector<std::string> tokens = tokens_of(songs[c.song].tracks[c.track].notes);
        for (size_t k = 0; k < tokens.size(); k++) {
            const std::string& token = tokens[k];
            std::string where = "song " + std::to_string(c.song) + " track " + std::to_string(c.track) + ": " + token;
            int steps = steps_of(token);
            if (token[0] == 'r') {
                int allowed = c.ends_in_long_rest && k + 1 == tokens.size() ? 32 : c.rule->rest;
                EXPECT_EQ(steps, allowed) << where;
                continue;
            }
            ASSERT_TRUE(token[0] >= 'a' && token[0] <= 'g') << where;
            size_t at = 1;
            if (token[1] == '#') {
                EXPECT_TRUE(token[0] == 'f' || token[0] == 'g') << where;
                at = 2;
            }
            ASSERT_TRUE(token[at] >= '0' && token[at] <= '9' && token[at + 1] == '/') << where;
            int octave = token[at] - '0';
            EXPECT_GE(octave, c.rule->low) << where;
            EXPECT_LE(octave, c.rule->high) << where;
            EXPECT_GE(steps, c.rule->min_note) << where;
            EXPECT_LE(steps, c.rule->max_note) << where;
            if (!c.rule->note_lengths.empty()) {
                bool listed = false;
                for (int length : c.rule->note_lengths)
                    listed = listed || steps == length;
                EXPECT_TRUE(listed) << where;
            }
        }
        if (c.ends_in_long_rest) {
            EXPECT_EQ(tokens.back(), "r/32");
        }
    }
}

// The melody's bars as rhythms: the lengths of its notes and rests (a rest
// marked r), one string per 16-step bar.
std::vector<std::string> bar_rhythms(const char* notes)
{
    std::vector<std::string> bars;
    std::string bar;
    int steps = 0;
    for (const std::string& token : tokens_of(notes)) {
        bar += (bar.empty() ? "" : " ") + std::string(token[0] == 'r' ? "r" : "") + std::to_string(steps_of(token));
        steps += steps_of(token);
        if (steps % 16 == 0) {
            bars.push_back(bar);
            bar.clear();
        }
    }
    return bars;
}

TEST(SongData, SongsOfOddFirstWorldLevelsSecondAndLaterWorldsShareNoBarRhythm)
{
    const int level_songs[] = {SONG_FIRST_WORLD_ODD, SONG_SECOND_WORLD, SONG_LATER_WORLDS};
    for (int a : level_songs)
        for (int b : level_songs) {
            if (a == b)
                continue;
            std::vector<std::string> theirs = bar_rhythms(songs[b].tracks[0].notes);
            for (const std::string& bar : bar_rhythms(songs[a].tracks[0].notes))
                EXPECT_EQ(std::find(theirs.begin(), theirs.end(), bar), theirs.end())
                    << "songs " << a << " and " << b << " share the bar " << bar;
        }
}

TEST(SongData, DrumTracksHoldOnlyKicksSnaresAndHiHats)
{
    for (int n = 0; n < SONG_COUNT; n++) {
        if (songs[n].track_count < 4)
            continue;
        for (const std::string& token : tokens_of(songs[n].tracks[3].notes))
            EXPECT_NE(std::string("ksh").find(token[0]), std::string::npos) << n << ": " << token;
    }
}

}  // namespace

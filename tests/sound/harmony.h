// How a song's melody sits on its accompaniment at every offset the loops
// bring them to: the share of melody time on chord tones, and the harsh
// intervals (minor 2nd, major 7th, tritone, minor 9th) on the beats.
#pragma once
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>
#include "sound/sound.h"

// A track as one pitch per step, counted in semitones from c0; -1 = silent.
inline std::vector<int> pitches_by_step(const char* notes)
{
    static const int semitones[7] = {9, 11, 0, 2, 4, 5, 7};
    std::vector<int> steps;
    for (const char* p = notes; *p;) {
        if (*p == ' ') {
            p++;
            continue;
        }
        const char* end = p;
        while (*end && *end != ' ')
            end++;
        std::string token(p, end);
        p = end;
        size_t slash = token.find('/');
        int length = slash == std::string::npos ? 1 : std::atoi(token.c_str() + slash + 1);
        int pitch = -1;
        if (token[0] >= 'a' && token[0] <= 'g') {
            pitch = semitones[token[0] - 'a'];
            size_t at = 1;
            if (token[1] == '#') {
                pitch++;
                at = 2;
            }
            pitch += 12 * std::atoi(token.c_str() + at);
        }
        steps.insert(steps.end(), length, pitch);
    }
    return steps;
}

// The name of a harsh interval of the given size in semitones, or "" for any other.
inline std::string harsh_interval(int semitones)
{
    int size = std::abs(semitones);
    if (size % 12 == 6)
        return "tritone";
    if (size % 12 == 11)
        return "major 7th";
    if (size == 1)
        return "minor 2nd";
    if (size % 12 == 1)
        return "minor 9th";
    return "";
}

inline std::string pitch_name(int pitch)
{
    static const char* names[12] = {"c", "c#", "d", "d#", "e", "f", "f#", "g", "g#", "a", "a#", "b"};
    return names[pitch % 12] + std::to_string(pitch / 12);
}

// One beat where the melody and an accompanying note form a harsh interval.
struct Clash {
    int step;  // in the accompaniment's pass
    int melody, other;
    std::string interval;
};

// One pass of the accompaniment against the melody.
struct Meeting {
    int offset;          // the melody's step at which the accompaniment pass begins
    double chord_share;  // of the melody's steps in bars the accompaniment sounds in, those
                         // on a pitch class it sounds in that bar
    std::vector<Clash> clashes;
};

// Steps per beat, and per bar (the span a chord is taken over).
enum { BEAT_STEPS = 4, BAR_STEPS = 16 };

// Every meeting of the song's melody (track 0) with its pitched accompaniment
// (tracks 1 and 2, where present) over the whole cycle of their loops.
inline std::vector<Meeting> song_meetings(const Song& song)
{
    std::vector<int> melody = pitches_by_step(song.tracks[0].notes);
    std::vector<std::vector<int>> parts;
    int pass = 1;
    for (int i = 1; i < song.track_count; i++) {
        const SongTrack& t = song.tracks[i];
        if (t.wave == WAVE_NOISE || !t.notes || !*t.notes)
            continue;
        parts.push_back(pitches_by_step(t.notes));
        pass = std::lcm(pass, (int)parts.back().size());
    }
    const int m = (int)melody.size();
    std::vector<Meeting> meetings;
    for (int pass_start = 0; pass_start < std::lcm(m, pass); pass_start += pass) {
        Meeting meeting{pass_start % m, 0.0, {}};
        int sounding = 0, on_chord = 0;
        for (int t = 0; t < pass; t++) {
            int tune = melody[(pass_start + t) % m];
            if (tune < 0)
                continue;
            bool accompanied = false, chord_tone = false;
            int bar = t - t % BAR_STEPS;
            for (const std::vector<int>& part : parts)
                for (int u = bar; u < bar + BAR_STEPS && u < pass; u++) {
                    int other = part[u % part.size()];
                    accompanied = accompanied || other >= 0;
                    chord_tone = chord_tone || (other >= 0 && other % 12 == tune % 12);
                }
            sounding += accompanied;
            on_chord += chord_tone;
            if (t % BEAT_STEPS)
                continue;
            for (const std::vector<int>& part : parts) {
                int other = part[t % part.size()];
                if (other < 0)
                    continue;
                std::string interval = harsh_interval(tune - other);
                if (!interval.empty())
                    meeting.clashes.push_back({t, tune, other, interval});
            }
        }
        meeting.chord_share = sounding ? (double)on_chord / sounding : 1.0;
        meetings.push_back(meeting);
    }
    return meetings;
}

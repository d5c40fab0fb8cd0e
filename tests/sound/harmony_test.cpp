// The songs' melodies against their accompaniment wherever the loops bring
// them together: the title tune slips 8 steps against its 64-step tracks on
// every pass, and the fanfare's two tracks loop at 76 and 80 steps.
#include <gtest/gtest.h>
#include <string>
#include "harmony.h"

namespace {

std::string clashes_of(const Meeting& m)
{
    std::string text;
    for (const Clash& c : m.clashes)
        text += " step " + std::to_string(c.step) + ": " + pitch_name(c.melody) + " over " +
                pitch_name(c.other) + " (" + c.interval + ")";
    return text;
}

TEST(Harmony, TracksReadAsPitchesStepByStep)
{
    std::vector<int> steps = pitches_by_step("a4/2 r/1 c#5 g#2/3 ");
    std::vector<int> expected = {57, 57, -1, 61, 32, 32, 32};
    EXPECT_EQ(steps, expected);
    struct Case { int size; const char* name; };
    const Case cases[] = {
        {1, "minor 2nd"}, {-1, "minor 2nd"}, {13, "minor 9th"}, {25, "minor 9th"}, {6, "tritone"},
        {18, "tritone"}, {11, "major 7th"}, {-23, "major 7th"}, {0, ""}, {2, ""}, {7, ""}, {12, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(harsh_interval(c.size), c.name) << c.size;
}

// The analysis itself finds the fault it is there for: the title melody over
// a bass walking down A G F E, one chord a bar, lands b4 on F.
TEST(Harmony, MelodyOverChordsThatMoveClashesAtSomeOffset)
{
    Song walking = songs[SONG_TITLE];
    walking.tracks[1].notes = "a3/4 c4/4 e4/4 c4/4 g3/4 b3/4 d4/4 b3/4 f3/4 a3/4 c4/4 a3/4 e3/4 g#3/4 b3/4 g#3/4 ";
    walking.tracks[2].notes = "a2/16 g2/16 f2/16 e2/16 ";
    bool tritone_on_f = false;
    for (const Meeting& m : song_meetings(walking))
        for (const Clash& c : m.clashes)
            tritone_on_f = tritone_on_f || (pitch_name(c.melody) == "b4" && pitch_name(c.other) == "f2");
    EXPECT_TRUE(tritone_on_f);
}

TEST(Harmony, TitleTuneIsConsonantAtEveryOffsetItMeets)
{
    std::vector<Meeting> meetings = song_meetings(songs[SONG_TITLE]);
    ASSERT_EQ(meetings.size(), 15u);  // 120 melody steps against 64: 15 passes to meet again
    for (const Meeting& m : meetings) {
        EXPECT_TRUE(m.clashes.empty()) << "offset " << m.offset << ":" << clashes_of(m);
        EXPECT_GE(m.chord_share, 0.6) << "offset " << m.offset;
    }
}

TEST(Harmony, FanfareVoicesAgreeAtEveryLoop)
{
    std::vector<Meeting> meetings = song_meetings(songs[SONG_ALL_DONE]);
    ASSERT_EQ(meetings.size(), 19u);  // 76 melody steps against 80
    for (const Meeting& m : meetings)
        EXPECT_TRUE(m.clashes.empty()) << "offset " << m.offset << ":" << clashes_of(m);
}

TEST(Harmony, LevelSongsHaveNoHarshIntervalOnTheBeats)
{
    for (int n : {SONG_FIRST_WORLD_EVEN, SONG_FIRST_WORLD_ODD, SONG_SECOND_WORLD, SONG_LATER_WORLDS})
        for (const Meeting& m : song_meetings(songs[n]))
            EXPECT_TRUE(m.clashes.empty()) << "song " << n << ":" << clashes_of(m);
}

}  // namespace

// Level proofs: a committed key script for each built-in level, played from a
// new game at that level with the enemies in and under many seeds of the
// portals' chance, must take the hero through the door without losing a life.
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include "levels/levels.h"
#include "tests/rules/harness.h"

namespace {

// Portals choose the direction of each enemy they send with rand(), which a
// game seeds from the clock: a script must win under every one of these seeds.
const unsigned PROOF_SEEDS = 32;

// Reads a script of "TICKS BITS" lines, with # comments and empty lines
// skipped; false with a reason when a line is malformed.
bool read_script(const std::string& path, std::vector<Keys>& keys, std::string& why)
{
    std::ifstream in(path);
    if (!in) {
        why = "cannot open " + path;
        return false;
    }
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        number++;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        Keys k{};
        std::string rest;
        if (!(words >> k.ticks >> k.held) || (words >> rest) || k.ticks <= 0 || k.held < 0 || k.held > 63) {
            why = path + ":" + std::to_string(number) + ": not \"TICKS BITS\": " + line;
            return false;
        }
        keys.push_back(k);
    }
    return true;
}

struct Played {
    int steps = 0;        // game_step calls until the level was done, or all of them
    bool done = false;    // the level ended through its door
    bool died = false;    // the hero died on the way
    int level_done = -1;  // the table index whose door ended the play
};

// Plays the stretches, stopping at the first tick in which the level is done or the hero dies.
Played play_script(const std::vector<Keys>& keys)
{
    Played p;
    for (const Keys& k : keys) {
        for (int t = 0; t < k.ticks; t++) {
            hold(k.held);
            p.steps++;
            if (play.state == STATE_DYING || play.state == STATE_GAME_OVER) {
                p.died = true;
                return p;
            }
            if (play.state == STATE_LEVEL_DONE) {
                p.done = true;
                p.level_done = play.level;
                return p;
            }
        }
    }
    return p;
}

TEST(LevelProofs, EveryScriptCompletesItsBuiltInLevelWithTheEnemiesIn)
{
    const std::string builtin((const char*)builtin_level_text, builtin_level_text_size);
    for (int level = 1; level <= 24; level++) {
        char name[32];
        snprintf(name, sizeof name, "level%02d.txt", level);
        SCOPED_TRACE(name);
        std::vector<Keys> keys;
        std::string why;
        ASSERT_TRUE(read_script(std::string(FROSTOVA_SOURCE_DIR) + "/tests/levels/replays/" + name, keys, why))
            << why;
        for (unsigned seed = 1; seed <= PROOF_SEEDS; seed++) {
            SCOPED_TRACE("srand(" + std::to_string(seed) + ")");
            srand(seed);
            start_fixture(builtin, level - 1);
            ASSERT_EQ(level_count, 24);
            ASSERT_EQ(play.level, level - 1);
            Played p = play_script(keys);
            EXPECT_FALSE(p.died) << "the hero died after " << p.steps << " steps";
            EXPECT_TRUE(p.done) << "the script ended with the level not done";
            EXPECT_EQ(p.level_done, level - 1);
            // An extra life taken on the way is fine; a lost one is not.
            EXPECT_GE(play.lives, 3);
            EXPECT_EQ(play.has_key, 1u);
        }
    }
}

// The script reader itself: the proofs mean nothing if it drops or misreads lines.
TEST(LevelProofs, ScriptReaderTakesStretchesAndRefusesMalformedLines)
{
    struct Case {
        const char* text;
        bool ok;
        std::vector<Keys> keys;
    } cases[] = {
        {"# intro\n91 0\n\n6 1\n1 37\n", true, {{91, 0}, {6, 1}, {1, 37}}},
        {"5\n", false, {}},
        {"5 1 2\n", false, {}},
        {"0 1\n", false, {}},
        {"4 64\n", false, {}},
        {"4 right\n", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string path = ::testing::TempDir() + "level_proofs_script.txt";
        {
            std::ofstream out(path);
            out << c.text;
        }
        std::vector<Keys> keys;
        std::string why;
        EXPECT_EQ(read_script(path, keys, why), c.ok) << why;
        if (c.ok) {
            ASSERT_EQ(keys.size(), c.keys.size());
            for (size_t i = 0; i < keys.size(); i++) {
                EXPECT_EQ(keys[i].ticks, c.keys[i].ticks);
                EXPECT_EQ(keys[i].held, c.keys[i].held);
            }
        }
        std::remove(path.c_str());
    }
}

}  // namespace

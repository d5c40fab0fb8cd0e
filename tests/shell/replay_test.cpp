// Level proofs: committed scripts under replays/ played by the headless test
// on the built-in level set, each ending in the intro of the level after the
// one it completes.
#include <gtest/gtest.h>
#include <string>
#include "run.h"

namespace {

TEST(Replay, ScriptsCompleteTheirBuiltInLevels)
{
    struct Case {
        const char* script;
        const char* frames;
        const char* result;
    } cases[] = {
        {"level01.script", "820", "tilstand 0, bane 2, point 10310, liv 3\n"},
    };
    for (const Case& c : cases) {
        TempDir t;
        const std::string script = std::string(FROSTOVA_SOURCE_DIR) + "/tests/shell/replays/" + c.script;
        Outcome r = run_game(t.path, {"--test", c.frames, "--script", script});
        EXPECT_EQ(r.code, 0) << c.script;
        EXPECT_EQ(r.out, c.result) << c.script;
    }
}

}  // namespace
